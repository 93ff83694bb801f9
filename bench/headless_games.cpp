#include "headless_games.h"

#include "platform/headless/runtime.h"
#include "platform/headless/window.h"
#include "screens/screen_factory.h"
#include "shell/quiz_script.h"
#include "shell/screen_registry.h"

#include <chrono>
#include <stdexcept>
#include <string>

namespace tolvane::bench {

namespace {

using headless::HeadlessWindow;

HeadlessWindow &windowOf(const ScreenRegistry &screens, ScreenId id)
{
    Screen *screen = screens.find(id);
    auto *window = screen ? static_cast<HeadlessWindow *>(screen->windowIfLoaded()) : nullptr;
    if (!window)
        throw std::runtime_error("no window " + std::string(nameOf(id)));
    return *window;
}

void playOne(bool right)
{
    headless::HeadlessRuntime runtime;
    runtime.setPromptScript([](std::string_view, std::string_view) {
        return headless::HeadlessRuntime::PromptAnswer{"Bench"};
    });
    ScreenRegistry screens(runtime, makeScreen);
    screens.start();
    runtime.advance(3000);
    for (const QuizStep &step : quizScript) {
        HeadlessWindow &question = windowOf(screens, step.questionScreen);
        question.type(step.answerBox, right ? step.acceptedAnswer : std::string_view("non"));
        question.click(step.answerButton);
        const Verdict &verdict = right ? step.match : step.miss;
        windowOf(screens, verdict.screen).click(verdict.button);
    }
    HeadlessWindow &closing = windowOf(screens, ScreenId::tolvane17);
    runtime.advance(4000);
    closing.click("Image1");
    closing.chooseMenu("quitter");
    if (!runtime.hasEnded() || !runtime.errorBoxes().empty())
        throw std::runtime_error("a headless game did not end well");
}

} // namespace

HeadlessFigure measureHeadlessGames(int games)
{
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < games; ++i)
        playOne(i % 2 == 0);
    const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - started).count();
    return {games, us / games};
}

} // namespace tolvane::bench
