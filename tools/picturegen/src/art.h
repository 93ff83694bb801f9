#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdint>
#include <functional>

namespace picturegen {

// The pictures, drawn at their pixel size times `scale`: 1 for the files the
// game shows at 96 dpi, 2 for high-density screens. Each drawing works in the
// 1x picture's pixels; the 2x picture is the same drawing with twice the
// pixels, not an enlargement.
QImage drawBackdrop(int scale);     // 1600 x 900
QImage drawLogo(int scale);         // 95 x 118
QImage drawHostCard(int scale);     // 118 x 158
QImage drawHostWrong(int scale);    // 150 x 200
QImage drawHostCorrect(int scale);  // 150 x 217
QImage drawHostFarewell(int scale); // 150 x 217
QImage drawSplat(int scale);        // 2267 x 1417

// Small fixed-seed generator (SplitMix64), so scattered details land in the
// same places on every run and every machine.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); } // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint64_t m_state;
};

// Paints with `draw` onto a canvas `factor` times larger in each direction
// than width x height times `scale` (the painter is already scaled, so `draw`
// works in the 1x picture's pixels), then averages it down to width x height
// times `scale`. Small pictures stay crisp this way.
QImage renderSupersampled(int width, int height, int scale, int factor, const std::function<void(QPainter &)> &draw);

// Separable box blur of a premultiplied ARGB image, repeated `passes` times
// (three passes come close to a Gaussian). Integer arithmetic throughout.
void boxBlur(QImage &image, int radius, int passes);

// Outline of one string in an installed font, with its baseline at y = 0 and
// its left edge at x = 0, `capHeight` pixels high for capitals. `stretch`
// narrows (< 1) or widens the letters. Exits if the family isn't installed,
// since a silently substituted face would change the pictures.
QPainterPath textPath(const QString &family, int weight, const QString &text, double capHeight, double stretch = 1.0);

// Advance width of `text` as laid out by textPath with the same arguments.
double textAdvance(const QString &family, int weight, const QString &text, double capHeight, double stretch = 1.0);

// Where and how the title logo is drawn.
enum class LogoStyle {
    Silver,    // the logo proper: silver relief on the teal rays
    DimGlow,   // large wallpaper copy: dark blue, soft lighter halo
    BrightGlow // small wallpaper copy: pale cyan halo
};

// The title art ("LE", the arched "TOLVANE", the two rings and "VIRAIL"
// running down through them), laid out to fill `box`.
void paintTitleArt(QPainter &painter, const QRectF &box, LogoStyle style);

} // namespace picturegen
