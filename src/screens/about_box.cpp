#include "screens/about_box.h"

#include "platform/label.h"

namespace tolvane {

QString AboutBox::aboutText()
{
    const QString title = QStringLiteral("LE TOLVANE VIRAIL         V1.1");
    const QString author = QStringLiteral("      DE KORVATH");
    // A bare carriage return, no line feed: the label breaks the line there.
    return title + QChar(u'\r') + author;
}

std::vector<Screen::Handler> AboutBox::handlers()
{
    return {
        {QStringLiteral("Form_Load"), [this] { Form_Load(); }},
    };
}

void AboutBox::Form_Load() { label("aproposlbl").setCaption(aboutText()); }

} // namespace tolvane
