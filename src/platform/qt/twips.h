#pragma once

// The one conversion between the game's twips and Qt's logical pixels. Qt maps
// logical pixels to device pixels itself, so a high-density display scales the
// whole game evenly.

#include "resources/screen_layout.h"

#include <QRect>
#include <cmath>

namespace tolvane::qt {

inline int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

inline float pixelsToTwips(int pixels) { return static_cast<float>(pixels * twipsPerPixel); }

inline QRect twipsToPixels(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace tolvane::qt
