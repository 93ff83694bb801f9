// "&" in a label's caption: the letter after it underlined, the "&" itself not
// drawn, "&&" drawn as one "&"; line breaks and wrapping as without it. The one
// caption that can hold one at run time is the greeting.

#include "platform/qt/fonts.h"
#include "platform/qt/label.h"
#include "support/game_driver.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QTest>

using namespace tolvane;
using namespace tolvane::qt;
using namespace tolvane::testing;
using tolvane::testing::GameDriver;

namespace {

QImage drawn(const QString &caption, int width = 300, int height = 80) { return drawnLabel(caption, width, height); }

bool inked(const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (inked(image, x, y))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

class TestLabelMarks : public QObject {
    Q_OBJECT
private slots:
    void ampersandUnderlinesTheNextLetter();
    void greetingOfAPlayerNamedWithAnAmpersand();
};

void TestLabelMarks::ampersandUnderlinesTheNextLetter()
{
    const QFontMetrics metrics(fontFor({sansFace, 12.0, 400}));
    const QImage marked = drawn(QStringLiteral("a&b!"));
    const QImage plain = drawn(QStringLiteral("ab!"));
    QCOMPARE(marked.size(), plain.size());

    // Drawn as "ab!" but for a line beneath the b, below the baseline.
    const int bFrom = metrics.horizontalAdvance(QStringLiteral("a")) - 1;
    const int bTo = metrics.horizontalAdvance(QStringLiteral("ab")) + 1;
    int underline = 0;
    for (int y = 0; y < marked.height(); ++y) {
        for (int x = 0; x < marked.width(); ++x) {
            if (marked.pixel(x, y) == plain.pixel(x, y))
                continue;
            QVERIFY2(inked(marked, x, y) && y >= metrics.ascent() - 1 && x >= bFrom && x <= bTo,
                     qPrintable(QStringLiteral("stray ink at %1,%2").arg(x).arg(y)));
            ++underline;
        }
    }
    QVERIFY(underline >= (bTo - bFrom) / 2);

    // "&&" draws one "&", underlining nothing.
    const QRect doubled = inkBounds(drawn(QStringLiteral("a&&b")));
    const QRect bare = inkBounds(drawn(QStringLiteral("ab")));
    QVERIFY(std::abs(doubled.width() - bare.width() - metrics.horizontalAdvance(QLatin1Char('&'))) <= 2);
    QVERIFY(doubled.bottom() <= bare.bottom() + 1);

    // A carriage return still starts a line, and a long caption still wraps.
    QVERIFY(inkBounds(drawn(QStringLiteral("a&b\rc"))).bottom() > inkBounds(marked).bottom() + 10);
    QVERIFY(inkBounds(drawn(QStringLiteral("a&b ").repeated(30))).bottom() > inkBounds(marked).bottom() + 10);

    // The caption keeps its "&"; assistive technology reads it as drawn.
    Label label;
    label.setCaption(QStringLiteral("a&b &&c!"));
    QCOMPARE(label.caption(), QStringLiteral("a&b &&c!"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&label)->text(QAccessible::Name), QStringLiteral("ab &c!"));
    label.setCaption(QStringLiteral("abc"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&label)->text(QAccessible::Name), QStringLiteral("abc"));
}

void TestLabelMarks::greetingOfAPlayerNamedWithAnAmpersand()
{
    GameDriver game(0.02);
    game.answerPrompt(QStringLiteral("a&b"));
    game.start();
    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    auto *greeting = game.control<Label>(ScreenId::TOLVANE2, "nom");
    QCOMPARE(greeting->caption(), QStringLiteral("a&b!"));
    QCOMPARE(QAccessible::queryAccessibleInterface(greeting)->text(QAccessible::Name), QStringLiteral("ab!"));
}

QTEST_MAIN(TestLabelMarks)
#include "test_label_marks.moc"
