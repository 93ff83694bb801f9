#include "icon_formats.h"

#include <stdexcept>

namespace icongen {

namespace {

void put16(Bytes &out, unsigned value)
{
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t((value >> 8) & 0xFF));
}

void put32(Bytes &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t((value >> shift) & 0xFF));
}

// Rows of a DIB are padded to whole 32-bit words.
int rowBytes(int width, int bitCount) { return (width * bitCount + 31) / 32 * 4; }

// The colour count that the directories give for an image: the palette size.
unsigned paletteSize(int bitCount) { return 1u << bitCount; }

// One entry of the .ico directory or of the icon group, up to the last
// field, which differs: the file offset or the resource id.
void putEntryHead(Bytes &out, const IconImage &image)
{
    out.push_back(std::uint8_t(image.size)); // width (0 would mean 256)
    out.push_back(std::uint8_t(image.size)); // height
    out.push_back(std::uint8_t(paletteSize(image.bitCount)));
    out.push_back(0);                        // reserved
    put16(out, 1);                           // colour planes
    put16(out, unsigned(image.bitCount));
    put32(out, std::uint32_t(image.dib.size()));
}

void putDirectoryHead(Bytes &out, std::size_t count)
{
    put16(out, 0); // reserved
    put16(out, 1); // 1: icons, not cursors
    put16(out, unsigned(count));
}

} // namespace

int colourIndex(Ink ink)
{
    switch (ink) {
    case Ink::Clear: return -1;
    case Ink::Outline: return 0;  // black
    case Ink::Title: return 14;   // cyan
    case Ink::Band: return 7;     // light grey
    case Ink::Body: return 15;    // white
    case Ink::Shadow: return 8;   // dark grey
    }
    return -1;
}

Rgb colourOf(Ink ink)
{
    const int index = colourIndex(ink);
    return index < 0 ? Rgb{0, 0, 0} : kStandardColours[std::size_t(index)];
}

int monoIndex(const Drawing &d, int x, int y)
{
    switch (d.at(x, y)) {
    case Ink::Clear: return -1;
    case Ink::Outline:
    case Ink::Title:
    case Ink::Shadow: return 0;
    // The grey band as a fine checkerboard, so that it still reads as a band.
    case Ink::Band: return (x + y) % 2 == 0 ? 0 : 1;
    case Ink::Body: return 1;
    }
    return -1;
}

IconImage encodeImage(const Drawing &d, int bitCount)
{
    if (bitCount != 1 && bitCount != 4)
        throw std::invalid_argument("icongen: icon images have 1 or 4 bits per pixel");

    const int size = d.size;
    const int colourRow = rowBytes(size, bitCount);
    const int maskRow = rowBytes(size, 1);

    IconImage image;
    image.size = size;
    image.bitCount = bitCount;
    Bytes &out = image.dib;

    // BITMAPINFOHEADER: the height counts the colour rows and the mask rows.
    put32(out, 40);
    put32(out, std::uint32_t(size));
    put32(out, std::uint32_t(2 * size));
    put16(out, 1);                          // planes
    put16(out, unsigned(bitCount));
    put32(out, 0);                          // no compression
    put32(out, std::uint32_t((colourRow + maskRow) * size));
    put32(out, 0);                          // no resolution given
    put32(out, 0);
    put32(out, 0);                          // every palette entry is used
    put32(out, 0);                          // and every one matters

    // The palette, as blue, green, red, zero.
    if (bitCount == 1) {
        put32(out, 0x00000000);
        put32(out, 0x00FFFFFF);
    } else {
        for (const Rgb &c : kStandardColours) {
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
            out.push_back(0);
        }
    }

    // Both pixel arrays run from the bottom row up. A transparent pixel is
    // colour 0 with its mask bit set: the screen shows through unchanged.
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(std::size_t(colourRow), 0);
        for (int x = 0; x < size; ++x) {
            const int index = bitCount == 1 ? monoIndex(d, x, y) : colourIndex(d.at(x, y));
            if (index <= 0)
                continue;
            if (bitCount == 1)
                row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
            else
                row[std::size_t(x / 2)] |= std::uint8_t(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(std::size_t(maskRow), 0);
        for (int x = 0; x < size; ++x)
            if (d.at(x, y) == Ink::Clear)
                row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return image;
}

Bytes encodeIcoFile(const std::vector<IconImage> &images)
{
    Bytes out;
    putDirectoryHead(out, images.size());
    std::uint32_t offset = std::uint32_t(6 + 16 * images.size());
    for (const IconImage &image : images) {
        putEntryHead(out, image);
        put32(out, offset);
        offset += std::uint32_t(image.dib.size());
    }
    for (const IconImage &image : images)
        out.insert(out.end(), image.dib.begin(), image.dib.end());
    return out;
}

Bytes encodeIconGroup(const std::vector<IconImage> &images, std::uint16_t firstId)
{
    Bytes out;
    putDirectoryHead(out, images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        putEntryHead(out, images[i]);
        put16(out, unsigned(firstId + i));
    }
    return out;
}

} // namespace icongen
