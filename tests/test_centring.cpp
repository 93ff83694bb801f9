// Centring a window on the display, in twips, under the floating-point test.

#include "platform/runtime_error.h"
#include "shell/centring.h"

#include <QTest>

#include <limits>

using namespace tolvane;

namespace {

struct FakeWindow : Placeable {
    float w = 0, h = 0;
    float left = -1, top = -1;
    int writes = 0;
    float width() const override { return w; }
    float height() const override { return h; }
    void setLeft(float value) override { left = value; ++writes; }
    void setTop(float value) override { top = value; ++writes; }
};

} // namespace

class TestCentring : public QObject {
    Q_OBJECT
private slots:
    void origin_data();
    void origin();
    void notFiniteRaisesBeforeWriting();
};

void TestCentring::origin_data()
{
    QTest::addColumn<float>("display");
    QTest::addColumn<float>("window");
    QTest::addColumn<float>("expected");

    QTest::newRow("fits") << 19200.0f << 8145.0f << 5527.5f;
    QTest::newRow("even both") << 15360.0f << 7980.0f << 3690.0f;
    QTest::newRow("one odd gives half a twip") << 12000.0f << 4411.0f << 3794.5f;
    QTest::newRow("display smaller: negative") << 6000.0f << 8145.0f << -1072.5f;
    QTest::newRow("zero display") << 0.0f << 300.0f << -150.0f;
}

void TestCentring::origin()
{
    QFETCH(float, display);
    QFETCH(float, window);
    QFETCH(float, expected);
    QCOMPARE(centredOrigin(display, window), expected);
}

void TestCentring::notFiniteRaisesBeforeWriting()
{
    const float values[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity()};
    for (float bad : values) {
        FakeWindow window;
        window.w = bad;
        window.h = 300;
        try {
            centre(window, 19200, 14400);
            QFAIL("a width that is not finite must raise the floating-point error");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), RuntimeError::floatingPoint().number());
        }
        QCOMPARE(window.writes, 0);

        // Left is written before the height fails.
        FakeWindow tall;
        tall.w = 300;
        tall.h = bad;
        QVERIFY_THROWS_EXCEPTION(RuntimeError, centre(tall, 19200, 14400));
        QCOMPARE(tall.writes, 1);
        QCOMPARE(tall.left, 9450.0f);
        QCOMPARE(tall.top, -1.0f);
    }
    // A fault of an earlier computation does not leak into the next one.
    FakeWindow fine;
    fine.w = 301;
    fine.h = 300;
    centre(fine, 19200, 14400);
    QCOMPARE(fine.left, 9449.5f);
    QCOMPARE(fine.top, 7050.0f);
}

QTEST_APPLESS_MAIN(TestCentring)
#include "test_centring.moc"
