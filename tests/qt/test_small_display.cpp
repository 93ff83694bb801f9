// A display smaller than the game's windows: the centring gives negative
// positions, with half a twip where one of the two widths is odd, and the
// windows are neither clamped nor shrunk.

#include "platform/qt/display.h"
#include "platform/qt/form.h"
#include "support/game_driver.h"

#include <QApplication>
#include <QTemporaryFile>
#include <QTest>

using namespace tolvane;
using namespace tolvane::qt;
using namespace tolvane::testing;
using tolvane::testing::GameDriver;

class TestSmallDisplay : public QObject {
    Q_OBJECT
private slots:
    void windowsLargerThanTheDisplay();
};

void TestSmallDisplay::windowsLargerThanTheDisplay()
{
    QCOMPARE(display::geometry().size(), QSize(400, 301));
    QCOMPARE(display::widthTwips(), 6000.0f);
    QCOMPARE(display::heightTwips(), 4515.0f);

    GameDriver game;
    game.start();
    Screen &title = *game.screen(ScreenId::TOLVANE1);
    // 6000 / 2 - 7965 / 2: the title window is 531 px wide, an odd number of
    // twips, measured before the desktop has framed any window.
    QCOMPARE(title.left(), -982.5f);
    QVERIFY(title.left() < 0);
    QCOMPARE(title.left() - std::floor(title.left()), 0.5f);
    QVERIFY(title.top() < 0);
    QCOMPARE(formOf(title)->clientArea()->size(), QSize(531, 463));
    QCOMPARE(formOf(title)->pos(), QPoint(int(std::lround(title.left() / 15)), int(std::lround(title.top() / 15))));

    // A verdict window fits across but not down.
    game.show(ScreenId::tolvane16);
    Screen &verdict = *game.screen(ScreenId::tolvane16);
    QVERIFY(verdict.left() > 0);
    QVERIFY(verdict.top() < 0);
}

int main(int argc, char *argv[])
{
    QTemporaryFile config;
    config.setFileTemplate(QDir::tempPath() + QStringLiteral("/small-display-XXXXXX.json"));
    if (!config.open())
        return 2;
    config.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 400, "height": 301,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestSmallDisplay test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_small_display.moc"
