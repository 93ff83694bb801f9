#pragma once

// A minimal PNG encoder: 8-bit RGBA, no filtering, the image data stored in
// uncompressed deflate blocks. Small icons lose nothing by it, and the bytes
// depend on nothing but the pixels.

#include <cstdint>
#include <vector>

namespace icongen {

// rgba: width * height * 4 bytes, row by row, top row first.
std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t> &rgba);

} // namespace icongen
