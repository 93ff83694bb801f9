// The lifecycle of a screen: created, loading, loaded; shown and hidden;
// closed by the player; the event boundary with End and untrapped errors.

#include "platform/command_button.h"
#include "platform/form.h"
#include "platform/label.h"
#include "shell/moves.h"
#include "shell/screen_registry.h"

#include <QApplication>
#include <QTest>

using namespace tolvane;

namespace {

// What a probe screen saw while its load handler ran.
struct LoadRecord {
    ScreenId id;
    bool selfVisible;
    int visibleScreens;
};

struct Journal {
    std::vector<LoadRecord> loads;
    int clicks = 0;
    bool afterErrorRan = false;
};

// A screen on a real layout whose handlers write down what they see.
class ProbeScreen : public Screen {
public:
    ProbeScreen(ScreenRegistry &screens, ScreenId id, Journal &journal) : Screen(screens, id), m_journal(journal) {}

protected:
    std::vector<Handler> handlers() override
    {
        return {
            {QStringLiteral("Form_Load"), [this] { load(); }},
            {QStringLiteral("suite_Click"), [this] { ++m_journal.clicks; }},
            {QStringLiteral("fin_Click"), [this] {
                 label("NoSuchLabel").setCaption(QStringLiteral("x"));
                 m_journal.afterErrorRan = true;
             }},
        };
    }

private:
    void load()
    {
        int visible = 0;
        for (int slot = 0; slot < screenCount; ++slot) {
            Screen *other = screens().find(static_cast<ScreenId>(slot));
            visible += other && other->isVisible();
        }
        m_journal.loads.push_back({id(), isVisible(), visible});
        if (id() == ScreenId::tolvane9)
            show(); // a Show of a screen still loading
    }

    Journal &m_journal;
};

struct ProbeGame {
    Journal journal;
    ScreenRegistry screens{[this](ScreenRegistry &registry, ScreenId id) {
        return std::make_unique<ProbeScreen>(registry, id, journal);
    }};
    std::optional<int> exitStatus;
    std::vector<int> errors;

    ProbeGame()
    {
        screens.setExitHook([this](int status) { exitStatus = status; });
        screens.setErrorBox([this](const RuntimeError &error) { errors.push_back(error.number()); });
    }
    void show(ScreenId id)
    {
        screens.guard([&] { screens.get(id).show(); });
    }
    ~ProbeGame() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace

class TestScreenLifecycle : public QObject {
    Q_OBJECT
private slots:
    void referenceCreatesWithoutLoading();
    void loadsOnceBeforeVisible();
    void nothingVisibleBetweenHideAndLoad();
    void showWhileLoadingDoesNotLoadAgain();
    void playerCloseUnloadsAndNextShowReloads();
    void lastWindowClosedEndsTheGame();
    void eventsBoundByNameIgnoringCase();
    void untrappedErrorStopsHandlerAndEnds();
    void endClosesEverythingAndRunsNothingMore();
};

void TestScreenLifecycle::referenceCreatesWithoutLoading()
{
    ProbeGame game;
    QVERIFY(!game.screens.find(ScreenId::tolvane6));
    Screen &screen = game.screens.get(ScreenId::tolvane6);
    QCOMPARE(&game.screens.get(ScreenId::tolvane6), &screen);
    QCOMPARE(screen.state(), Screen::State::Created);
    QVERIFY(!screen.form());
    QVERIFY(game.journal.loads.empty());
    // Hide on a screen that never loaded changes nothing and loads nothing.
    game.screens.guard([&] { screen.hide(); });
    QCOMPARE(screen.state(), Screen::State::Created);
}

void TestScreenLifecycle::loadsOnceBeforeVisible()
{
    ProbeGame game;
    game.show(ScreenId::tolvane6);
    Screen &screen = *game.screens.find(ScreenId::tolvane6);
    QCOMPARE(game.journal.loads.size(), 1u);
    QVERIFY(!game.journal.loads[0].selfVisible);
    QVERIFY(screen.isVisible());
    QCOMPARE(screen.state(), Screen::State::Loaded);

    game.screens.guard([&] { screen.hide(); });
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.state(), Screen::State::Loaded);
    game.show(ScreenId::tolvane6);
    game.show(ScreenId::tolvane6);
    QVERIFY(screen.isVisible());
    QCOMPARE(screen.loadCount(), 1);
    QCOMPARE(game.journal.loads.size(), 1u);
}

void TestScreenLifecycle::nothingVisibleBetweenHideAndLoad()
{
    ProbeGame game;
    game.show(ScreenId::tolvane6);
    game.screens.guard([&] { moveOn(game.screens, ScreenId::tolvane6, ScreenId::tolvane8); });
    QCOMPARE(game.journal.loads.size(), 2u);
    QCOMPARE(game.journal.loads[1].id, ScreenId::tolvane8);
    QCOMPARE(game.journal.loads[1].visibleScreens, 0);
    QVERIFY(game.screens.find(ScreenId::tolvane8)->isVisible());
    QVERIFY(!game.screens.find(ScreenId::tolvane6)->isVisible());
}

void TestScreenLifecycle::showWhileLoadingDoesNotLoadAgain()
{
    ProbeGame game;
    game.show(ScreenId::tolvane9); // its load handler shows it once more
    QCOMPARE(game.journal.loads.size(), 1u);
    QCOMPARE(game.screens.find(ScreenId::tolvane9)->loadCount(), 1);
    QVERIFY(game.screens.find(ScreenId::tolvane9)->isVisible());
}

void TestScreenLifecycle::playerCloseUnloadsAndNextShowReloads()
{
    ProbeGame game;
    game.show(ScreenId::tolvane8); // stays on view, so the game goes on
    game.show(ScreenId::tolvane6);
    Screen &screen = *game.screens.find(ScreenId::tolvane6);
    screen.label("Label1").setCaption(QStringLiteral("changed"));
    QPointer<Form> window = screen.form();

    window->close(); // the window's close control
    QCOMPARE(screen.state(), Screen::State::Created);
    QVERIFY(!screen.isVisible());
    QVERIFY(!game.screens.hasEnded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());

    game.show(ScreenId::tolvane6);
    QCOMPARE(screen.loadCount(), 2);
    QCOMPARE(game.journal.loads.size(), 3u);
    QCOMPARE(screen.label("Label1").caption(), QStringLiteral("    CORRECT !"));
}

void TestScreenLifecycle::lastWindowClosedEndsTheGame()
{
    ProbeGame game;
    game.show(ScreenId::tolvane8);
    game.show(ScreenId::tolvane6);
    game.screens.guard([&] { game.screens.get(ScreenId::tolvane8).hide(); });
    game.screens.find(ScreenId::tolvane6)->form()->close();
    QVERIFY(game.screens.hasEnded());
    QCOMPARE(game.screens.ending(), ScreenRegistry::Ending::LastWindowClosed);
    QCOMPARE(game.exitStatus, std::optional<int>(0));
    QVERIFY(!game.screens.find(ScreenId::tolvane8)->form());
}

void TestScreenLifecycle::eventsBoundByNameIgnoringCase()
{
    ProbeGame game;
    game.show(ScreenId::tolvane7); // its button is laid out as SUITE
    auto *button = game.screens.find(ScreenId::tolvane7)->form()->controlAs<CommandButton>(u"suite");
    QVERIFY(button);
    QCOMPARE(button->objectName(), QStringLiteral("SUITE"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(game.journal.clicks, 1);
    // No handler for it: dropped.
    game.screens.find(ScreenId::tolvane7)->dispatch(QStringLiteral("Label1"), QStringLiteral("Click"));
    QVERIFY(!game.screens.hasEnded());
}

void TestScreenLifecycle::untrappedErrorStopsHandlerAndEnds()
{
    ProbeGame game;
    game.show(ScreenId::tolvane16);
    game.show(ScreenId::tolvane8);
    QTest::mouseClick(game.screens.find(ScreenId::tolvane16)->form()->controlAs<CommandButton>(u"fin"),
                      Qt::LeftButton);
    QCOMPARE(game.errors, std::vector<int>{730});
    QVERIFY(!game.journal.afterErrorRan);
    QCOMPARE(game.screens.ending(), ScreenRegistry::Ending::Error);
    QCOMPARE(game.exitStatus, std::optional<int>(1));
    QVERIFY(!game.screens.find(ScreenId::tolvane8)->form());
}

void TestScreenLifecycle::endClosesEverythingAndRunsNothingMore()
{
    ProbeGame game;
    game.show(ScreenId::tolvane6);
    game.show(ScreenId::tolvane8);
    bool afterEnd = false;
    game.screens.guard([&] {
        game.screens.end();
        afterEnd = true;
    });
    QVERIFY(!afterEnd);
    QCOMPARE(game.screens.ending(), ScreenRegistry::Ending::Quit);
    QCOMPARE(game.exitStatus, std::optional<int>(0));
    for (ScreenId id : {ScreenId::tolvane6, ScreenId::tolvane8})
        QVERIFY(!game.screens.find(id)->form());
    const auto loads = game.journal.loads.size();
    game.show(ScreenId::tolvane9);
    QCOMPARE(game.journal.loads.size(), loads);
}

QTEST_MAIN(TestScreenLifecycle)
#include "test_screen_lifecycle.moc"
