#pragma once

// A small deflate compressor: matches found through hash chains, coded with
// deflate's fixed Huffman codes in one block. Plain icons of a few flat
// colours shrink to a few per cent of their pixels; the bytes depend on
// nothing but the input.

#include <cstdint>
#include <vector>

namespace icongen {

// The zlib stream (header, deflate data, Adler-32) of `raw`.
std::vector<std::uint8_t> zlibCompress(const std::vector<std::uint8_t> &raw);

} // namespace icongen
