#pragma once

#include "shell/screen.h"

namespace tolvane {

// tolvane17: the closing taunts on their timers, and the click on the portrait.
class ClosingScreen : public Screen {
public:
    using Screen::Screen;

protected:
    std::vector<Handler> handlers() override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void Image1_Click();
    void quitter_Click();
    void apropos_Click();
};

} // namespace tolvane
