#include "screens/verdict_screen.h"

#include "shell/moves.h"
#include "shell/quiz_script.h"
#include "shell/screen_registry.h"

namespace tolvane {

namespace {
const Verdict &verdictOf(const QuizStep &step, ScreenId id)
{
    return step.match.screen == id ? step.match : step.miss;
}
} // namespace

VerdictScreen::VerdictScreen(ScreenRegistry &screens, ScreenId id)
    : Screen(screens, id), m_step(*stepJudgedOn(id)), m_verdict(verdictOf(m_step, id))
{
}

std::vector<Screen::Handler> VerdictScreen::handlers()
{
    const std::string button(m_verdict.button);
    return {
        {"Form_Load", [this] { Form_Load(); }},
        {button + "_Click", [this] { button_Click(); }},
    };
}

void VerdictScreen::Form_Load() { centre(); }

void VerdictScreen::button_Click()
{
    // Leaving the first question's verdict also puts the first question screen
    // out of view, in case anything brought it back.
    if (m_step.number == 1) {
        screens().get(ScreenId::TOLVANE2).setVisible(false);
        screens().get(ScreenId::TOLVANE2).hide();
    }
    moveOn(screens(), id(), m_step.next);
}

} // namespace tolvane
