#pragma once

// The eighteen window layouts, one constant per window, named after the
// window. Outside the resources, go through layoutOf(ScreenId) instead.
//
// Every object is defined constexpr in its source file, so all of them are
// constant-initialised: layoutOf() may be called from anywhere, even during
// static initialisation.

#include "resources/screen_layout.h"

namespace tolvane::layouts {

// The caption of every window but the About box.
inline constexpr std::string_view gameCaption = "LE TOLVANE VIRAIL";

// title_layouts.cpp
extern const ScreenLayout TOLVANE1;

// first_question_layout.cpp
extern const ScreenLayout TOLVANE2;

// question_layouts.cpp
extern const ScreenLayout tolvane5;
extern const ScreenLayout tolvane8;
extern const ScreenLayout tolvane11;
extern const ScreenLayout TOLVANE14;

// verdict_layouts.cpp: after a right answer...
extern const ScreenLayout tolvane3;
extern const ScreenLayout tolvane6;
extern const ScreenLayout tolvane9;
extern const ScreenLayout TOLVANE12;
extern const ScreenLayout TOLVANE15;
// ...and after a wrong one.
extern const ScreenLayout tolvane4;
extern const ScreenLayout tolvane7;
extern const ScreenLayout tolvane10;
extern const ScreenLayout tolvane13;
extern const ScreenLayout tolvane16;

// closing_layout.cpp
extern const ScreenLayout tolvane17;

// about_layout.cpp
extern const ScreenLayout frmapropos;

} // namespace tolvane::layouts
