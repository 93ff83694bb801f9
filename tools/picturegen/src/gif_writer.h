#pragma once

#include <QByteArray>
#include <QRgb>

#include <cstdint>
#include <optional>
#include <vector>

namespace picturegen {

// A picture made of palette indices, one byte per pixel, row by row.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;    // 2, 4, ... 256 entries
    std::vector<std::uint8_t> pixels;
};

// Writes a single-image GIF89a: global colour table, one graphic control
// extension (carrying the transparent index when there is one), one
// non-interlaced image, LZW compressed, and the trailer.
QByteArray encodeGif(const IndexedImage &image, std::optional<std::uint8_t> transparentIndex);

// The LZW code stream of GIF (variable code width, clear and end codes),
// without the sub-block framing. Exposed so the encoder can be checked
// against a decoder.
std::vector<std::uint8_t> lzwCompress(const std::vector<std::uint8_t> &indices, int minCodeSize);

} // namespace picturegen
