#pragma once

// A minimal PNG encoder: 8-bit RGBA, each row filtered by the usual choice
// of filter, compressed by our own deflate: the bytes depend on nothing but
// the pixels.

#include <cstdint>
#include <vector>

namespace icongen {

// rgba: width * height * 4 bytes, row by row, top row first.
std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t> &rgba);

} // namespace icongen
