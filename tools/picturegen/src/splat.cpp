// The closing screen's splat: red-orange paint flung across a white sheet.

#include "art.h"

#include <QPolygonF>

#include <cmath>

namespace picturegen {

namespace {

constexpr double kPi = 3.14159265358979323846;
const QPointF kCentre(874, 412);

// How far paint may fly in direction `angle` (radians, y down): an egg shape
// reaching column 336 on the left, 1480 on the right, row 24 at the top and
// row 856 at the bottom.
double reach(double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    const double ax = c >= 0 ? 1480 - kCentre.x() : kCentre.x() - 336;
    const double ay = s >= 0 ? 856 - kCentre.y() : kCentre.y() - 24;
    return 1.0 / std::sqrt((c / ax) * (c / ax) + (s / ay) * (s / ay));
}

QPointF polar(double angle, double radius)
{
    return kCentre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
}

QColor paint(Rng &rng)
{
    return QColor(255, int(std::lround(rng.range(40, 51))), int(std::lround(rng.range(13, 23))));
}

// One flat brush stroke along a gently bending spine, tapering a little,
// with a square-ish end where the bristles break up.
struct Stroke {
    QPainterPath body;
    std::vector<QPointF> spine;
    std::vector<double> width;
};

Stroke brushStroke(double angle, double r0, double r1, double w0, double w1, double bend)
{
    constexpr int kSteps = 24;
    Stroke s;
    std::vector<QPointF> left, right;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = double(i) / kSteps;
        const double a = angle + bend * t * t;
        const double r = r0 + (r1 - r0) * t;
        const QPointF p = polar(a, r);
        // Direction of travel, for the sideways offset.
        const double da = 2 * bend * t / std::max(1.0, r1 - r0);
        const QPointF along(std::cos(a) - r * da * std::sin(a), std::sin(a) + r * da * std::cos(a));
        const double len = std::hypot(along.x(), along.y());
        const QPointF side(-along.y() / len, along.x() / len);
        const double w = w0 + (w1 - w0) * t;
        s.spine.push_back(p);
        s.width.push_back(w);
        left.push_back(p + side * (w / 2));
        right.push_back(p - side * (w / 2));
    }
    QPolygonF outline;
    for (const QPointF &p : left)
        outline << p;
    // Blunt end: a shallow bulge across the tip rather than a point.
    const QPointF tip = s.spine.back();
    const QPointF out = (tip - s.spine[s.spine.size() - 2]);
    const QPointF dir = out / std::hypot(out.x(), out.y());
    for (int i = 1; i < 8; ++i) {
        const double u = double(i) / 8;
        const QPointF across = left.back() * (1 - u) + right.back() * u;
        outline << across + dir * (std::sin(u * kPi) * s.width.back() * 0.16);
    }
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        outline << *it;
    // A rounded heel where the stroke starts, hidden under the centre.
    for (int i = 1; i < 8; ++i) {
        const double u = double(i) / 8;
        const QPointF across = right.front() * (1 - u) + left.front() * u;
        outline << across - dir * (std::sin(u * kPi) * s.width.front() * 0.5);
    }
    s.body.addPolygon(outline);
    s.body.closeSubpath();
    return s;
}

void paintStroke(QPainter &p, Rng &rng, const Stroke &s, bool bristles)
{
    p.fillPath(s.body, paint(rng));
    if (!bristles)
        return;
    // Dry-brush streaks: thin white gaps running out through the end.
    p.save();
    p.setClipPath(s.body);
    const int streaks = 1 + int(rng.unit() * 3);
    const std::size_t n = s.spine.size();
    for (int k = 0; k < streaks; ++k) {
        const double offset = rng.range(-0.38, 0.38);
        const std::size_t start = std::size_t(double(n - 1) * rng.range(0.70, 0.90));
        QPainterPath line;
        for (std::size_t i = start; i < n; ++i) {
            const QPointF a = s.spine[std::min(i + 1, n - 1)] - s.spine[i == 0 ? 0 : i - 1];
            const double len = std::hypot(a.x(), a.y());
            const QPointF side(-a.y() / len, a.x() / len);
            const QPointF q = s.spine[i] + side * (offset * s.width[i]);
            if (i == start)
                line.moveTo(q);
            else
                line.lineTo(q);
        }
        line.lineTo(line.currentPosition() + (s.spine[n - 1] - s.spine[n - 2]) * 2);
        p.strokePath(line, QPen(Qt::white, rng.range(2.0, 5.0), Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    }
    p.restore();
}

} // namespace

QImage drawSplat(int scale)
{
    QImage image(2267 * scale, 1417 * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    Rng rng(0x5EA7'0F'CA11ull);

    // The ring of short separate dashes, far out.
    constexpr int kDashes = 44;
    for (int i = 0; i < kDashes; ++i) {
        const double a = 2 * kPi * (i + rng.range(-0.3, 0.3)) / kDashes;
        const double edge = reach(a);
        const double length = rng.range(38, 95);
        const double outer = edge * rng.range(0.95, 1.0) - 4;
        const double w = rng.range(20, 40);
        paintStroke(p, rng, brushStroke(a, outer - length, outer, w, w * 0.85, rng.range(-0.02, 0.02)), false);
    }

    // Loose drops between the arms and the dashes.
    for (int i = 0; i < 60; ++i) {
        const double a = rng.range(0, 2 * kPi);
        const double r = reach(a) * rng.range(0.50, 0.88);
        const double size = rng.range(6, 22);
        p.setBrush(paint(rng));
        p.drawEllipse(polar(a, r), size, size * rng.range(0.7, 1.0));
    }

    // Long arms flung out from the centre at uneven angles, the thick ones
    // first, then thinner ones in between; some throw a blob past their end.
    for (int pass = 0; pass < 2; ++pass) {
        const int arms = pass ? 15 : 17;
        double a = rng.range(0, 2 * kPi);
        for (int i = 0; i < arms; ++i) {
            a += 2 * kPi / arms * rng.range(0.55, 1.45);
            const double edge = reach(a);
            const double r1 = edge * (pass ? rng.range(0.40, 0.70) : rng.range(0.55, 0.88));
            const double w0 = pass ? rng.range(30, 62) : rng.range(78, 150);
            const double w1 = w0 * rng.range(0.5, 0.8);
            const Stroke s = brushStroke(a, 80, r1, w0, w1, rng.range(-0.09, 0.09));
            paintStroke(p, rng, s, rng.unit() < 0.45);
            if (rng.unit() < 0.6) {
                const double gap = rng.range(22, 60);
                const double blob = w1 * rng.range(0.3, 0.55);
                const double far = std::min(r1 + gap + blob, edge * 0.86 - blob);
                p.setBrush(paint(rng));
                p.setPen(Qt::NoPen);
                p.drawEllipse(polar(a + rng.range(-0.03, 0.03), far), blob, blob * rng.range(0.7, 0.95));
            }
        }
    }

    // The dense core: a lumpy pool of paint with short stubby lobes.
    {
        QPolygonF core;
        double phase[5];
        for (double &ph : phase)
            ph = rng.range(0, 2 * kPi);
        constexpr int kPoints = 240;
        for (int i = 0; i < kPoints; ++i) {
            const double a = 2 * kPi * i / kPoints;
            const double lobes = std::max(0.0, std::sin(7 * a + phase[3])) * 46 +
                                 std::max(0.0, std::sin(11 * a + phase[4])) * 30;
            const double r = 200 + 34 * std::sin(2 * a + phase[0]) + 22 * std::sin(5 * a + phase[1]) +
                             10 * std::sin(13 * a + phase[2]) + lobes;
            core << polar(a, r * (reach(a) / 500.0 * 0.35 + 0.65));
        }
        QPainterPath path;
        path.addPolygon(core);
        path.closeSubpath();
        p.fillPath(path, QColor(255, 45, 18));
    }
    p.end();
    return image;
}

} // namespace picturegen
