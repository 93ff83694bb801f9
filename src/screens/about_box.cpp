#include "screens/about_box.h"

namespace tolvane {

std::string AboutBox::aboutText()
{
    const std::string title = "LE TOLVANE VIRAIL         V1.1";
    const std::string author = "      DE KORVATH";
    // A bare carriage return, no line feed: the label breaks the line there.
    return title + '\r' + author;
}

std::vector<Screen::Handler> AboutBox::handlers()
{
    return {
        {"Form_Load", [this] { Form_Load(); }},
    };
}

void AboutBox::Form_Load() { label("aproposlbl").setCaption(aboutText()); }

} // namespace tolvane
