// What the player sees over time, with the game's real timers: the title's
// two texts, the advance to the name prompt, the closing screen's taunts and
// the three orders in which the click on the portrait can fall among them.

#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "support/game_driver.h"

#include <QElapsedTimer>
#include <QTest>

using namespace tolvane;
using tolvane::testing::GameDriver;

namespace {

// Slack for a busy machine: the timers themselves are precise.
constexpr int slackMs = 150;

// Waits until `condition` holds; the time it took, or -1.
qint64 timeUntil(const QElapsedTimer &clock, const std::function<bool()> &condition, int timeoutMs = 6000)
{
    if (!QTest::qWaitFor(condition, timeoutMs))
        return -1;
    return clock.elapsed();
}

void waitUntil(const QElapsedTimer &clock, qint64 ms)
{
    QTest::qWait(int(std::max<qint64>(0, ms - clock.elapsed())));
}

struct ClosingScreen {
    GameDriver game;
    QElapsedTimer clock;
    Label *connard = nullptr, *clique = nullptr, *hourra = nullptr;
    Image *splat = nullptr;

    ClosingScreen()
    {
        clock.start();
        game.show(ScreenId::tolvane17); // as "&Fin" does
        connard = game.control<Label>(ScreenId::tolvane17, "Label1");
        clique = game.control<Label>(ScreenId::tolvane17, "Label2");
        hourra = game.control<Label>(ScreenId::tolvane17, "Label3");
        splat = game.control<Image>(ScreenId::tolvane17, "Image3");
    }
    void clickPortrait() { QTest::mouseClick(game.control<Image>(ScreenId::tolvane17, "Image1"), Qt::LeftButton); }
    Timer &timer(const char *name) { return game.screen(ScreenId::tolvane17)->timer(name); }
};

} // namespace

class TestTimelines : public QObject {
    Q_OBJECT
private slots:
    void titleIntroThenThePrompt();
    void clickBeforeTheFirstTaunt();
    void clickBetweenTheTaunts();
    void clickAfterTheTaunts();
};

void TestTimelines::titleIntroThenThePrompt()
{
    GameDriver game;
    game.answerPrompt(QStringLiteral("Kévin"));
    QElapsedTimer clock;
    clock.start();
    game.start();
    auto *introsuite = game.control<Label>(ScreenId::TOLVANE1, "introsuite");
    QVERIFY(introsuite->isHidden());
    game.openAboutBox(ScreenId::TOLVANE1);

    const qint64 intro = timeUntil(clock, [&] { return !introsuite->isHidden(); });
    QVERIFY2(intro >= 1500 && intro <= 1500 + slackMs, qPrintable(QString::number(intro)));
    QVERIFY(game.isVisible(ScreenId::TOLVANE1));

    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    const qint64 prompt = game.promptOpenedAt();
    QVERIFY2(prompt >= 3000 && prompt <= 3000 + slackMs, qPrintable(QString::number(prompt)));
    QVERIFY(!game.isVisible(ScreenId::TOLVANE1));
    // The advance left the About box open.
    QVERIFY(game.isVisible(ScreenId::frmapropos));
    QVERIFY(!game.screen(ScreenId::TOLVANE1)->timer("Timer1").isEnabled());
    QVERIFY(game.screen(ScreenId::TOLVANE1)->timer("tmrtimer").isEnabled());
}

void TestTimelines::clickBeforeTheFirstTaunt()
{
    ClosingScreen closing;
    QVERIFY(closing.connard->isHidden() && closing.clique->isHidden() && closing.hourra->isHidden());
    waitUntil(closing.clock, 500);
    closing.clickPortrait();
    QVERIFY(!closing.splat->isHidden());
    QVERIFY(!closing.hourra->isHidden());
    QVERIFY(!closing.timer("Timer2").isEnabled());

    const qint64 connard = timeUntil(closing.clock, [&] { return !closing.connard->isHidden(); });
    QVERIFY2(connard >= 2000 && connard <= 2000 + slackMs, qPrintable(QString::number(connard)));
    // Timer2 is stopped: "CONNARD !" stays, and the second taunt never comes.
    waitUntil(closing.clock, 3500 + slackMs + 100);
    QVERIFY(!closing.connard->isHidden());
    QVERIFY(closing.clique->isHidden());
    QVERIFY(!closing.timer("Timer1").isEnabled());
}

void TestTimelines::clickBetweenTheTaunts()
{
    ClosingScreen closing;
    QVERIFY(timeUntil(closing.clock, [&] { return !closing.connard->isHidden(); }) >= 2000);
    waitUntil(closing.clock, 2600);
    closing.clickPortrait();
    waitUntil(closing.clock, 3500 + slackMs + 100);
    QVERIFY(!closing.connard->isHidden());
    QVERIFY(!closing.hourra->isHidden());
    QVERIFY(closing.clique->isHidden());
}

void TestTimelines::clickAfterTheTaunts()
{
    ClosingScreen closing;
    const qint64 clique = timeUntil(closing.clock, [&] { return !closing.clique->isHidden(); });
    QVERIFY2(clique >= 3500 && clique <= 3500 + slackMs, qPrintable(QString::number(clique)));
    QVERIFY(closing.connard->isHidden());
    closing.clickPortrait();
    QVERIFY(closing.clique->isHidden());
    QVERIFY(!closing.hourra->isHidden());
    QVERIFY(!closing.splat->isHidden());
    QVERIFY(closing.connard->isHidden());
    // Later ticks of Timer2, had it kept going, would have brought the taunt back.
    QTest::qWait(3600);
    QVERIFY(closing.clique->isHidden());
}

QTEST_MAIN(TestTimelines)
#include "test_timelines.moc"
