#pragma once

#include "shell/screen.h"

namespace tolvane {

struct QuizStep;

// Questions 2 to 5 (tolvane5, tolvane8, tolvane11, TOLVANE14): one family, each
// member asking its own step of the quiz script. Its answer button and About
// item keep their own names, so the handlers are bound under those names.
class QuestionScreen : public Screen {
public:
    QuestionScreen(ScreenRegistry &screens, ScreenId id);

protected:
    std::vector<Handler> handlers() override;

private:
    void Form_Load();
    void answer_Click();
    void quitter_Click();
    void about_Click();

    const QuizStep &m_step;
};

} // namespace tolvane
