#include "drawing.h"

#include <stdexcept>

namespace icongen {

namespace {

// Everything is laid out on a 32-pixel square and measured in half pixels,
// so that the centre of every pixel, at either size, falls on a whole number
// and every test below is exact integer arithmetic: the same pixels on any
// compiler and any machine.
constexpr std::int64_t kDesignHalves = 64;

struct Vec {
    std::int64_t x;
    std::int64_t y;
};

constexpr Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
constexpr std::int64_t cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
constexpr std::int64_t norm2(Vec a) { return a.x * a.x + a.y * a.y; }

// The window is a parallelogram: its top left corner, its top edge (rising
// to the right) and its left edge (leaning to the right as it goes down).
// Corners in pixels of the 32 square: (2,10), (26,2), (30,18), (6,26); the
// slopes of one in three and one in four keep the steps of the edges even.
constexpr Vec kCorner{4, 20};
constexpr Vec kTopEdge{48, -16};
constexpr Vec kLeftEdge{8, 32};
constexpr std::int64_t kArea = cross(kTopEdge, kLeftEdge); // positive: the orientation the tests assume

// The shadow is the window shifted right and down by two pixels of the 32 square.
constexpr Vec kShadowShift{4, 4};

// Widths of the frame and the bands, in pixels of the image being drawn:
// the small icon keeps a one-pixel frame and thinner bands.
struct Widths {
    std::int64_t outline;
    std::int64_t title;
    std::int64_t band;
};

Widths widthsFor(int size)
{
    if (size == 32)
        return {1, 4, 2};
    if (size == 16)
        return {1, 2, 1};
    throw std::invalid_argument("icongen: the icon is drawn at 16 or 32 pixels only");
}

// Where a point lies in the window: the two cross products that, divided by
// kArea, are its coordinates along the top edge and down the left edge.
struct Place {
    std::int64_t along; // 0 on the left edge, kArea on the right edge
    std::int64_t down;  // 0 on the top edge, kArea on the bottom edge

    bool inside() const { return along > 0 && along < kArea && down > 0 && down < kArea; }
};

Place placeOf(Vec p)
{
    const Vec r = p - kCorner;
    return {cross(r, kLeftEdge), cross(kTopEdge, r)};
}

// True when the distance c / |edge| is less than `halves` half pixels
// (c is never negative here).
bool nearer(std::int64_t c, Vec edge, std::int64_t halves)
{
    return c * c < halves * halves * norm2(edge);
}

} // namespace

Drawing drawIcon(int size)
{
    const Widths w = widthsFor(size);
    const std::int64_t scale = kDesignHalves / size; // half pixels of the design per pixel drawn

    Drawing d;
    d.size = size;
    d.pixels.assign(std::size_t(size) * std::size_t(size), Ink::Clear);

    // Distances measured from the top edge, in half pixels of the design.
    const std::int64_t outline = w.outline * scale;
    const std::int64_t titleEnd = (w.outline + w.title) * scale;
    const std::int64_t bandEnd = (w.outline + w.title + w.band) * scale;

    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Vec centre{(2 * x + 1) * scale / 2, (2 * y + 1) * scale / 2};
            const Place at = placeOf(centre);
            Ink ink = Ink::Clear;
            if (at.inside()) {
                const std::int64_t fromTop = at.down;
                if (nearer(at.along, kLeftEdge, outline) || nearer(kArea - at.along, kLeftEdge, outline)
                    || nearer(fromTop, kTopEdge, outline) || nearer(kArea - at.down, kTopEdge, outline))
                    ink = Ink::Outline;
                else if (nearer(fromTop, kTopEdge, titleEnd))
                    ink = Ink::Title;
                else if (nearer(fromTop, kTopEdge, bandEnd))
                    ink = Ink::Band;
                else
                    ink = Ink::Body;
            } else if (placeOf(centre - kShadowShift).inside()) {
                ink = Ink::Shadow;
            }
            d.pixels[std::size_t(y) * std::size_t(size) + std::size_t(x)] = ink;
        }
    }
    return d;
}

} // namespace icongen
