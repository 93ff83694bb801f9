#include "screens/screen_factory.h"

#include "screens/about_box.h"
#include "screens/closing_screen.h"
#include "screens/first_question_screen.h"
#include "screens/question_screen.h"
#include "screens/title_screen.h"
#include "screens/verdict_screen.h"
#include "shell/quiz_script.h"

namespace tolvane {

std::unique_ptr<Screen> makeScreen(ScreenRegistry &screens, ScreenId id)
{
    switch (id) {
    case ScreenId::TOLVANE1:
        return std::make_unique<TitleScreen>(screens, id);
    case ScreenId::TOLVANE2:
        return std::make_unique<FirstQuestionScreen>(screens, id);
    case ScreenId::frmapropos:
        return std::make_unique<AboutBox>(screens, id);
    case ScreenId::tolvane17:
        return std::make_unique<ClosingScreen>(screens, id);
    default:
        break;
    }
    if (stepAskedOn(id))
        return std::make_unique<QuestionScreen>(screens, id);
    return std::make_unique<VerdictScreen>(screens, id);
}

} // namespace tolvane
