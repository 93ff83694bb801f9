#include "raster.h"

#include "icon_formats.h"

namespace icongen {

namespace {

constexpr int kSamples = 8;

// The desktop's teal of the sixteen colours, behind the maskable icon.
constexpr Rgb kMaskableBackground = kStandardColours[6];

void put(Rgba &out, Rgb c, std::uint8_t alpha) { out.insert(out.end(), {c.r, c.g, c.b, alpha}); }

// Every ink's colour weighed by its samples, rounded; black where none shows.
Rgb mixOf(const std::uint16_t *counts, unsigned shown)
{
    unsigned r = 0, g = 0, b = 0;
    for (int ink = 1; ink < kInks; ++ink) {
        const Rgb c = colourOf(Ink(ink));
        r += counts[ink] * c.r;
        g += counts[ink] * c.g;
        b += counts[ink] * c.b;
    }
    if (shown == 0)
        return {0, 0, 0};
    return {std::uint8_t((r + shown / 2) / shown), std::uint8_t((g + shown / 2) / shown),
            std::uint8_t((b + shown / 2) / shown)};
}

std::uint8_t blend(unsigned over, unsigned under, unsigned alpha)
{
    return std::uint8_t((over * alpha + under * (255 - alpha) + 127) / 255);
}

} // namespace

Rgba rgbaOf(const Drawing &d)
{
    Rgba out;
    out.reserve(std::size_t(d.size) * std::size_t(d.size) * 4);
    for (int y = 0; y < d.size; ++y)
        for (int x = 0; x < d.size; ++x) {
            const Ink ink = d.at(x, y);
            put(out, colourOf(ink), ink == Ink::Clear ? 0 : 0xFF);
        }
    return out;
}

Rgba rgbaOf(const Sampled &s)
{
    const unsigned total = unsigned(s.samples * s.samples);
    Rgba out;
    out.reserve(std::size_t(s.size) * std::size_t(s.size) * 4);
    for (std::size_t pixel = 0; pixel < std::size_t(s.size) * std::size_t(s.size); ++pixel) {
        const std::uint16_t *counts = &s.count[pixel * kInks];
        const unsigned shown = total - counts[int(Ink::Clear)];
        put(out, mixOf(counts, shown), std::uint8_t((shown * 255 + total / 2) / total));
    }
    return out;
}

Rgba maskableRgba(int size)
{
    // The drawing reaches at most 15.82 design pixels from the middle of what
    // it covers, design point (17, 15); drawn on 3/4 of the square, it ends
    // at 93 % of the safe circle's radius.
    const int drawn = size * 3 / 4;
    const Rgba icon = rgbaOf(sampleIcon(drawn, kSamples));
    const int left = size / 2 - 17 * drawn / 32;
    const int top = size / 2 - 15 * drawn / 32;

    Rgba out;
    out.reserve(std::size_t(size) * std::size_t(size) * 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int ix = x - left, iy = y - top;
            if (ix < 0 || iy < 0 || ix >= drawn || iy >= drawn) {
                put(out, kMaskableBackground, 0xFF);
                continue;
            }
            const std::uint8_t *p = &icon[(std::size_t(iy) * std::size_t(drawn) + std::size_t(ix)) * 4];
            put(out,
                {blend(p[0], kMaskableBackground.r, p[3]), blend(p[1], kMaskableBackground.g, p[3]),
                 blend(p[2], kMaskableBackground.b, p[3])},
                0xFF);
        }
    return out;
}

Rgba smoothRgba(int size) { return rgbaOf(sampleIcon(size, kSamples)); }

} // namespace icongen
