#include "screens/first_question_screen.h"

#include "platform/label.h"
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
        {QStringLiteral("Form_Load"), [this] { Form_Load(); }},
        {QStringLiteral("reponse_Click"), [this] { reponse_Click(); }},
        {QStringLiteral("exit_Click"), [this] { exit_Click(); }},
        {QStringLiteral("aproposde_Click"), [this] { aproposde_Click(); }},
    };
}

void FirstQuestionScreen::Form_Load()
{
    centre();
    label(firstStep().questionLabel).setCaption(firstStep().questionText());
    const QString name = inputBox(QStringLiteral("Quel est ton nom jeune bon à rien ?"),
                                  QStringLiteral("MARZELLE TE DEMANDE TON NOM"));
    label("nom").setCaption(name + QLatin1Char('!'));
}

void FirstQuestionScreen::reponse_Click() { answerAndMove(screens(), firstStep()); }

void FirstQuestionScreen::exit_Click() { screens().end(); }

void FirstQuestionScreen::aproposde_Click()
{
    centre();
    showAboutBox(screens());
}

} // namespace tolvane
