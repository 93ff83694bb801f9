#include "gif_writer.h"

#include <algorithm>
#include <stdexcept>

namespace picturegen {

namespace {

class BitWriter {
public:
    void put(unsigned code, int width)
    {
        m_accumulator |= std::uint32_t(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.push_back(std::uint8_t(m_accumulator & 0xFF));
            m_accumulator >>= 8;
            m_bits -= 8;
        }
    }
    std::vector<std::uint8_t> finish()
    {
        if (m_bits > 0)
            m_bytes.push_back(std::uint8_t(m_accumulator & 0xFF));
        m_bits = 0;
        m_accumulator = 0;
        return std::move(m_bytes);
    }

private:
    std::vector<std::uint8_t> m_bytes;
    std::uint32_t m_accumulator = 0;
    int m_bits = 0;
};

void putWord(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

int tableBits(std::size_t entries)
{
    int bits = 1;
    while ((std::size_t(1) << bits) < entries)
        ++bits;
    return bits;
}

} // namespace

std::vector<std::uint8_t> lzwCompress(const std::vector<std::uint8_t> &indices, int minCodeSize)
{
    constexpr int maxCodes = 4096;
    const unsigned clearCode = 1u << minCodeSize;
    const unsigned endCode = clearCode + 1;

    // child[code * 256 + symbol] = code of the string "code + symbol", 0 if absent.
    std::vector<std::uint16_t> child(std::size_t(maxCodes) * 256, 0);
    auto reset = [&] { std::fill(child.begin(), child.end(), std::uint16_t(0)); };

    BitWriter bits;
    int width = minCodeSize + 1;
    unsigned lastAssigned = endCode; // codes above this are free
    bits.put(clearCode, width);

    if (indices.empty()) {
        bits.put(endCode, width);
        return bits.finish();
    }

    unsigned current = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const unsigned symbol = indices[i];
        const std::uint16_t next = child[std::size_t(current) * 256 + symbol];
        if (next != 0) {
            current = next;
            continue;
        }
        bits.put(current, width);
        child[std::size_t(current) * 256 + symbol] = std::uint16_t(++lastAssigned);
        if (lastAssigned >= (1u << width) && width < 12)
            ++width;
        if (lastAssigned == maxCodes - 1) {
            bits.put(clearCode, width);
            reset();
            width = minCodeSize + 1;
            lastAssigned = endCode;
        }
        current = symbol;
    }
    bits.put(current, width);
    bits.put(endCode, width);
    return bits.finish();
}

QByteArray encodeGif(const IndexedImage &image, std::optional<std::uint8_t> transparentIndex)
{
    const std::size_t entries = image.palette.size();
    const int bits = tableBits(entries);
    if (entries < 2 || entries > 256 || (std::size_t(1) << bits) != entries)
        throw std::invalid_argument("GIF colour table must hold a power of two entries");
    if (image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
        throw std::invalid_argument("pixel count does not match the picture size");
    for (std::uint8_t index : image.pixels)
        if (index >= entries)
            throw std::invalid_argument("pixel refers past the colour table");

    QByteArray out;
    out.append("GIF89a", 6);

    // Logical screen: global table present, 8 bits per primary, table size.
    putWord(out, image.width);
    putWord(out, image.height);
    out.append(char(0x80 | (7 << 4) | (bits - 1)));
    out.append(char(0)); // background colour index
    out.append(char(0)); // no pixel aspect ratio
    for (QRgb colour : image.palette) {
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }

    // Graphic control extension: no disposal, no delay, optional transparency.
    out.append(char(0x21));
    out.append(char(0xF9));
    out.append(char(4));
    out.append(char(transparentIndex ? 0x01 : 0x00));
    putWord(out, 0);
    out.append(char(transparentIndex.value_or(0)));
    out.append(char(0));

    // Image descriptor: whole screen, no local table, not interlaced.
    out.append(char(0x2C));
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, image.width);
    putWord(out, image.height);
    out.append(char(0));

    const int minCodeSize = bits < 2 ? 2 : bits;
    out.append(char(minCodeSize));
    const std::vector<std::uint8_t> code = lzwCompress(image.pixels, minCodeSize);
    for (std::size_t at = 0; at < code.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, code.size() - at);
        out.append(char(length));
        out.append(reinterpret_cast<const char *>(code.data() + at), qsizetype(length));
    }
    out.append(char(0)); // end of image data
    out.append(char(0x3B));
    return out;
}

} // namespace picturegen
