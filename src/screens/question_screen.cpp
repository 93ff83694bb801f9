#include "screens/question_screen.h"

#include "resources/screen_layout.h"
#include "shell/moves.h"
#include "shell/quiz_script.h"
#include "shell/screen_registry.h"

namespace tolvane {

namespace {
std::string clickOf(std::string_view control)
{
    return std::string(control) + "_Click";
}
} // namespace

QuestionScreen::QuestionScreen(ScreenRegistry &screens, ScreenId id) : Screen(screens, id), m_step(*stepAskedOn(id)) {}

std::vector<Screen::Handler> QuestionScreen::handlers()
{
    return {
        {"Form_Load", [this] { Form_Load(); }},
        {clickOf(m_step.answerButton), [this] { answer_Click(); }},
        {"quitter_Click", [this] { quitter_Click(); }},
        {clickOf(layoutOf(id()).menu.about), [this] { about_Click(); }},
    };
}

void QuestionScreen::Form_Load()
{
    centre();
    label(m_step.questionLabel).setCaption(m_step.questionText());
}

void QuestionScreen::answer_Click() { answerAndMove(screens(), m_step); }

void QuestionScreen::quitter_Click() { screens().end(); }

// Unlike the first question screen, these open the About box where they stand.
void QuestionScreen::about_Click() { showAboutBox(screens()); }

} // namespace tolvane
