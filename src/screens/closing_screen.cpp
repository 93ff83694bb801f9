#include "screens/closing_screen.h"

#include "shell/moves.h"
#include "shell/screen_registry.h"

namespace tolvane {

std::vector<Screen::Handler> ClosingScreen::handlers()
{
    return {
        {"Form_Load", [this] { Form_Load(); }},
        {"Timer1_Timer", [this] { Timer1_Timer(); }},
        {"Timer2_Timer", [this] { Timer2_Timer(); }},
        {"Image1_Click", [this] { Image1_Click(); }},
        {"quitter_Click", [this] { quitter_Click(); }},
        {"apropos_Click", [this] { apropos_Click(); }},
    };
}

void ClosingScreen::Form_Load() { centre(); }

void ClosingScreen::Timer1_Timer()
{
    label("Label1").setVisible(true);
    timer("Timer1").setEnabled(false);
}

void ClosingScreen::Timer2_Timer()
{
    label("Label1").setVisible(false);
    label("Label2").setVisible(true);
}

void ClosingScreen::Image1_Click()
{
    image("Image3").setVisible(true);
    label("Label2").setVisible(false);
    label("Label3").setVisible(true);
    timer("Timer2").setEnabled(false);
}

void ClosingScreen::quitter_Click() { screens().end(); }

void ClosingScreen::apropos_Click() { showAboutBox(screens()); }

} // namespace tolvane
