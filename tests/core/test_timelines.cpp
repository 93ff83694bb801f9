// What the player sees over time, on the virtual clock: the title's two texts,
// the advance to the name prompt (also when the player takes longer than the
// advance over it), and the closing screen's taunts with the three orders in
// which the click on the portrait can fall among them.

#include "support/headless_game.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::testing;

namespace {

struct ClosingScreen : HeadlessGame {
    HeadlessWindow *window = nullptr;
    ClosingScreen()
    {
        show(ScreenId::tolvane17); // as "&Fin" does
        window = this->HeadlessGame::window(ScreenId::tolvane17);
    }
    bool connard() const { return window->seen("Label1"); }
    bool clique() const { return window->seen("Label2"); }
    bool hourra() const { return window->seen("Label3"); }
    bool splat() const { return window->seen("Image3"); }
    void clickPortrait() { EXPECT_TRUE(window->click("Image1")); }
};

} // namespace

TEST(Timelines, TitleIntroThenThePrompt)
{
    HeadlessGame game;
    game.answerPromptWith("Kévin");
    game.start();
    HeadlessWindow *title = game.window(ScreenId::TOLVANE1);
    EXPECT_TRUE(title->seen("intro"));
    EXPECT_EQ(title->caption("intro"), "Jouons tout de suite...");
    EXPECT_FALSE(title->seen("introsuite"));
    EXPECT_EQ(title->caption("introsuite"), "AU TOLVANE VIRAIL !!!");
    ASSERT_TRUE(title->pressAlt('A'));
    EXPECT_TRUE(game.isVisible(ScreenId::frmapropos));

    game.wait(1499);
    EXPECT_FALSE(title->seen("introsuite"));
    game.wait(1);
    EXPECT_TRUE(title->seen("introsuite"));
    EXPECT_TRUE(game.isVisible(ScreenId::TOLVANE1));

    game.wait(1499);
    EXPECT_TRUE(game.runtime.prompts().empty());
    game.wait(1);
    ASSERT_EQ(game.runtime.prompts().size(), 1u);
    EXPECT_EQ(game.runtime.prompts()[0].openedAt, 3000);
    EXPECT_EQ(game.runtime.prompts()[0].prompt, "Quel est ton nom jeune bon à rien ?");
    EXPECT_EQ(game.runtime.prompts()[0].title, "MARZELLE TE DEMANDE TON NOM");
    EXPECT_FALSE(game.isVisible(ScreenId::TOLVANE1));
    EXPECT_TRUE(game.isVisible(ScreenId::TOLVANE2));
    EXPECT_EQ(game.window(ScreenId::TOLVANE2)->caption("nom"), "Kévin!");
    // The advance left the About box open.
    EXPECT_TRUE(game.isVisible(ScreenId::frmapropos));
    EXPECT_FALSE(title->timerEnabled("Timer1"));
    EXPECT_TRUE(title->timerEnabled("tmrtimer"));

    // The title line's timer keeps ticking, hidden, and changes nothing.
    game.wait(15000);
    EXPECT_TRUE(title->ownVisible("introsuite"));
    EXPECT_EQ(game.runtime.prompts().size(), 1u);
    EXPECT_FALSE(game.isVisible(ScreenId::TOLVANE1));
}

TEST(Timelines, TitleTickDuringASlowPromptIsHeldBack)
{
    HeadlessGame game;
    // The player takes ten seconds over the name: the advance's timer comes
    // due three more times meanwhile, while its own handler still waits.
    game.answerPromptWith("lent", true, 10000);
    game.start();
    game.wait(3000);
    EXPECT_EQ(game.runtime.now(), 13000);
    EXPECT_EQ(game.runtime.prompts().size(), 1u);
    EXPECT_EQ(game.screens.find(ScreenId::TOLVANE2)->loadHandlerRuns(), 1);
    EXPECT_TRUE(game.isVisible(ScreenId::TOLVANE2));
    EXPECT_FALSE(game.isVisible(ScreenId::TOLVANE1));
    EXPECT_EQ(game.window(ScreenId::TOLVANE2)->caption("nom"), "lent!");
    EXPECT_FALSE(game.window(ScreenId::TOLVANE1)->timerEnabled("Timer1"));
    EXPECT_EQ(game.runtime.errorBoxes().size(), 0u);
}

TEST(Timelines, ClickBeforeTheFirstTaunt)
{
    ClosingScreen closing;
    EXPECT_FALSE(closing.connard() || closing.clique() || closing.hourra() || closing.splat());
    closing.wait(500);
    closing.clickPortrait();
    EXPECT_TRUE(closing.splat());
    EXPECT_TRUE(closing.hourra());
    EXPECT_FALSE(closing.window->timerEnabled("Timer2"));
    closing.wait(1499);
    EXPECT_FALSE(closing.connard());
    closing.wait(1);
    EXPECT_TRUE(closing.connard());
    // Timer2 is stopped: "CONNARD !" stays, and the second taunt never comes.
    closing.wait(10000);
    EXPECT_TRUE(closing.connard());
    EXPECT_FALSE(closing.clique());
    EXPECT_FALSE(closing.window->timerEnabled("Timer1"));
}

TEST(Timelines, ClickBetweenTheTaunts)
{
    ClosingScreen closing;
    closing.wait(2000);
    EXPECT_TRUE(closing.connard());
    closing.wait(600);
    closing.clickPortrait();
    closing.wait(10000);
    EXPECT_TRUE(closing.connard());
    EXPECT_TRUE(closing.hourra());
    EXPECT_FALSE(closing.clique());
}

TEST(Timelines, ClickAfterTheTaunts)
{
    ClosingScreen closing;
    closing.wait(3499);
    EXPECT_TRUE(closing.connard());
    EXPECT_FALSE(closing.clique());
    closing.wait(1);
    EXPECT_TRUE(closing.clique());
    EXPECT_FALSE(closing.connard());
    closing.clickPortrait();
    EXPECT_FALSE(closing.clique());
    EXPECT_TRUE(closing.hourra());
    EXPECT_TRUE(closing.splat());
    EXPECT_FALSE(closing.connard());
    // Later ticks of Timer2, had it kept going, would have brought the taunt back.
    closing.wait(3600);
    EXPECT_FALSE(closing.clique());
    // The splat now lies over the portrait: a click there changes nothing.
    EXPECT_TRUE(closing.window->click("Image1"));
    EXPECT_TRUE(closing.hourra());
    EXPECT_FALSE(closing.window->timerEnabled("Timer2"));
}
