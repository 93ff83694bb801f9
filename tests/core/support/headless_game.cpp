#include "support/headless_game.h"

#include "resources/picture_files.h"
#include "screens/screen_factory.h"
#include "shell/quiz_script.h"

#include <gtest/gtest.h>

namespace tolvane::testing {

HeadlessGame::HeadlessGame(headless::Desktop desktop) : HeadlessGame(makeScreen, desktop) {}

HeadlessGame::HeadlessGame(ScreenRegistry::Factory factory, headless::Desktop desktop)
    : runtime(desktop), screens(pictures, std::move(factory))
{
}

std::unique_ptr<runtime::Picture> BreakablePictures::decodePicture(std::span<const unsigned char> file,
                                                                   runtime::PixelRect part) const
{
    for (PictureId id : broken) {
        if (file.data() == pictureFile(id).data())
            return nullptr;
    }
    return ForwardingRuntime::decodePicture(file, part);
}

void HeadlessGame::raise(ScreenId id, std::string_view control, std::string_view event)
{
    if (Screen *screen = screens.find(id))
        static_cast<runtime::WindowEvents &>(*screen).controlEvent(control, event);
}

void HeadlessGame::show(ScreenId id)
{
    screens.guard([&] { screens.get(id).show(); });
}

HeadlessWindow *HeadlessGame::window(ScreenId id) const
{
    Screen *screen = screens.find(id);
    return screen ? static_cast<HeadlessWindow *>(screen->windowIfLoaded()) : nullptr;
}

bool HeadlessGame::isLoaded(ScreenId id) const
{
    Screen *screen = screens.find(id);
    return screen && screen->isLoaded();
}

bool HeadlessGame::isVisible(ScreenId id) const
{
    Screen *screen = screens.find(id);
    return screen && screen->isVisible();
}

std::vector<ScreenId> HeadlessGame::loadedScreens() const
{
    std::vector<ScreenId> loaded;
    for (int slot = 0; slot < screenCount; ++slot) {
        if (isLoaded(ScreenId(slot)))
            loaded.push_back(ScreenId(slot));
    }
    return loaded;
}

std::vector<ScreenId> HeadlessGame::visibleScreens() const
{
    std::vector<ScreenId> visible;
    for (int slot = 0; slot < screenCount; ++slot) {
        if (isVisible(ScreenId(slot)))
            visible.push_back(ScreenId(slot));
    }
    return visible;
}

void HeadlessGame::answerPromptWith(std::string name, bool ok, std::int64_t afterMs)
{
    runtime.setPromptScript([=](std::string_view, std::string_view) {
        return HeadlessRuntime::PromptAnswer{name, ok, afterMs};
    });
}

std::vector<std::string> HeadlessGame::playQuestions(const std::vector<std::string> &answers)
{
    std::vector<std::string> verdicts;
    if (!isVisible(ScreenId::TOLVANE2))
        wait(3000);
    for (std::size_t i = 0; i < quizScript.size() && i < answers.size(); ++i) {
        const QuizStep &step = quizScript[i];
        HeadlessWindow *question = window(step.questionScreen);
        EXPECT_TRUE(question && question->isVisible()) << "question " << step.number;
        if (!question || !question->type(step.answerBox, answers[i]) || !question->click(step.answerButton))
            return verdicts;
        const bool match = answersMatch(answers[i], step.acceptedAnswer);
        const Verdict &verdict = match ? step.match : step.miss;
        HeadlessWindow *shown = window(verdict.screen);
        EXPECT_TRUE(shown && shown->isVisible()) << nameOf(verdict.screen);
        if (!shown)
            return verdicts;
        verdicts.push_back(shown->caption(verdict.label));
        shown->click(verdict.button);
    }
    return verdicts;
}

namespace {
float centred(float display, float window) { return display / 2.0f - window / 2.0f; }
} // namespace

float centredLeft(const HeadlessGame &game, ScreenId id)
{
    return centred(game.runtime.displayWidth(), game.window(id)->width());
}

float centredTop(const HeadlessGame &game, ScreenId id)
{
    return centred(game.runtime.displayHeight(), game.window(id)->height());
}

} // namespace tolvane::testing
