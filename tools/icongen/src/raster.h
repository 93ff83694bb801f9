#pragma once

// The drawing as 8-bit RGBA pixels, row by row, ready for a PNG.

#include "drawing.h"

#include <cstdint>
#include <vector>

namespace icongen {

using Rgba = std::vector<std::uint8_t>;

// One ink a pixel, in the sixteen colours; Clear is transparent.
Rgba rgbaOf(const Drawing &d);

// The drawing smooth at `size` pixels, eight by eight samples a pixel.
Rgba smoothRgba(int size);

// Each pixel the mix of its samples' colours, as opaque as the share of its
// samples that are not Clear.
Rgba rgbaOf(const Sampled &s);

// The icon for a phone's home screen, which cuts it to a circle, a rounded
// square or a drop: the whole square filled with the desktop's teal, the
// drawing small enough to keep within the circle of 80 % of the square
// around its middle, which every such shape keeps.
Rgba maskableRgba(int size);

} // namespace icongen
