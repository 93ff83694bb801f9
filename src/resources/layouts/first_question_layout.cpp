// The first question screen TOLVANE2, which also greets the player by name.
//
// The backdrop sits 96 px above the client area, so the window shows its band
// from row 96 down. The empty question2 lies over question1 but, being
// transparent, hides none of its text.

#include "resources/layouts/layouts.h"

namespace tolvane::layouts {
namespace {

constexpr FontSpec questionFont{.face = sansFace, .points = 13.5};
constexpr FontSpec greetingFont{.face = sansFace, .points = 12.0};
constexpr Colour magenta = rgb(0xFF00FF);

constexpr ControlLayout firstQuestionControls[] = {
    // No accent on this screen's button, unlike the later ones.
    {.kind = ControlKind::CommandButton,
     .name = "reponse",
     .left = 6000,
     .top = 5760,
     .width = 1095,
     .height = 375,
     .caption = "&Repondre",
     .tabIndex = 6},
    {.kind = ControlKind::TextBox,
     .name = "marzelletxt",
     .left = 3120,
     .top = 5760,
     .width = 2415,
     .height = 375,
     .font = greetingFont,
     .tabIndex = 5},
    {.kind = ControlKind::PictureBox,
     .name = "Picture2",
     .left = 360,
     .top = 5040,
     .width = 1455,
     .height = 1815,
     .tabIndex = 3,
     .picture = PictureId::logo},
    // Narrower than the portrait box elsewhere: the picture's right edge is cut.
    {.kind = ControlKind::PictureBox,
     .name = "Picture1",
     .left = 6120,
     .top = 360,
     .width = 1575,
     .height = 2415,
     .tabIndex = 0,
     .picture = PictureId::hostcard},
    {.kind = ControlKind::Label,
     .name = "question2",
     .left = 360,
     .top = 2040,
     .width = 3855,
     .height = 1935,
     .font = questionFont,
     .foreColour = magenta,
     .tabIndex = 7},
    {.kind = ControlKind::Label,
     .name = "QUSTION1",
     .left = 480,
     .top = 2160,
     .width = 3495,
     .height = 1575,
     .font = questionFont,
     .foreColour = magenta,
     .visible = false,
     .tabIndex = 4},
    {.kind = ControlKind::Label,
     .name = "nom",
     .left = 600,
     .top = 1320,
     .width = 3255,
     .height = 495,
     .font = greetingFont,
     .foreColour = magenta,
     .tabIndex = 2},
    {.kind = ControlKind::Label,
     .name = "question1",
     .left = 600,
     .top = 2040,
     .width = 4095,
     .height = 1575,
     .font = greetingFont,
     .foreColour = magenta,
     .tabIndex = 1},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = 0,
     .top = -1440,
     .width = 24000,
     .height = 13500,
     .picture = PictureId::backdrop},
};

} // namespace

constexpr ScreenLayout TOLVANE2{
    .id = ScreenId::TOLVANE2,
    .name = "TOLVANE2",
    .caption = gameCaption,
    .clientLeft = 1620,
    .clientTop = 1755,
    .clientWidth = 8145,
    .clientHeight = 7440,
    .menu = {.game = "jeu", .quit = "exit", .about = "aproposde"},
    .controls = firstQuestionControls,
};

} // namespace tolvane::layouts
