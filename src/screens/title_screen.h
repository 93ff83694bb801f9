#pragma once

#include "shell/screen.h"

namespace tolvane {

// TOLVANE1: greets the player, adds the title line after a second and a half,
// and moves on to the first question by itself after three seconds.
class TitleScreen : public Screen {
public:
    using Screen::Screen;

protected:
    std::vector<Handler> handlers() override;

private:
    void form_load();
    void tmrtimer_Timer();
    void Timer1_Timer();
    void jouer_Click();
    void quitter_Click();
    void apropos_Click();
};

} // namespace tolvane
