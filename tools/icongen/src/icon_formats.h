#pragma once

// The Windows icon formats: one image as a device-independent bitmap with
// its transparency mask, the .ico file that holds several of them, and the
// icon group directory that a program's resources carry beside them.

#include "drawing.h"

#include <array>
#include <cstdint>
#include <vector>

namespace icongen {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    std::uint8_t r, g, b;
};

// The standard sixteen colours of Windows, in their usual order.
inline constexpr std::array<Rgb, 16> kStandardColours{{
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
}};

// One image of the icon, ready to be stored.
struct IconImage {
    int size = 0;      // width and height in pixels
    int bitCount = 0;  // 1 or 4 bits per pixel
    Bytes dib;         // header, palette, colour rows, mask rows
};

// The palette index, in the sixteen-colour palette, of an ink; -1 for Clear.
int colourIndex(Ink ink);

// The colour of an ink in the sixteen-colour image, as red, green, blue.
Rgb colourOf(Ink ink);

// The two-colour rendering of a drawing (0 black, 1 white), -1 for Clear.
int monoIndex(const Drawing &d, int x, int y);

// Encodes a drawing as a DIB of 1 or 4 bits per pixel with its mask.
IconImage encodeImage(const Drawing &d, int bitCount);

// The .ico file holding the images in the order given.
Bytes encodeIcoFile(const std::vector<IconImage> &images);

// The icon group resource for the images, which are stored as icon
// resources numbered firstId, firstId + 1, ... in the order given.
Bytes encodeIconGroup(const std::vector<IconImage> &images, std::uint16_t firstId);

} // namespace icongen
