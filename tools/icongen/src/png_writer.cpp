#include "png_writer.h"

#include "deflate.h"

#include <algorithm>
#include <array>
#include <cstdlib>
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

int paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// A row filtered by one of PNG's filters (1 Sub, 2 Up, 4 Paeth; 0 leaves it),
// given the row above (zeros above the first row).
Bytes filterRow(int filter, const std::uint8_t *row, const std::uint8_t *above, std::size_t stride)
{
    Bytes out(stride + 1);
    out[0] = std::uint8_t(filter);
    for (std::size_t i = 0; i < stride; ++i) {
        const int left = i >= 4 ? row[i - 4] : 0;
        const int up = above[i];
        const int upLeft = i >= 4 ? above[i - 4] : 0;
        int predicted = 0;
        switch (filter) {
        case 1: predicted = left; break;
        case 2: predicted = up; break;
        case 4: predicted = paeth(left, up, upLeft); break;
        }
        out[i + 1] = std::uint8_t(row[i] - predicted);
    }
    return out;
}

// The usual choice of filter: the one whose bytes, read as signed, sum smallest.
Bytes bestFilteredRow(const std::uint8_t *row, const std::uint8_t *above, std::size_t stride)
{
    Bytes best;
    long bestCost = 0;
    for (int filter : {0, 1, 2, 4}) {
        Bytes candidate = filterRow(filter, row, above, stride);
        long cost = 0;
        for (std::size_t i = 1; i < candidate.size(); ++i)
            cost += std::abs(int(std::int8_t(candidate[i])));
        if (best.empty() || cost < bestCost) {
            best = std::move(candidate);
            bestCost = cost;
        }
    }
    return best;
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
    header.push_back(0); // adaptive filtering
    header.push_back(0); // not interlaced
    putChunk(out, "IHDR", header);

    Bytes raw;
    const std::size_t stride = std::size_t(width) * 4;
    const Bytes zeros(stride, 0);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t *row = rgba.data() + std::size_t(y) * stride;
        const std::uint8_t *above = y == 0 ? zeros.data() : row - stride;
        const Bytes filtered = bestFilteredRow(row, above, stride);
        raw.insert(raw.end(), filtered.begin(), filtered.end());
    }
    putChunk(out, "IDAT", zlibCompress(raw));
    putChunk(out, "IEND", {});
    return out;
}

} // namespace icongen
