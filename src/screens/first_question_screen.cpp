#include "screens/first_question_screen.h"

#include "shell/moves.h"
#include "shell/quiz_script.h"
#include "shell/screen_registry.h"

namespace tolvane {

namespace {
const QuizStep &firstStep() { return quizScript[0]; }
} // namespace

std::vector<Screen::Handler> FirstQuestionScreen::handlers()
{
    return {
        {"Form_Load", [this] { Form_Load(); }},
        {"reponse_Click", [this] { reponse_Click(); }},
        {"exit_Click", [this] { exit_Click(); }},
        {"aproposde_Click", [this] { aproposde_Click(); }},
    };
}

void FirstQuestionScreen::Form_Load()
{
    centre();
    label(firstStep().questionLabel).setCaption(firstStep().questionText());
    const std::string name = inputBox("Quel est ton nom jeune bon à rien ?",
                                  "MARZELLE TE DEMANDE TON NOM");
    label("nom").setCaption(name + '!');
}

void FirstQuestionScreen::reponse_Click() { answerAndMove(screens(), firstStep()); }

void FirstQuestionScreen::exit_Click() { screens().end(); }

void FirstQuestionScreen::aproposde_Click()
{
    centre();
    showAboutBox(screens());
}

} // namespace tolvane
