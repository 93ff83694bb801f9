#include "screens/title_screen.h"

#include "shell/moves.h"
#include "shell/screen_registry.h"

namespace tolvane {

std::vector<Screen::Handler> TitleScreen::handlers()
{
    return {
        {"form_load", [this] { form_load(); }},
        {"tmrtimer_Timer", [this] { tmrtimer_Timer(); }},
        {"Timer1_Timer", [this] { Timer1_Timer(); }},
        {"jouer_Click", [this] { jouer_Click(); }},
        {"quitter_Click", [this] { quitter_Click(); }},
        {"apropos_Click", [this] { apropos_Click(); }},
    };
}

void TitleScreen::form_load()
{
    centre();
    label("intro").setVisible(true);
    label("intro").setCaption("Jouons tout de suite...");
    label("introsuite").setCaption("AU TOLVANE VIRAIL !!!");
}

void TitleScreen::tmrtimer_Timer()
{
    // A control's own Visible flag, whether or not its window is on view.
    if (!pictureBox("MARZELLEQUESTION").visible())
        label("introsuite").setVisible(true);
}

void TitleScreen::Timer1_Timer()
{
    moveOn(screens(), ScreenId::TOLVANE1, ScreenId::TOLVANE2);
    timer("Timer1").setEnabled(false);
}

void TitleScreen::jouer_Click() { moveOn(screens(), ScreenId::TOLVANE1, ScreenId::TOLVANE2); }

void TitleScreen::quitter_Click() { screens().end(); }

void TitleScreen::apropos_Click()
{
    centre();
    showAboutBox(screens());
}

} // namespace tolvane
