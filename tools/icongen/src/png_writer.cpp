#include "png_writer.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>

namespace icongen {

namespace {

using Bytes = std::vector<std::uint8_t>;

std::array<std::uint32_t, 256> makeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

std::uint32_t crc32(const std::uint8_t *data, std::size_t length)
{
    static const std::array<std::uint32_t, 256> table = makeCrcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < length; ++i)
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(const Bytes &data)
{
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void put32be(Bytes &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t((value >> shift) & 0xFF));
}

void putChunk(Bytes &out, std::string_view type, const Bytes &data)
{
    put32be(out, std::uint32_t(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    put32be(out, crc32(out.data() + typeAt, out.size() - typeAt));
}

// A zlib stream of stored (uncompressed) deflate blocks.
Bytes zlibStored(const Bytes &raw)
{
    Bytes out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t length = std::min<std::size_t>(raw.size() - at, 0xFFFF);
        const bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(std::uint8_t(length & 0xFF));
        out.push_back(std::uint8_t(length >> 8));
        out.push_back(std::uint8_t(~length & 0xFF));
        out.push_back(std::uint8_t((~length >> 8) & 0xFF));
        out.insert(out.end(), raw.begin() + std::ptrdiff_t(at), raw.begin() + std::ptrdiff_t(at + length));
        at += length;
    } while (at < raw.size());
    put32be(out, adler32(raw));
    return out;
}

} // namespace

std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t> &rgba)
{
    if (width <= 0 || height <= 0 || rgba.size() != std::size_t(width) * std::size_t(height) * 4)
        throw std::invalid_argument("icongen: pixel data does not match the PNG size");

    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    Bytes header;
    put32be(header, std::uint32_t(width));
    put32be(header, std::uint32_t(height));
    header.push_back(8); // bits per sample
    header.push_back(6); // colour type: RGB with alpha
    header.push_back(0); // deflate
    header.push_back(0); // adaptive filtering (every row uses filter 0)
    header.push_back(0); // not interlaced
    putChunk(out, "IHDR", header);

    Bytes raw;
    const std::size_t stride = std::size_t(width) * 4;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // filter: none
        const auto row = rgba.begin() + std::ptrdiff_t(std::size_t(y) * stride);
        raw.insert(raw.end(), row, row + std::ptrdiff_t(stride));
    }
    putChunk(out, "IDAT", zlibStored(raw));
    putChunk(out, "IEND", {});
    return out;
}

} // namespace icongen
