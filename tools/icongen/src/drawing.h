#pragma once

// The icon's drawing: a blank window seen at a slant, with its title band,
// a grey band under it and a shadow, on a transparent square.

#include <cstdint>
#include <vector>

namespace icongen {

// What one pixel of the drawing shows, before it is put into a palette.
enum class Ink : std::uint8_t {
    Clear,     // nothing: the desktop shows through
    Outline,   // the window's black frame
    Title,     // the cyan title band
    Band,      // the light grey band under the title
    Body,      // the white inside of the window
    Shadow,    // the dark grey shadow at the lower right
};

struct Drawing {
    int size = 0;              // width and height in pixels
    std::vector<Ink> pixels;   // row by row, top row first

    Ink at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(size) + std::size_t(x)]; }
};

// Draws the window on a square of 16 or 32 pixels.
Drawing drawIcon(int size);

} // namespace icongen
