#include "drawing.h"

#include <cmath>
#include <stdexcept>

namespace icongen {

namespace {

// The drawing is laid out on a 32-pixel design square. Every test below is
// exact integer arithmetic, in units chosen so that the centre of every pixel
// (or sample) of the image being drawn falls on a whole number: the same
// pixels on any compiler and any machine.
constexpr int kDesignPixels = 32;

// Squares of cross products outgrow 64 bits on the finest sample grids.
__extension__ typedef __int128 Wide;

struct Vec {
    std::int64_t x;
    std::int64_t y;
};

constexpr Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
constexpr Vec operator*(std::int64_t k, Vec a) { return {k * a.x, k * a.y}; }
constexpr std::int64_t cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
constexpr std::int64_t norm2(Vec a) { return a.x * a.x + a.y * a.y; }

// The window is a parallelogram: its top left corner, its top edge (rising
// to the right) and its left edge (leaning to the right as it goes down),
// in pixels of the design square. Corners (2,10), (26,2), (30,18), (6,26);
// the slopes of one in three and one in four keep the steps of the edges even.
constexpr Vec kCorner{2, 10};
constexpr Vec kTopEdge{24, -8};
constexpr Vec kLeftEdge{4, 16};
// The shadow is the window shifted right and down by two design pixels.
constexpr Vec kShadowShift{2, 2};

// The frame and the bands, in design pixels: their share of the square at
// every size drawn smooth. The crisp small icons round them to whole pixels.
constexpr int kOutline = 1;
constexpr int kTitle = 4;
constexpr int kBand = 2;

// Widths of the frame and the bands, in whole pixels of the image drawn.
struct Widths {
    int outline;
    int title;
    int band;
};

Widths crispWidthsFor(int size)
{
    switch (size) {
    case 16: return {1, 2, 1};
    case 24: return {1, 3, 2};
    case 32: return {kOutline, kTitle, kBand};
    }
    throw std::invalid_argument("icongen: the crisp icon is drawn at 16, 24 or 32 pixels only");
}

// The drawing on a grid of `grid` points across and down, in units of which a
// design pixel holds 2 * grid: point (i, j) is at ((2i+1) * 32, (2j+1) * 32).
class Geometry {
public:
    // Frame and bands given in units.
    Geometry(int grid, std::int64_t outline, std::int64_t titleEnd, std::int64_t bandEnd)
        : unit_(2 * std::int64_t(grid)), corner_(unit_ * kCorner), top_(unit_ * kTopEdge),
          left_(unit_ * kLeftEdge), shadow_(unit_ * kShadowShift), area_(cross(top_, left_)),
          outline_(outline), titleEnd_(titleEnd), bandEnd_(bandEnd)
    {
    }

    // A width of whole pixels of a grid of one point a pixel, in units.
    static std::int64_t pixels(int n) { return 64 * std::int64_t(n); }
    // A width in design pixels, in units of a grid.
    static std::int64_t design(int grid, int n) { return 2 * std::int64_t(grid) * n; }

    Ink inkAt(int i, int j) const
    {
        const Vec point{(2 * std::int64_t(i) + 1) * kDesignPixels, (2 * std::int64_t(j) + 1) * kDesignPixels};
        const Place at = placeOf(point);
        if (!at.inside())
            return placeOf(point - shadow_).inside() ? Ink::Shadow : Ink::Clear;
        if (nearer(at.along, left_, outline_) || nearer(area_ - at.along, left_, outline_)
            || nearer(at.down, top_, outline_) || nearer(area_ - at.down, top_, outline_))
            return Ink::Outline;
        if (nearer(at.down, top_, titleEnd_))
            return Ink::Title;
        if (nearer(at.down, top_, bandEnd_))
            return Ink::Band;
        return Ink::Body;
    }

private:
    // Where a point lies in the window: the two cross products that, divided
    // by the area, are its coordinates along the top edge and down the left edge.
    struct Place {
        std::int64_t along; // 0 on the left edge, area on the right edge
        std::int64_t down;  // 0 on the top edge, area on the bottom edge
        std::int64_t area;

        bool inside() const { return along > 0 && along < area && down > 0 && down < area; }
    };

    Place placeOf(Vec p) const
    {
        const Vec r = p - corner_;
        return {cross(r, left_), cross(top_, r), area_};
    }

    // True when the distance c / |edge| is less than `width` units (c is never negative here).
    static bool nearer(std::int64_t c, Vec edge, std::int64_t width)
    {
        return Wide(c) * c < Wide(width) * width * norm2(edge);
    }

    std::int64_t unit_;
    Vec corner_, top_, left_, shadow_;
    std::int64_t area_;
    std::int64_t outline_, titleEnd_, bandEnd_;
};

} // namespace

Drawing drawIcon(int size)
{
    const Widths w = crispWidthsFor(size);
    const Geometry g(size, Geometry::pixels(w.outline), Geometry::pixels(w.outline + w.title),
                     Geometry::pixels(w.outline + w.title + w.band));
    Drawing d;
    d.size = size;
    d.pixels.reserve(std::size_t(size) * std::size_t(size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            d.pixels.push_back(g.inkAt(x, y));
    return d;
}

Sampled sampleIcon(int size, int samples)
{
    const int grid = size * samples;
    const Geometry g(grid, Geometry::design(grid, kOutline), Geometry::design(grid, kOutline + kTitle),
                     Geometry::design(grid, kOutline + kTitle + kBand));
    Sampled s;
    s.size = size;
    s.samples = samples;
    s.count.assign(std::size_t(size) * std::size_t(size) * kInks, 0);
    for (int j = 0; j < grid; ++j)
        for (int i = 0; i < grid; ++i) {
            const std::size_t pixel = std::size_t(j / samples) * std::size_t(size) + std::size_t(i / samples);
            ++s.count[pixel * kInks + std::size_t(g.inkAt(i, j))];
        }
    return s;
}

std::vector<Region> iconRegions()
{
    // A region is a rectangle in the window's own coordinates: a from the
    // left edge to the right one, b from the top edge to the bottom one, 0 to 1.
    const double area = double(cross(kTopEdge, kLeftEdge));
    const double across = std::sqrt(double(norm2(kLeftEdge))) / area; // a per design pixel
    const double down = std::sqrt(double(norm2(kTopEdge))) / area;    // b per design pixel
    const auto region = [](Ink ink, Vec origin, double a0, double a1, double b0, double b1) {
        const auto at = [&](double a, double b, double out[2]) {
            out[0] = double(origin.x) + a * double(kTopEdge.x) + b * double(kLeftEdge.x);
            out[1] = double(origin.y) + a * double(kTopEdge.y) + b * double(kLeftEdge.y);
        };
        Region r{ink, {}};
        at(a0, b0, r.corners[0]);
        at(a1, b0, r.corners[1]);
        at(a1, b1, r.corners[2]);
        at(a0, b1, r.corners[3]);
        return r;
    };
    const Vec shadowCorner{kCorner.x + kShadowShift.x, kCorner.y + kShadowShift.y};
    const double a0 = kOutline * across, a1 = 1 - kOutline * across;
    const double b0 = kOutline * down;
    return {
        region(Ink::Shadow, shadowCorner, 0, 1, 0, 1),
        region(Ink::Outline, kCorner, 0, 1, 0, 1),
        region(Ink::Body, kCorner, a0, a1, b0, 1 - kOutline * down),
        region(Ink::Title, kCorner, a0, a1, b0, (kOutline + kTitle) * down),
        region(Ink::Band, kCorner, a0, a1, (kOutline + kTitle) * down, (kOutline + kTitle + kBand) * down),
    };
}

} // namespace icongen
