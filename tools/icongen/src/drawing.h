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

// Draws the window on a square of 16, 24 or 32 pixels, one ink a pixel, with
// frame and bands of whole pixels: the crisp small icons.
Drawing drawIcon(int size);

// The drawing on a square of `size` pixels, each pixel the mix of
// samples x samples points of it: frame and bands keep their share of the
// square at any size, and the slanted edges are smooth.
struct Sampled {
    int size = 0;
    int samples = 0;                  // per pixel, across and down
    std::vector<std::uint16_t> count; // per pixel and ink: size * size * kInks, how many samples show it
};
inline constexpr int kInks = 6;
Sampled sampleIcon(int size, int samples);

// The outlines of the drawing in the coordinates of its 32-pixel design
// square, for a vector rendering: each region a four-sided polygon, drawn in
// this order, each over the ones before.
struct Region {
    Ink ink;
    double corners[4][2];
};
std::vector<Region> iconRegions();

} // namespace icongen
