// The closing screen tolvane17.
//
// A logo in each corner, the farewell portrait in the middle and the backdrop
// behind, 96 px above the client area. The three taunts start hidden and the
// timers bring them in; a click on the portrait shows the splat, which covers
// the whole client area (from -600 to 1667 px across, -136 to 1281 px down)
// but stays behind the labels and the four logos.

#include "resources/layouts/layouts.h"

namespace tolvane::layouts {
namespace {

constexpr ControlLayout closingControls[] = {
    {.kind = ControlKind::Timer, .name = "Timer2", .interval = 3500},
    {.kind = ControlKind::Timer, .name = "Timer1", .interval = 2000},
    // Bottom right.
    {.kind = ControlKind::PictureBox,
     .name = "Picture4",
     .left = 6960,
     .top = 5280,
     .width = 1455,
     .height = 1815,
     .tabIndex = 3,
     .picture = PictureId::logo},
    // Bottom left.
    {.kind = ControlKind::PictureBox,
     .name = "Picture3",
     .left = 360,
     .top = 5280,
     .width = 1455,
     .height = 1815,
     .tabIndex = 2,
     .picture = PictureId::logo},
    // Top right.
    {.kind = ControlKind::PictureBox,
     .name = "Picture2",
     .left = 6960,
     .top = 480,
     .width = 1455,
     .height = 1815,
     .tabIndex = 1,
     .picture = PictureId::logo},
    // Top left; the focus starts here.
    {.kind = ControlKind::PictureBox,
     .name = "Picture1",
     .left = 360,
     .top = 480,
     .width = 1455,
     .height = 1815,
     .tabIndex = 0,
     .picture = PictureId::logo},
    {.kind = ControlKind::Label,
     .name = "Label3",
     .left = 480,
     .top = 3240,
     .width = 8295,
     .height = 1095,
     .caption = "OUAIS LA GROSSE EST MORTE ! HOURRA !!!",
     .font = {.face = sansFace, .points = 18.0},
     .foreColour = rgb(0x00FF00),
     .visible = false,
     .tabIndex = 6},
    {.kind = ControlKind::Label,
     .name = "Label2",
     .left = 1920,
     .top = 6480,
     .width = 5175,
     .height = 615,
     .caption = "OH ! CLIQUE LUI LA GUEULE !",
     .font = {.face = sansFace, .points = 18.0},
     .foreColour = rgb(0xFFFF00),
     .visible = false,
     .tabIndex = 5},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .left = 3000,
     .top = 5280,
     .width = 3015,
     .height = 615,
     .caption = "CONNARD !",
     .font = {.face = sansFace, .points = 24.0},
     .foreColour = activeBorder,
     .visible = false,
     .tabIndex = 4},
    {.kind = ControlKind::Image,
     .name = "Image3",
     .left = -9000,
     .top = -2040,
     .width = 34005,
     .height = 21255,
     .visible = false,
     .picture = PictureId::splat},
    // 150 x 217 px drawn at 166 x 233 px.
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = 3120,
     .top = 2040,
     .width = 2490,
     .height = 3495,
     .picture = PictureId::hostfarewell,
     .stretch = true},
    {.kind = ControlKind::Image,
     .name = "Image2",
     .left = 0,
     .top = -1440,
     .width = 24000,
     .height = 13500,
     .picture = PictureId::backdrop},
};

} // namespace

constexpr ScreenLayout tolvane17{
    .id = ScreenId::tolvane17,
    .name = "tolvane17",
    .caption = gameCaption,
    .clientLeft = 1290,
    .clientTop = 1650,
    .clientWidth = 8790,
    .clientHeight = 7560,
    .menu = {.game = "jeu", .quit = "quitter", .about = "apropos"},
    .controls = closingControls,
};

} // namespace tolvane::layouts
