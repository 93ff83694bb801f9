#pragma once

#include "shell/screen.h"

namespace tolvane {

// frmapropos: the title, version and author, on two lines. Modeless, never
// moved by the game; the player dismisses it with its close control.
class AboutBox : public Screen {
public:
    using Screen::Screen;

    static std::string aboutText();

protected:
    std::vector<Handler> handlers() override;

private:
    void Form_Load();
};

} // namespace tolvane
