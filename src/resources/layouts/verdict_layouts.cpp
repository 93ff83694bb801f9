// The ten verdict screens, one after each answer: the portrait hostcorrect
// after a right one, hostwrong after a wrong one.
//
// Each has the same three controls: the button that moves on (TabIndex 1, so
// it has the focus at once), the cyan verdict label (TabIndex 0) and, at the
// back, the portrait stretched over the client area. The leading spaces of a
// verdict push its text towards the middle of the label and are drawn; they
// are part of the caption, so keep them exactly. The wrong-answer portraits
// start left of the window and run past its right edge, cutting off the
// picture's white side bands.

#include "resources/layouts/layouts.h"

namespace tolvane::layouts {
namespace {

constexpr FontSpec verdictFont{.face = sansFace, .points = 18.0};
constexpr Colour cyan = rgb(0x00FFFF);
constexpr std::string_view nextCaption = "&Suite";
constexpr std::string_view lastCaption = "&Fin";

// tolvane3, question 1 right.
constexpr ControlLayout verdict1RightControls[] = {
    // The back colour is stored but a plain push button doesn't paint it.
    {.kind = ControlKind::CommandButton,
     .name = "suite",
     .left = 1800,
     .top = 4560,
     .width = 1095,
     .height = 375,
     .caption = nextCaption,
     .backColour = activeBorder,
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .name = "CORRECT",
     .left = 600,
     .top = 3720,
     .width = 2895,
     .height = 495,
     .caption = "        CORRECT !",
     .font = verdictFont,
     .foreColour = cyan,
     .tabIndex = 0},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = -120,
     .top = 0,
     .width = 4575,
     .height = 5415,
     .picture = PictureId::hostcorrect,
     .stretch = true},
};

// tolvane4, question 1 wrong.
constexpr ControlLayout verdict1WrongControls[] = {
    {.kind = ControlKind::CommandButton,
     .name = "suite4",
     .left = 960,
     .top = 4680,
     .width = 1095,
     .height = 375,
     .caption = nextCaption,
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .left = 480,
     .top = 3720,
     .width = 3255,
     .height = 855,
     .caption = "      FAUX : MARZELLE !",
     .font = verdictFont,
     .foreColour = cyan,
     .tabIndex = 0},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = -480,
     .top = 0,
     .width = 4050,
     .height = 5265,
     .picture = PictureId::hostwrong,
     .stretch = true},
};

// tolvane6, question 2 right.
constexpr ControlLayout verdict2RightControls[] = {
    {.kind = ControlKind::CommandButton,
     .name = "suite",
     .left = 1680,
     .top = 4560,
     .width = 1095,
     .height = 375,
     .caption = nextCaption,
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .left = 960,
     .top = 3720,
     .width = 2775,
     .height = 495,
     .caption = "    CORRECT !",
     .font = verdictFont,
     .foreColour = cyan,
     .tabIndex = 0},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = 0,
     .top = 0,
     .width = 4410,
     .height = 5415,
     .picture = PictureId::hostcorrect,
     .stretch = true},
};

// tolvane7, question 2 wrong. The button's name is in capitals here.
constexpr ControlLayout verdict2WrongControls[] = {
    {.kind = ControlKind::CommandButton,
     .name = "SUITE",
     .left = 840,
     .top = 4680,
     .width = 1215,
     .height = 375,
     .caption = nextCaption,
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .left = 120,
     .top = 3840,
     .width = 3375,
     .height = 855,
     .caption = "   FAUX: LUNDI !",
     .font = verdictFont,
     .foreColour = cyan,
     .tabIndex = 0},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = -600,
     .top = 0,
     .width = 4170,
     .height = 5280,
     .picture = PictureId::hostwrong,
     .stretch = true},
};

// tolvane9, question 3 right. The portrait runs 2 px past the right edge.
constexpr ControlLayout verdict3RightControls[] = {
    {.kind = ControlKind::CommandButton,
     .name = "suite",
     .left = 1680,
     .top = 4560,
     .width = 1095,
     .height = 375,
     .caption = nextCaption,
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .name = "CORRECT",
     .left = 840,
     .top = 3720,
     .width = 2775,
     .height = 495,
     .caption = "     CORRECT !",
     .font = verdictFont,
     .foreColour = cyan,
     .tabIndex = 0},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = 0,
     .top = 0,
     .width = 4410,
     .height = 5415,
     .picture = PictureId::hostcorrect,
     .stretch = true},
};

// tolvane10, question 3 wrong. The verdict wraps over several lines.
constexpr ControlLayout verdict3WrongControls[] = {
    {.kind = ControlKind::CommandButton,
     .name = "SUITE",
     .left = 960,
     .top = 4680,
     .width = 1095,
     .height = 375,
     .caption = nextCaption,
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .left = 600,
     .top = 3240,
     .width = 2535,
     .height = 1215,
     .caption = "     FAUX: MARZELLE VASTRELLI",
     .font = verdictFont,
     .foreColour = cyan,
     .tabIndex = 0},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = -600,
     .top = 0,
     .width = 4125,
     .height = 5280,
     .picture = PictureId::hostwrong,
     .stretch = true},
};

// TOLVANE12, question 4 right. The portrait runs 2 px past the right edge.
constexpr ControlLayout verdict4RightControls[] = {
    {.kind = ControlKind::CommandButton,
     .name = "suite",
     .left = 1680,
     .top = 4680,
     .width = 1215,
     .height = 375,
     .caption = nextCaption,
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .name = "correct",
     .left = 720,
     .top = 3960,
     .width = 3015,
     .height = 735,
     .caption = "      CORRECT !",
     .font = verdictFont,
     .foreColour = cyan,
     .tabIndex = 0},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = 0,
     .top = 0,
     .width = 4410,
     .height = 5415,
     .picture = PictureId::hostcorrect,
     .stretch = true},
};

// tolvane13, question 4 wrong.
constexpr ControlLayout verdict4WrongControls[] = {
    {.kind = ControlKind::CommandButton,
     .name = "suite",
     .left = 960,
     .top = 4560,
     .width = 1215,
     .height = 375,
     .caption = nextCaption,
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .left = 120,
     .top = 3720,
     .width = 2535,
     .height = 615,
     .caption = "  FAUX: VERT",
     .font = verdictFont,
     .foreColour = cyan,
     .tabIndex = 0},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = -480,
     .top = 0,
     .width = 3975,
     .height = 5295,
     .picture = PictureId::hostwrong,
     .stretch = true},
};

// TOLVANE15, question 5 right. The portrait stops 2 px short of the right
// edge, leaving a strip of the window's own background.
constexpr ControlLayout verdict5RightControls[] = {
    {.kind = ControlKind::CommandButton,
     .name = "fin",
     .left = 1680,
     .top = 4560,
     .width = 1095,
     .height = 375,
     .caption = lastCaption,
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .left = 840,
     .top = 3720,
     .width = 3015,
     .height = 495,
     .caption = " P'TIT CON VAS !!!",
     .font = verdictFont,
     .foreColour = cyan,
     .tabIndex = 0},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = 0,
     .top = 0,
     .width = 4335,
     .height = 5415,
     .picture = PictureId::hostcorrect,
     .stretch = true},
};

// tolvane16, question 5 wrong.
constexpr ControlLayout verdict5WrongControls[] = {
    {.kind = ControlKind::CommandButton,
     .name = "fin",
     .left = 960,
     .top = 4680,
     .width = 1095,
     .height = 375,
     .caption = lastCaption,
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .left = 840,
     .top = 3600,
     .width = 1695,
     .height = 1095,
     .caption = "MERCI !",
     .font = verdictFont,
     .foreColour = cyan,
     .tabIndex = 0},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .left = -720,
     .top = 0,
     .width = 4215,
     .height = 5295,
     .picture = PictureId::hostwrong,
     .stretch = true},
};

} // namespace

// The one verdict screen with a background picture of its own, entirely
// hidden behind its stretched portrait.
constexpr ScreenLayout tolvane3{
    .id = ScreenId::tolvane3,
    .name = "tolvane3",
    .caption = gameCaption,
    .clientLeft = 6480,
    .clientTop = 1440,
    .clientWidth = 4410,
    .clientHeight = 5415,
    .backgroundPicture = PictureId::hostcorrect,
    .controls = verdict1RightControls,
};

constexpr ScreenLayout tolvane4{
    .id = ScreenId::tolvane4,
    .name = "tolvane4",
    .caption = gameCaption,
    .clientLeft = 2205,
    .clientTop = 1740,
    .clientWidth = 3135,
    .clientHeight = 5250,
    .controls = verdict1WrongControls,
};

constexpr ScreenLayout tolvane6{
    .id = ScreenId::tolvane6,
    .name = "tolvane6",
    .caption = gameCaption,
    .clientLeft = 1410,
    .clientTop = 2400,
    .clientWidth = 4410,
    .clientHeight = 5415,
    .controls = verdict2RightControls,
};

constexpr ScreenLayout tolvane7{
    .id = ScreenId::tolvane7,
    .name = "tolvane7",
    .caption = gameCaption,
    .clientLeft = 1845,
    .clientTop = 1650,
    .clientWidth = 3120,
    .clientHeight = 5265,
    .controls = verdict2WrongControls,
};

constexpr ScreenLayout tolvane9{
    .id = ScreenId::tolvane9,
    .name = "tolvane9",
    .caption = gameCaption,
    .clientLeft = 2070,
    .clientTop = 2445,
    .clientWidth = 4380,
    .clientHeight = 5400,
    .controls = verdict3RightControls,
};

constexpr ScreenLayout tolvane10{
    .id = ScreenId::tolvane10,
    .name = "tolvane10",
    .caption = gameCaption,
    .clientLeft = 2745,
    .clientTop = 2160,
    .clientWidth = 3075,
    .clientHeight = 5265,
    .controls = verdict3WrongControls,
};

constexpr ScreenLayout TOLVANE12{
    .id = ScreenId::TOLVANE12,
    .name = "TOLVANE12",
    .caption = gameCaption,
    .clientLeft = 3195,
    .clientTop = 1665,
    .clientWidth = 4380,
    .clientHeight = 5415,
    .controls = verdict4RightControls,
};

constexpr ScreenLayout tolvane13{
    .id = ScreenId::tolvane13,
    .name = "tolvane13",
    .caption = gameCaption,
    .clientLeft = 3810,
    .clientTop = 1695,
    .clientWidth = 3075,
    .clientHeight = 5265,
    .controls = verdict4WrongControls,
};

constexpr ScreenLayout TOLVANE15{
    .id = ScreenId::TOLVANE15,
    .name = "TOLVANE15",
    .caption = gameCaption,
    .clientLeft = 6660,
    .clientTop = 2520,
    .clientWidth = 4365,
    .clientHeight = 5415,
    .controls = verdict5RightControls,
};

constexpr ScreenLayout tolvane16{
    .id = ScreenId::tolvane16,
    .name = "tolvane16",
    .caption = gameCaption,
    .clientLeft = 5925,
    .clientTop = 2160,
    .clientWidth = 3060,
    .clientHeight = 5265,
    .controls = verdict5WrongControls,
};

} // namespace tolvane::layouts
