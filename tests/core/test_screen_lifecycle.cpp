// The lifecycle of a screen: created, loading, loaded; shown and hidden;
// closed by the player; the event boundary with End and untrapped errors.

#include "shell/moves.h"
#include "support/headless_game.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::testing;

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
            {"Form_Load", [this] { load(); }},
            {"suite_Click", [this] { ++m_journal.clicks; }},
            {"fin_Click",
             [this] {
                 label("NoSuchLabel").setCaption("x");
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

struct ProbeGame : HeadlessGame {
    Journal journal;
    ProbeGame()
        : HeadlessGame([this](ScreenRegistry &registry, ScreenId id) {
              return std::make_unique<ProbeScreen>(registry, id, journal);
          })
    {
    }
};

} // namespace

TEST(ScreenLifecycle, ReferenceCreatesWithoutLoading)
{
    ProbeGame game;
    EXPECT_FALSE(game.screens.find(ScreenId::tolvane6));
    Screen &screen = game.screens.get(ScreenId::tolvane6);
    EXPECT_EQ(&game.screens.get(ScreenId::tolvane6), &screen);
    EXPECT_EQ(screen.state(), Screen::State::Created);
    EXPECT_FALSE(screen.windowIfLoaded());
    EXPECT_TRUE(game.journal.loads.empty());
    // Hide on a screen that never loaded changes nothing and loads nothing.
    game.screens.guard([&] { screen.hide(); });
    EXPECT_EQ(screen.state(), Screen::State::Created);
    EXPECT_TRUE(game.runtime.windows().empty());
}

TEST(ScreenLifecycle, LoadsOnceBeforeVisible)
{
    ProbeGame game;
    game.show(ScreenId::tolvane6);
    Screen &screen = *game.screens.find(ScreenId::tolvane6);
    ASSERT_EQ(game.journal.loads.size(), 1u);
    EXPECT_FALSE(game.journal.loads[0].selfVisible);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.state(), Screen::State::Loaded);

    game.screens.guard([&] { screen.hide(); });
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.state(), Screen::State::Loaded);
    game.show(ScreenId::tolvane6);
    game.show(ScreenId::tolvane6);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.loadCount(), 1);
    EXPECT_EQ(game.journal.loads.size(), 1u);
    EXPECT_EQ(game.runtime.windows().size(), 1u);
}

TEST(ScreenLifecycle, NothingVisibleBetweenHideAndLoad)
{
    ProbeGame game;
    game.show(ScreenId::tolvane6);
    game.screens.guard([&] { moveOn(game.screens, ScreenId::tolvane6, ScreenId::tolvane8); });
    ASSERT_EQ(game.journal.loads.size(), 2u);
    EXPECT_EQ(game.journal.loads[1].id, ScreenId::tolvane8);
    EXPECT_EQ(game.journal.loads[1].visibleScreens, 0);
    EXPECT_TRUE(game.isVisible(ScreenId::tolvane8));
    EXPECT_FALSE(game.isVisible(ScreenId::tolvane6));
    EXPECT_EQ(game.runtime.activeWindow(), game.window(ScreenId::tolvane8));
}

TEST(ScreenLifecycle, ShowWhileLoadingDoesNotLoadAgain)
{
    ProbeGame game;
    game.show(ScreenId::tolvane9); // its load handler shows it once more
    EXPECT_EQ(game.journal.loads.size(), 1u);
    EXPECT_EQ(game.screens.find(ScreenId::tolvane9)->loadCount(), 1);
    EXPECT_TRUE(game.isVisible(ScreenId::tolvane9));
}

TEST(ScreenLifecycle, PlayerCloseUnloadsAndNextShowReloads)
{
    ProbeGame game;
    game.show(ScreenId::tolvane8); // stays on view, so the game goes on
    game.show(ScreenId::tolvane6);
    Screen &screen = *game.screens.find(ScreenId::tolvane6);
    screen.label("Label1").setCaption("changed");

    ASSERT_TRUE(game.window(ScreenId::tolvane6)->close());
    EXPECT_EQ(screen.state(), Screen::State::Created);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(game.window(ScreenId::tolvane6));
    EXPECT_FALSE(game.runtime.window("tolvane6"));
    EXPECT_FALSE(game.screens.hasEnded());

    game.show(ScreenId::tolvane6);
    EXPECT_EQ(screen.loadCount(), 2);
    EXPECT_EQ(game.journal.loads.size(), 3u);
    EXPECT_EQ(game.window(ScreenId::tolvane6)->caption("Label1"), "    CORRECT !");
}

TEST(ScreenLifecycle, LastWindowClosedEndsTheGame)
{
    ProbeGame game;
    game.show(ScreenId::tolvane8);
    game.show(ScreenId::tolvane6);
    game.screens.guard([&] { game.screens.get(ScreenId::tolvane8).hide(); });
    game.window(ScreenId::tolvane6)->close();
    EXPECT_TRUE(game.screens.hasEnded());
    EXPECT_EQ(game.screens.ending(), ScreenRegistry::Ending::LastWindowClosed);
    EXPECT_TRUE(game.runtime.hasEnded());
    EXPECT_EQ(game.runtime.exitStatus(), 0);
    EXPECT_TRUE(game.runtime.windows().empty());
}

TEST(ScreenLifecycle, EventsBoundByNameIgnoringCase)
{
    ProbeGame game;
    game.show(ScreenId::tolvane7); // its button is laid out as SUITE
    HeadlessWindow *window = game.window(ScreenId::tolvane7);
    EXPECT_EQ(window->layout().controls[*window->find("suite")].name, "SUITE");
    EXPECT_TRUE(window->click("suite"));
    EXPECT_EQ(game.journal.clicks, 1);
    // No handler for it: dropped.
    game.raise(ScreenId::tolvane7, "Label1", "Click");
    EXPECT_FALSE(game.screens.hasEnded());
}

TEST(ScreenLifecycle, UntrappedErrorStopsHandlerAndEnds)
{
    ProbeGame game;
    game.show(ScreenId::tolvane16);
    game.show(ScreenId::tolvane8);
    game.window(ScreenId::tolvane16)->click("fin");
    EXPECT_EQ(game.errorNumber(), 730);
    EXPECT_FALSE(game.journal.afterErrorRan);
    EXPECT_EQ(game.screens.ending(), ScreenRegistry::Ending::Error);
    EXPECT_EQ(game.runtime.exitStatus(), 1);
    ASSERT_EQ(game.runtime.errorBoxes().size(), 1u);
    EXPECT_EQ(game.runtime.errorBoxes()[0].first, "LE TOLVANE VIRAIL");
    EXPECT_EQ(game.runtime.errorBoxes()[0].second,
              "Erreur d'exécution '730':\n\nLe contrôle « NoSuchLabel » est introuvable");
    EXPECT_TRUE(game.runtime.windows().empty());
}

TEST(ScreenLifecycle, EndClosesEverythingAndRunsNothingMore)
{
    ProbeGame game;
    game.show(ScreenId::tolvane6);
    game.show(ScreenId::tolvane8);
    bool afterEnd = false;
    game.screens.guard([&] {
        game.screens.end();
        afterEnd = true;
    });
    EXPECT_FALSE(afterEnd);
    EXPECT_EQ(game.screens.ending(), ScreenRegistry::Ending::Quit);
    EXPECT_EQ(game.runtime.exitStatus(), 0);
    EXPECT_TRUE(game.runtime.windows().empty());
    const auto loads = game.journal.loads.size();
    game.show(ScreenId::tolvane9);
    EXPECT_EQ(game.journal.loads.size(), loads);
    EXPECT_TRUE(game.runtime.errorBoxes().empty());
}

TEST(ScreenLifecycle, ControlOfAnotherKindOrAGoneWindowIsAnError)
{
    ProbeGame game;
    game.show(ScreenId::tolvane6);
    Screen &screen = *game.screens.find(ScreenId::tolvane6);
    // Image1 is an image, not a label; names ignore letter case.
    EXPECT_THROW(screen.label("Image1"), runtime::RuntimeError);
    EXPECT_NO_THROW(screen.label("label1"));
    game.window(ScreenId::tolvane6)->close();
    try {
        screen.label("Label1");
        ADD_FAILURE() << "a screen without its window has no controls";
    } catch (const runtime::RuntimeError &error) {
        EXPECT_EQ(error.number(), 424);
    }
}
