#pragma once

// The game's twips as Qt's logical pixels, by the core's one rounding. Qt maps
// logical pixels to device pixels itself, so a high-density display scales the
// whole game evenly.

#include "resources/control_rules.h"

#include <QRect>

namespace tolvane::qt {

inline QRect pixelRect(const TwipsRect &r)
{
    return {pixelsFromTwips(r.left), pixelsFromTwips(r.top), pixelsFromTwips(r.width), pixelsFromTwips(r.height)};
}

} // namespace tolvane::qt
