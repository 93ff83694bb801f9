#include "shell/moves.h"

#include "shell/quiz_script.h"
#include "shell/screen_registry.h"

namespace tolvane {

void answerAndMove(ScreenRegistry &screens, const QuizStep &step)
{
    Screen &question = screens.get(step.questionScreen);
    const std::string typed = question.textBox(step.answerBox).text();
    const bool matched = answersMatch(typed, step.acceptedAnswer);
    moveOn(screens, step.questionScreen, matched ? step.match.screen : step.miss.screen);
}

void moveOn(ScreenRegistry &screens, ScreenId from, ScreenId to)
{
    screens.get(from).hide();
    screens.get(to).show();
}

void showAboutBox(ScreenRegistry &screens) { screens.get(ScreenId::frmapropos).show(); }

} // namespace tolvane
