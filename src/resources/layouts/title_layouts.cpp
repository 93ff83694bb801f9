// The title screen TOLVANE1.
//
// Picture1 covers the whole window and holds every other control, so their
// Left and Top are measured from Picture1's inner corner, which sits 1560
// twips above the client area. The window's own back colour and one-pixel
// background picture are never seen.

#include "resources/layouts/layouts.h"

namespace tolvane::layouts {
namespace {

constexpr ControlLayout titleControls[] = {
    {.kind = ControlKind::PictureBox,
     .name = "Picture1",
     .left = 0,
     .top = -1560,
     .width = 8535,
     .height = 8775,
     .tabIndex = 0,
     .picture = PictureId::backdrop},
    {.kind = ControlKind::PictureBox,
     .name = "Picture2",
     .container = "Picture1",
     .left = 360,
     .top = 6240,
     .width = 1455,
     .height = 1815,
     .tabIndex = 6,
     .picture = PictureId::logo},
    // Moves on to the first question after three seconds.
    {.kind = ControlKind::Timer, .name = "Timer1", .container = "Picture1", .interval = 3000},
    // Never shown, so Alt+J opens the game menu rather than clicking it.
    {.kind = ControlKind::CommandButton,
     .name = "jouer",
     .container = "Picture1",
     .left = 2520,
     .top = 7200,
     .width = 2295,
     .height = 495,
     .caption = "&Jouer",
     .visible = false,
     .tabIndex = 5},
    // Never shown either; the title line's timer only looks at it.
    {.kind = ControlKind::PictureBox,
     .name = "MARZELLEQUESTION",
     .container = "Picture1",
     .left = 5520,
     .top = 1920,
     .width = 1815,
     .height = 2415,
     .visible = false,
     .tabIndex = 3,
     .picture = PictureId::hostcard},
    // Brings in the title line after a second and a half.
    {.kind = ControlKind::Timer, .name = "tmrtimer", .container = "Picture1", .interval = 1500},
    {.kind = ControlKind::Label,
     .name = "tonnom",
     .container = "Picture1",
     .left = 1920,
     .top = 4680,
     .width = 3855,
     .height = 1575,
     .foreColour = rgb(0xFF00FF),
     .visible = false,
     .tabIndex = 4},
    {.kind = ControlKind::Label,
     .name = "introsuite",
     .container = "Picture1",
     .left = 2760,
     .top = 6480,
     .width = 4335,
     .height = 1695,
     .font = {.face = displayFace, .points = 21.75, .weight = 700},
     .foreColour = rgb(0x8080FF),
     .visible = false,
     .tabIndex = 2},
    // The back colour is stored but never painted: the label is transparent.
    {.kind = ControlKind::Label,
     .name = "intro",
     .container = "Picture1",
     .left = 4800,
     .top = 1800,
     .width = 2895,
     .height = 1095,
     .font = {.face = sansFace, .points = 12.0},
     .foreColour = rgb(0x00C0C0),
     .backColour = highlight,
     .visible = false,
     .tabIndex = 1},
};

} // namespace

constexpr ScreenLayout TOLVANE1{
    .id = ScreenId::TOLVANE1,
    .name = "TOLVANE1",
    .caption = gameCaption,
    .clientLeft = 1815,
    .clientTop = 1515,
    .clientWidth = 7965,
    .clientHeight = 6945,
    .backColour = rgb(0x8080FF),
    .backgroundPicture = PictureId::blankdot,
    .menu = {.game = "JEU", .quit = "quitter", .about = "apropos"},
    .controls = titleControls,
};

} // namespace tolvane::layouts
