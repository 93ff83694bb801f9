#pragma once

#include "resources/screen_layout.h"

#include <QColor>
#include <QPalette>

namespace tolvane::qt {

// The layout colour, or `fallback` where the layout gives none. System
// colours come from the desktop's palette.
QColor resolveColour(const Colour &colour, const QColor &fallback, const QPalette &palette);

} // namespace tolvane::qt
