// Whole games on the headless runtime: every path through the five questions,
// the name prompt, the About box, the menus, the title's button, closing
// windows, a display smaller than the windows, strange answers, pictures.

#include "screens/about_box.h"
#include "shell/quiz_script.h"
#include "support/headless_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace tolvane;
using namespace tolvane::testing;

namespace {

// One answer per question, right or wrong, as the bits of `path` say.
std::vector<std::string> answersFor(unsigned path)
{
    std::vector<std::string> answers;
    for (std::size_t i = 0; i < quizScript.size(); ++i) {
        const bool right = path & (1u << i);
        std::string answer(quizScript[i].acceptedAnswer);
        // Right answers in lower case, wrong ones with a space after.
        if (right)
            std::transform(answer.begin(), answer.end(), answer.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
        else
            answer += ' ';
        answers.push_back(answer);
    }
    return answers;
}

void expectCentred(const HeadlessGame &game, ScreenId id)
{
    const Screen &screen = *game.screens.find(id);
    EXPECT_EQ(screen.left(), centredLeft(game, id)) << nameOf(id);
    EXPECT_EQ(screen.top(), centredTop(game, id)) << nameOf(id);
    EXPECT_EQ(game.window(id)->left(), screen.left()) << nameOf(id);
    EXPECT_EQ(game.window(id)->top(), screen.top()) << nameOf(id);
}

} // namespace

TEST(GamePaths, EveryPathThroughTheFiveQuestions)
{
    for (unsigned path = 0; path < 32; ++path) {
        SCOPED_TRACE("path " + std::to_string(path));
        HeadlessGame game;
        game.answerPromptWith("MARZELLE");
        game.start();
        expectCentred(game, ScreenId::TOLVANE1);
        const std::vector<std::string> verdicts = game.playQuestions(answersFor(path));
        ASSERT_EQ(verdicts.size(), 5u);
        std::vector<ScreenId> expected{ScreenId::TOLVANE1, ScreenId::TOLVANE2};
        for (std::size_t i = 0; i < quizScript.size(); ++i) {
            const QuizStep &step = quizScript[i];
            const bool right = path & (1u << i);
            const Verdict &verdict = right ? step.match : step.miss;
            const ScreenId other = right ? step.miss.screen : step.match.screen;
            EXPECT_EQ(verdicts[i], layoutOf(verdict.screen).controls[1].caption);
            EXPECT_EQ(game.screens.find(verdict.screen)->loadCount(), 1);
            EXPECT_FALSE(game.isLoaded(other)) << nameOf(other);
            expectCentred(game, step.questionScreen);
            expectCentred(game, verdict.screen);
            expected.push_back(step.questionScreen);
            expected.push_back(verdict.screen);
        }
        expected.push_back(ScreenId::tolvane17);
        std::sort(expected.begin(), expected.end());
        expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
        EXPECT_EQ(game.loadedScreens(), expected);
        EXPECT_EQ(game.visibleScreens(), std::vector<ScreenId>{ScreenId::tolvane17});
        expectCentred(game, ScreenId::tolvane17);
        EXPECT_FALSE(game.hasEnded());
        for (ScreenId id : game.loadedScreens())
            EXPECT_EQ(game.screens.find(id)->loadHandlerRuns(), 1) << nameOf(id);

        // "&Quitter" from the closing screen: Alt+J, then Q.
        HeadlessWindow *closing = game.window(ScreenId::tolvane17);
        ASSERT_TRUE(closing->pressAlt('J'));
        EXPECT_TRUE(closing->menuOpen());
        ASSERT_TRUE(closing->pressLetter('Q'));
        EXPECT_TRUE(game.hasEnded());
        EXPECT_EQ(game.runtime.exitStatus(), 0);
        EXPECT_TRUE(game.runtime.windows().empty());
        EXPECT_TRUE(game.runtime.errorBoxes().empty());
    }
}

TEST(GamePaths, VerdictTextsNeverHoldTheAnswer)
{
    for (const char *answer : {"", "n'importe quoi", "MARZELLE ", "\x01\x1B"}) {
        HeadlessGame game;
        game.start();
        const auto verdicts = game.playQuestions({answer});
        ASSERT_EQ(verdicts.size(), 1u);
        EXPECT_EQ(verdicts[0], "      FAUX : MARZELLE !");
    }
}

TEST(GamePaths, StrangeAnswersGetTheirVerdict)
{
    const std::pair<const char *, bool> answers[] = {
        {"marzelle", true},
        {"MAR\x01ZEL\x1BLE", false},
        {"MARZELLE\t", false},
        {"MARZELLE\U0001F4A9", false},
        {"\u200FMARZELLE", false},
        {"\u05DE\u05E8\u05D6\u05DC", false},
        {"ＭＡＲＺＥＬＬＥ", false},
        {"MARZELLE\u0131", false},
        {"\xFF\xFEMARZELLE", false},
    };
    for (const auto &[answer, matches] : answers) {
        HeadlessGame game;
        game.start();
        game.playQuestions({answer});
        EXPECT_EQ(game.isLoaded(ScreenId::tolvane3), matches) << answer;
        EXPECT_EQ(game.isLoaded(ScreenId::tolvane4), !matches) << answer;
    }
    // A megabyte of answer is judged like any other.
    HeadlessGame game;
    game.start();
    game.playQuestions({std::string(1 << 20, 'M')});
    EXPECT_TRUE(game.isLoaded(ScreenId::tolvane4));
}

TEST(GamePaths, NamePromptGreetsWithTheNameAsTyped)
{
    struct Case {
        const char *typed;
        bool ok;
        const char *greeting;
    };
    const Case cases[] = {
        {"abc", true, "abc!"},
        {"  Bob  ", true, "  Bob  !"},
        {"", true, "!"},
        {"Gérard", false, "!"},
        {"Gérard Ñúñez", true, "Gérard Ñúñez!"},
        {"a&b", true, "a&b!"},
    };
    for (const Case &c : cases) {
        HeadlessGame game;
        game.answerPromptWith(c.typed, c.ok);
        game.start();
        game.wait(3000);
        ASSERT_TRUE(game.isVisible(ScreenId::TOLVANE2)) << c.typed;
        HeadlessWindow *first = game.window(ScreenId::TOLVANE2);
        EXPECT_EQ(first->caption("nom"), c.greeting);
        EXPECT_EQ(first->caption("question1"), quizScript[0].question);
        EXPECT_EQ(game.screens.find(ScreenId::TOLVANE2)->loadCount(), 1);
        EXPECT_FALSE(game.isVisible(ScreenId::TOLVANE1));
        // Whatever the name, the answer box starts empty and the first answer
        // is judged alone; the focus starts on the portrait.
        EXPECT_EQ(first->typed("marzelletxt"), "");
        EXPECT_EQ(first->focus(), "Picture1");
        // Enter submits nothing; two Tabs reach the answer box.
        first->press(HeadlessWindow::Key::Tab);
        first->press(HeadlessWindow::Key::Tab);
        EXPECT_EQ(first->focus(), "marzelletxt");
        for (char letter : std::string_view("marzelle"))
            first->pressLetter(letter);
        first->press(HeadlessWindow::Key::Enter);
        EXPECT_TRUE(game.isVisible(ScreenId::TOLVANE2));
        first->pressAlt('R');
        EXPECT_TRUE(game.isVisible(ScreenId::tolvane3));
    }
}

TEST(GamePaths, TitleScreenLoadAndItsHiddenButton)
{
    HeadlessGame game;
    game.answerPromptWith("vite");
    game.start();
    HeadlessWindow *title = game.window(ScreenId::TOLVANE1);
    EXPECT_TRUE(title->isVisible());
    expectCentred(game, ScreenId::TOLVANE1);
    EXPECT_FALSE(game.isLoaded(ScreenId::TOLVANE2));
    EXPECT_EQ(title->focus(), "Picture1");
    // The button is hidden: no click and no Alt+J reaches it...
    EXPECT_FALSE(title->click("jouer"));
    title->pressAlt('J');
    EXPECT_TRUE(title->menuOpen());
    title->press(HeadlessWindow::Key::Escape);
    EXPECT_FALSE(game.isLoaded(ScreenId::TOLVANE2));
    // ...but its handler is bound: it moves on at once...
    game.raise(ScreenId::TOLVANE1, "jouer", "Click");
    EXPECT_TRUE(game.isVisible(ScreenId::TOLVANE2));
    EXPECT_TRUE(title->timerEnabled("Timer1"));
    // ...and the advance still comes, only bringing TOLVANE2 to the front.
    game.wait(3000);
    EXPECT_FALSE(title->timerEnabled("Timer1"));
    EXPECT_TRUE(game.isVisible(ScreenId::TOLVANE2));
    EXPECT_EQ(game.screens.find(ScreenId::TOLVANE2)->loadCount(), 1);
    EXPECT_EQ(game.runtime.prompts().size(), 1u);
    EXPECT_EQ(game.runtime.activeWindow(), game.window(ScreenId::TOLVANE2));
}

TEST(GamePaths, AboutBoxRecentresOnlyTheFirstTwoScreens)
{
    HeadlessGame game;
    game.answerPromptWith("x");
    game.start();
    HeadlessWindow *title = game.window(ScreenId::TOLVANE1);
    title->setLeft(100); // the player drags it away
    title->setTop(200);
    title->pressAlt('A');
    expectCentred(game, ScreenId::TOLVANE1);
    EXPECT_TRUE(title->isVisible());
    game.window(ScreenId::frmapropos)->close();

    game.wait(3000);
    HeadlessWindow *first = game.window(ScreenId::TOLVANE2);
    first->setLeft(-40);
    ASSERT_TRUE(first->chooseMenu("aproposde"));
    expectCentred(game, ScreenId::TOLVANE2);
    // Again while the About box is open: re-centred again, still one About box.
    first->setTop(5);
    first->pressAlt('a');
    expectCentred(game, ScreenId::TOLVANE2);
    EXPECT_EQ(game.screens.find(ScreenId::frmapropos)->loadCount(), 2);
    EXPECT_EQ(game.runtime.activeWindow(), game.window(ScreenId::frmapropos));

    // Question 2 and the closing screen open it where the player put them.
    for (ScreenId id : {ScreenId::tolvane5, ScreenId::tolvane8, ScreenId::tolvane11, ScreenId::TOLVANE14,
                        ScreenId::tolvane17}) {
        game.show(id);
        HeadlessWindow *window = game.window(id);
        window->setLeft(33);
        window->setTop(-20);
        EXPECT_TRUE(window->pressAlt('A'));
        EXPECT_EQ(window->left(), 33) << nameOf(id);
        EXPECT_EQ(window->top(), -20) << nameOf(id);
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_EQ(game.screens.find(ScreenId::frmapropos)->loadCount(), 2);
}

TEST(GamePaths, AboutBoxIsOneWindowAndReloadsAfterClose)
{
    HeadlessGame game;
    game.start();
    HeadlessWindow *title = game.window(ScreenId::TOLVANE1);
    title->pressAlt('A');
    title->chooseMenu("apropos");
    Screen &about = *game.screens.find(ScreenId::frmapropos);
    EXPECT_EQ(about.loadCount(), 1);
    int aboutWindows = 0;
    for (HeadlessWindow *window : game.runtime.windows())
        aboutWindows += window->name() == "frmapropos";
    EXPECT_EQ(aboutWindows, 1);
    const std::string text = game.window(ScreenId::frmapropos)->caption("aproposlbl");
    EXPECT_EQ(text, AboutBox::aboutText());
    EXPECT_EQ(text, "LE TOLVANE VIRAIL         V1.1\r      DE KORVATH");
    EXPECT_EQ(text.size(), 47u);
    // Never moved by the game: it keeps its design position.
    EXPECT_EQ(game.window(ScreenId::frmapropos)->left(), 2700);
    EXPECT_EQ(game.window(ScreenId::frmapropos)->top(), 4530);
    EXPECT_EQ(game.window(ScreenId::frmapropos)->focus(), "");

    game.window(ScreenId::frmapropos)->close();
    EXPECT_FALSE(about.isLoaded());
    EXPECT_FALSE(game.hasEnded()); // the title screen is still on view
    title->pressAlt('A');
    EXPECT_EQ(about.loadCount(), 2);
    EXPECT_EQ(game.window(ScreenId::frmapropos)->caption("aproposlbl"), AboutBox::aboutText());
    // The advance leaves it open.
    game.wait(3000);
    EXPECT_TRUE(game.isVisible(ScreenId::frmapropos));
    EXPECT_FALSE(game.isVisible(ScreenId::TOLVANE1));
}

TEST(GamePaths, QuestionsWrittenAtLoad)
{
    HeadlessGame game;
    for (const QuizStep &step : quizScript) {
        game.show(step.questionScreen);
        HeadlessWindow *window = game.window(step.questionScreen);
        EXPECT_EQ(window->caption(step.questionLabel), step.questionText());
        expectCentred(game, step.questionScreen);
    }
    EXPECT_TRUE(game.window(ScreenId::tolvane8)->caption("question3").ends_with(" tarte Tatin.\rQui suis-je?"));
    EXPECT_EQ(game.window(ScreenId::tolvane11)->caption("QUESTION4"), "Quelle couleur donnent le jaune et le bleu ? ");
    // The one-line labels stay empty: no name is kept after the first question.
    EXPECT_EQ(game.window(ScreenId::tolvane5)->caption("NOM2"), "");
    EXPECT_EQ(game.window(ScreenId::tolvane8)->caption("nom3"), "");
    EXPECT_EQ(game.window(ScreenId::tolvane11)->caption("NOM4"), "");
}

TEST(GamePaths, FirstVerdictHidesTheFirstQuestionAgain)
{
    for (const char *answer : {"Marzelle", "Martine"}) {
        HeadlessGame game;
        game.answerPromptWith("x");
        game.start();
        game.wait(3000);
        game.window(ScreenId::TOLVANE2)->pressAlt('A');
        game.window(ScreenId::TOLVANE2)->type("marzelletxt", answer);
        game.window(ScreenId::TOLVANE2)->click("reponse");
        const ScreenId verdict = std::string_view(answer) == "Marzelle" ? ScreenId::tolvane3 : ScreenId::tolvane4;
        EXPECT_TRUE(game.isVisible(verdict));
        EXPECT_FALSE(game.isVisible(ScreenId::TOLVANE2));
        expectCentred(game, verdict);
        // The button has the focus: Enter presses it, after TOLVANE2 came back somehow.
        game.show(ScreenId::TOLVANE2);
        EXPECT_EQ(game.window(verdict)->focus(), verdict == ScreenId::tolvane3 ? "suite" : "suite4");
        game.window(verdict)->press(HeadlessWindow::Key::Enter);
        EXPECT_TRUE(game.isVisible(ScreenId::tolvane5));
        EXPECT_FALSE(game.isVisible(ScreenId::TOLVANE2));
        EXPECT_FALSE(game.isVisible(verdict));
        EXPECT_TRUE(game.isVisible(ScreenId::frmapropos));
        EXPECT_EQ(game.screens.find(ScreenId::TOLVANE2)->loadCount(), 1);
    }
}

TEST(GamePaths, VerdictButtonsTakeSpaceEnterAndTheirLetter)
{
    HeadlessGame game;
    game.show(ScreenId::tolvane7);
    game.window(ScreenId::tolvane7)->press(HeadlessWindow::Key::Space);
    EXPECT_TRUE(game.isVisible(ScreenId::tolvane8));
    game.show(ScreenId::tolvane16);
    game.window(ScreenId::tolvane16)->pressAlt('F');
    EXPECT_TRUE(game.isVisible(ScreenId::tolvane17));
    // The verdicts have no menu: Alt+J and Alt+A do nothing there.
    game.show(ScreenId::tolvane13);
    game.window(ScreenId::tolvane13)->pressAlt('J');
    game.window(ScreenId::tolvane13)->pressAlt('A');
    EXPECT_FALSE(game.isLoaded(ScreenId::frmapropos));
    EXPECT_TRUE(game.isVisible(ScreenId::tolvane13));
}

TEST(GamePaths, QuitEndsFromEveryMenu)
{
    for (ScreenId id : {ScreenId::TOLVANE1, ScreenId::TOLVANE2, ScreenId::tolvane5, ScreenId::tolvane8,
                        ScreenId::tolvane11, ScreenId::TOLVANE14, ScreenId::tolvane17}) {
        for (bool withKeys : {true, false}) {
            HeadlessGame game;
            game.show(ScreenId::tolvane6); // loaded and hidden behind
            game.show(id);
            game.screens.guard([&] { game.screens.get(ScreenId::tolvane6).hide(); });
            HeadlessWindow *window = game.window(id);
            window->pressAlt('A');
            if (withKeys) {
                window->pressAlt('J');
                window->pressLetter('q');
            } else {
                window->chooseMenu(layoutOf(id).menu.quit);
            }
            EXPECT_TRUE(game.hasEnded()) << nameOf(id);
            EXPECT_EQ(game.screens.ending(), ScreenRegistry::Ending::Quit);
            EXPECT_EQ(game.runtime.exitStatus(), 0);
            EXPECT_TRUE(game.runtime.windows().empty());
        }
    }
}

TEST(GamePaths, QuitBeforeTheAdvanceNeverLoadsTheFirstQuestion)
{
    HeadlessGame game;
    game.start();
    game.wait(2000);
    game.window(ScreenId::TOLVANE1)->chooseMenu("quitter");
    EXPECT_TRUE(game.hasEnded());
    game.wait(5000);
    EXPECT_FALSE(game.isLoaded(ScreenId::TOLVANE2));
    EXPECT_TRUE(game.runtime.prompts().empty());
}

TEST(GamePaths, ClosingTheTitleEndsTheGame)
{
    HeadlessGame game;
    game.start();
    game.window(ScreenId::TOLVANE1)->close();
    EXPECT_TRUE(game.hasEnded());
    EXPECT_EQ(game.screens.ending(), ScreenRegistry::Ending::LastWindowClosed);
    game.wait(3200);
    EXPECT_FALSE(game.isLoaded(ScreenId::TOLVANE2));
    EXPECT_TRUE(game.runtime.prompts().empty());

    // With the About box open the game goes on; the title's timers are gone.
    HeadlessGame withAbout;
    withAbout.start();
    withAbout.window(ScreenId::TOLVANE1)->pressAlt('A');
    withAbout.window(ScreenId::TOLVANE1)->close();
    EXPECT_FALSE(withAbout.hasEnded());
    withAbout.wait(5000);
    EXPECT_FALSE(withAbout.isLoaded(ScreenId::TOLVANE2));
    withAbout.window(ScreenId::frmapropos)->close();
    EXPECT_TRUE(withAbout.hasEnded());
}

TEST(GamePaths, DisplaySmallerThanTheWindows)
{
    // 400 x 301 pixels: 6000 x 4515 twips, an odd number of twips down.
    HeadlessGame game(headless::Desktop{.displayWidth = 400, .displayHeight = 301});
    game.start();
    const Screen &title = *game.screens.find(ScreenId::TOLVANE1);
    EXPECT_LT(title.left(), 0);
    EXPECT_LT(title.top(), 0);
    EXPECT_EQ(title.left(), 3000.0f - game.window(ScreenId::TOLVANE1)->width() / 2);
    EXPECT_EQ(title.left() - std::floor(title.left()), 0.5f);
    expectCentred(game, ScreenId::TOLVANE1);
    // A verdict window fits across but not down.
    game.show(ScreenId::tolvane16);
    const Screen &verdict = *game.screens.find(ScreenId::tolvane16);
    EXPECT_GT(verdict.left(), 0);
    EXPECT_LT(verdict.top(), 0);
}

TEST(GamePaths, EachPictureDecodedOnceABrokenOneLeavesItsControlEmpty)
{
    HeadlessGame game;
    game.pictures.broken = {PictureId::hostwrong};
    // As the program does: every other picture decodes beside the first window.
    game.screens.pictures().decodeInBackground();
    game.start();
    game.playQuestions({"", "", "", "", ""});
    game.window(ScreenId::tolvane17)->click("Image1");
    for (const PictureInfo &info : pictureInventory)
        EXPECT_EQ(game.screens.pictures().decodeCount(info.id), 1) << info.name;
    EXPECT_EQ(game.runtime.decodes(), pictureCount - 1); // the broken one never reached the decoder
    EXPECT_FALSE(game.window(ScreenId::tolvane16)->hasPicture("Image1"));
    EXPECT_TRUE(game.window(ScreenId::tolvane17)->hasPicture("Image3"));
    EXPECT_TRUE(game.runtime.errorBoxes().empty());
}
