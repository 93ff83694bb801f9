#pragma once

#include "shell/screen.h"

namespace tolvane {

struct QuizStep;
struct Verdict;

// The ten verdict screens: one family, each a fixed verdict text and one
// button that moves on to the step's next screen.
class VerdictScreen : public Screen {
public:
    VerdictScreen(ScreenRegistry &screens, ScreenId id);

protected:
    std::vector<Handler> handlers() override;

private:
    void Form_Load();
    void button_Click();

    const QuizStep &m_step;
    const Verdict &m_verdict;
};

} // namespace tolvane
