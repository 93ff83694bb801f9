// The About box frmapropos: one bold label on a navy window. The load handler
// writes the label's text. This is the one window no code moves, so its
// design position is where it opens.

#include "resources/layouts/layouts.h"

namespace tolvane::layouts {
namespace {

// Default text colour, drawn straight onto the navy background.
constexpr ControlLayout aboutControls[] = {
    {.kind = ControlKind::Label,
     .name = "aproposlbl",
     .left = 480,
     .top = 360,
     .width = 3255,
     .height = 1695,
     .font = {.face = sansFace, .points = 13.5, .weight = 700},
     .tabIndex = 0},
};

} // namespace

constexpr ScreenLayout frmapropos{
    .id = ScreenId::frmapropos,
    .name = "frmapropos",
    .caption = "A propos de...",
    .clientLeft = 2700,
    .clientTop = 4530,
    .clientWidth = 3690,
    .clientHeight = 1890,
    .backColour = rgb(0x000080),
    .controls = aboutControls,
};

} // namespace tolvane::layouts
