#pragma once

// How the layouts' fonts and colours are written for the page.

#include "resources/screen_layout.h"

#include <string>

namespace tolvane::web {

// A CSS font: weight, size in points and the face the page carries for the
// layout's face (Liberation Sans for MS Sans Serif, Lobster Two for Odessa LET).
std::string cssFont(const FontSpec &font);

// A CSS colour: the kind's default `fallback`, or the layout's colour, the
// desktop's system colours being the browser's own.
std::string cssColour(const Colour &colour, const char *fallback);

} // namespace tolvane::web
