#pragma once

#include "shell/screen.h"

namespace tolvane {

// TOLVANE2: asks the player's name in the input box while it loads, greets
// the player, and asks the first question.
class FirstQuestionScreen : public Screen {
public:
    using Screen::Screen;

protected:
    std::vector<Handler> handlers() override;

private:
    void Form_Load();
    void reponse_Click();
    void exit_Click();
    void aproposde_Click();
};

} // namespace tolvane
