#include "runtime/accessibility.h"

#include "resources/accelerator.h"
#include "resources/control_rules.h"

#include <algorithm>
#include <climits>

namespace tolvane::runtime {

namespace {

// What every answer box of the game is for.
constexpr std::string_view answerBoxName = "Réponse";
constexpr std::string_view pressButton = "Appuyer";
constexpr std::string_view clickPicture = "Cliquer";

std::string described(PictureId id) { return id == PictureId::None ? std::string() : std::string(pictureInfo(id).description); }

} // namespace

AccessibleControl accessibleControl(const ScreenLayout &layout, ControlIndex control, std::string_view caption)
{
    const ControlLayout &c = layout.controls[control];
    AccessibleControl read;
    switch (c.kind) {
    case ControlKind::Label:
        read.role = AccessibleRole::StaticText;
        read.name = shownCaption(caption).text;
        break;
    case ControlKind::CommandButton:
        read.role = AccessibleRole::Button;
        read.name = shownCaption(caption).text;
        if (const char letter = acceleratorOf(caption))
            read.shortcut = std::string("Alt+") + letter;
        read.defaultAction = std::string(pressButton);
        break;
    case ControlKind::TextBox:
        read.role = AccessibleRole::Field;
        read.name = std::string(answerBoxName);
        break;
    case ControlKind::PictureBox:
        read.role = AccessibleRole::Graphic;
        read.name = described(c.picture);
        break;
    case ControlKind::Image:
        read.role = AccessibleRole::Graphic;
        read.name = described(c.picture);
        read.defaultAction = std::string(clickPicture);
        break;
    case ControlKind::Timer:
        break;
    }
    return read;
}

std::vector<ControlIndex> readingOrder(const ScreenLayout &layout, const WindowInput &input)
{
    std::vector<ControlIndex> read;
    for (ControlIndex c = 0; c < layout.controls.size(); ++c) {
        if (layout.controls[c].kind != ControlKind::Timer && input.shownInItsBoxes(c))
            read.push_back(c);
    }
    std::stable_sort(read.begin(), read.end(), [&](ControlIndex a, ControlIndex b) {
        const int ka = layout.controls[a].tabIndex < 0 ? INT_MAX : layout.controls[a].tabIndex;
        const int kb = layout.controls[b].tabIndex < 0 ? INT_MAX : layout.controls[b].tabIndex;
        return ka < kb;
    });
    return read;
}

} // namespace tolvane::runtime
