// The title logo "LE TOLVANE VIRAIL": the small logo picture and the
// wallpaper that carries two copies of it.

#include "art.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace picturegen {

namespace {

const QString kLetterFace = QStringLiteral("DejaVu Sans");
constexpr int kLetterWeight = 700;
constexpr double kPi = 3.14159265358979323846;

struct Ring {
    QPainterPath band;   // the ring itself
    QPointF centre;
};

struct TitleLayout {
    std::vector<QPainterPath> letters; // LE, then TOLVANE, then VIRAIL, one path per letter
    Ring left, right;
    QRectF upperCrossing; // where the left ring passes over the right one
    double unit = 1;
};

Ring makeRing(QPointF centre, double rx, double ry, double thickness, double tiltDegrees)
{
    QPainterPath outer, inner;
    outer.addEllipse(QPointF(0, 0), rx, ry);
    inner.addEllipse(QPointF(0, 0), rx - thickness, ry - thickness);
    const QPainterPath band = outer.subtracted(inner);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(tiltDegrees);
    return {t.map(band), centre};
}

// Places `word` letter by letter along a circle (centre, radius), centred
// on the top of the circle, letters standing outwards.
void placeOnArch(std::vector<QPainterPath> &out, const QString &word, QPointF centre, double radius,
                 double cap, double stretch, double gap)
{
    std::vector<double> advances;
    double total = 0;
    for (QChar ch : word) {
        advances.push_back(textAdvance(kLetterFace, kLetterWeight, QString(ch), cap, stretch));
        total += advances.back();
    }
    total += gap * double(word.size() - 1);
    const double spacingRadius = radius + cap * 0.45;
    double along = -total / 2;
    for (int i = 0; i < word.size(); ++i) {
        const double mid = along + advances[std::size_t(i)] / 2;
        const double angle = -kPi / 2 + mid / spacingRadius;
        QTransform t;
        t.translate(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        t.rotateRadians(angle + kPi / 2);
        t.translate(-advances[std::size_t(i)] / 2, 0);
        out.push_back(t.map(textPath(kLetterFace, kLetterWeight, QString(word[i]), cap, stretch)));
        along += advances[std::size_t(i)] + gap;
    }
}

// Places `word` along the straight line from `from` to `to`, centred on it,
// the line running through the middle of the capitals.
void placeOnSlope(std::vector<QPainterPath> &out, const QString &word, QPointF from, QPointF to, double cap,
                  double stretch, double gap)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF dir = d / length;
    const QPointF down(-dir.y(), dir.x());
    double total = 0;
    std::vector<double> advances;
    for (QChar ch : word) {
        advances.push_back(textAdvance(kLetterFace, kLetterWeight, QString(ch), cap, stretch));
        total += advances.back();
    }
    total += gap * double(word.size() - 1);
    double along = (length - total) / 2;
    const double angle = std::atan2(dir.y(), dir.x());
    for (int i = 0; i < word.size(); ++i) {
        const QPointF base = from + dir * along + down * (cap / 2);
        QTransform t;
        t.translate(base.x(), base.y());
        t.rotateRadians(angle);
        out.push_back(t.map(textPath(kLetterFace, kLetterWeight, QString(word[i]), cap, stretch)));
        along += advances[std::size_t(i)] + gap;
    }
}

TitleLayout layoutTitle(const QRectF &box)
{
    const double w = box.width(), h = box.height();
    const double u = std::min(w / 95.0, h / 118.0);
    auto at = [&](double fx, double fy) { return QPointF(box.left() + fx * w, box.top() + fy * h); };

    TitleLayout t;
    t.unit = u;

    // "LE", small, tucked into the upper left corner.
    {
        const double cap = 8.0 * u;
        QTransform m;
        const QPointF p = at(0.045, 0.035) + QPointF(0, cap);
        m.translate(p.x(), p.y());
        m.rotate(-8);
        t.letters.push_back(m.map(textPath(kLetterFace, kLetterWeight, QStringLiteral("LE"), cap, 0.9)));
    }

    // "TOLVANE" arched over the rings.
    {
        const double cap = 14.0 * u;
        const double radius = 0.95 * w;
        const QPointF top = at(0.5, 0.0) + QPointF(0, 0.215 * h + 0.5 * u);
        placeOnArch(t.letters, QStringLiteral("TOLVANE"), top + QPointF(0, radius), radius, cap, 0.80, 0.7 * u);
    }

    // Two oval rings, side by side and overlapping.
    {
        // Sized by the unit, not the box, so they stay oval on a wide box.
        const double rx = std::min(0.235 * w, 26.0 * u), ry = std::min(0.155 * h, 19.0 * u), thick = 3.4 * u;
        const QPointF middle = at(0.5, 0.625);
        t.left = makeRing(middle - QPointF(0.66 * rx, 0), rx, ry, thick, -14);
        t.right = makeRing(middle + QPointF(0.66 * rx, 0), rx, ry, thick, 14);
        const QPointF mid = (t.left.centre + t.right.centre) / 2;
        t.upperCrossing = QRectF(mid.x() - 0.16 * w, mid.y() - 0.30 * h, 0.32 * w, 0.30 * h);
    }

    // "VIRAIL" running down to the right, through both rings.
    placeOnSlope(t.letters, QStringLiteral("VIRAIL"), at(0.20, 0.425), at(0.99, 0.975), 14.5 * u, 0.88, 1.3 * u);
    return t;
}

QPainterPath unite(const TitleLayout &t)
{
    QPainterPath all = t.left.band.united(t.right.band);
    for (const QPainterPath &p : t.letters)
        all = all.united(p);
    return all;
}

// Silver relief: dark drop shadow, bright-dull-bright fill, crisp rim.
void paintSilver(QPainter &painter, const TitleLayout &t)
{
    const double u = t.unit;
    auto metal = [](const QRectF &r) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0.00, QColor(255, 255, 255));
        g.setColorAt(0.40, QColor(206, 214, 222));
        g.setColorAt(0.52, QColor(120, 132, 146));
        g.setColorAt(0.70, QColor(196, 206, 216));
        g.setColorAt(1.00, QColor(242, 246, 250));
        return QBrush(g);
    };
    auto shadowOf = [&](const QPainterPath &p) {
        painter.fillPath(p.translated(0.9 * u, 1.1 * u), QColor(2, 34, 48, 190));
    };
    auto solid = [&](const QPainterPath &p) {
        painter.fillPath(p, metal(p.boundingRect()));
        painter.strokePath(p, QPen(QColor(18, 44, 60), 0.55 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    };

    shadowOf(t.left.band);
    shadowOf(t.right.band);
    solid(t.left.band);
    solid(t.right.band);
    // Interlock: the left ring passes back over the right one at the top.
    painter.save();
    painter.setClipRect(t.upperCrossing);
    solid(t.left.band);
    painter.restore();

    for (const QPainterPath &p : t.letters) {
        shadowOf(p);
        // A dark edging keeps the capitals apart from the rings behind them.
        painter.strokePath(p, QPen(QColor(4, 40, 56, 220), 1.5 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    for (const QPainterPath &p : t.letters) {
        solid(p);
        // A glint along the top-left edges gives the capitals their bevel.
        painter.save();
        painter.setClipPath(p);
        painter.strokePath(p.translated(0.45 * u, 0.55 * u), QPen(QColor(255, 255, 255, 150), 0.5 * u));
        painter.restore();
    }
}

void paintGlow(QPainter &painter, const TitleLayout &t, const QRectF &box, QColor halo, int haloRadius,
               QColor fillTop, QColor fillBottom, QColor rim)
{
    const QPainterPath all = unite(t);
    const int margin = 4 * haloRadius;
    const QRect area = box.toAlignedRect().adjusted(-margin, -margin, margin, margin);
    // The halo is blurred in the pixels of the picture being drawn, not
    // enlarged from the 1x picture's.
    const int scale = int(std::lround(painter.worldTransform().m11()));
    QImage glow(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
    glow.fill(Qt::transparent);
    {
        QPainter g(&glow);
        g.setRenderHint(QPainter::Antialiasing, true);
        g.scale(scale, scale);
        g.translate(-area.left(), -area.top());
        g.fillPath(all, halo);
        g.strokePath(all, QPen(halo, haloRadius * 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    boxBlur(glow, haloRadius * scale, 3);
    if (scale == 1)
        painter.drawImage(area.topLeft(), glow);
    else
        painter.drawImage(QRectF(area), glow);

    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, fillTop);
    g.setColorAt(1, fillBottom);
    auto solid = [&](const QPainterPath &p) {
        painter.fillPath(p, QBrush(g));
        painter.strokePath(p, QPen(rim, std::max(1.0, 0.5 * t.unit)));
    };
    solid(t.left.band);
    solid(t.right.band);
    painter.save();
    painter.setClipRect(t.upperCrossing);
    solid(t.left.band);
    painter.restore();
    for (const QPainterPath &p : t.letters)
        solid(p);
}

} // namespace

void paintTitleArt(QPainter &painter, const QRectF &box, LogoStyle style)
{
    const TitleLayout t = layoutTitle(box);
    switch (style) {
    case LogoStyle::Silver:
        paintSilver(painter, t);
        break;
    case LogoStyle::DimGlow:
        paintGlow(painter, t, box, QColor(44, 92, 168, 200), int(std::lround(4.5 * t.unit)), QColor(10, 46, 104),
                  QColor(4, 30, 74), QColor(30, 70, 138));
        break;
    case LogoStyle::BrightGlow:
        paintGlow(painter, t, box, QColor(150, 240, 255, 230), int(std::lround(3.0 * t.unit)),
                  QColor(236, 252, 255), QColor(140, 214, 236), QColor(70, 170, 210));
        break;
    }
}

QImage drawLogo(int scale)
{
    const QImage art = renderSupersampled(95, 118, scale, 4, [](QPainter &p) {
        const QRectF frame(0, 0, 95, 118);
        const QPointF hub(47.0, 72.0);
        p.fillRect(frame, QColor(12, 122, 150));

        // Lighter rays fanning out from behind the rings.
        QConicalGradient rays(hub, 90);
        constexpr int kRays = 18;
        const QColor base(12, 122, 150), ray(58, 168, 192);
        for (int i = 0; i < kRays; ++i) {
            const double a = double(i) / kRays;
            const double half = 0.19 / kRays;
            rays.setColorAt(a, base);
            rays.setColorAt(a + half * 0.4, ray);
            rays.setColorAt(a + half * 1.6, ray);
            rays.setColorAt(a + half * 2.0, base);
        }
        rays.setColorAt(1.0, base);
        p.fillRect(frame, QBrush(rays));

        // Bright heart behind the rings, darker corners.
        QRadialGradient light(hub, 70);
        light.setColorAt(0.0, QColor(120, 220, 236, 110));
        light.setColorAt(0.35, QColor(40, 160, 190, 20));
        light.setColorAt(0.7, QColor(0, 0, 0, 0));
        light.setColorAt(1.0, QColor(0, 40, 60, 110));
        p.fillRect(frame, QBrush(light));

        paintTitleArt(p, QRectF(0, 0, 93, 117), LogoStyle::Silver);
    });
    return art;
}

QImage drawBackdrop(int scale)
{
    QImage image(1600 * scale, 900 * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0, 23, 58));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(scale, scale);
    // The large dim copy that the windows show, and a small bright one near
    // the top edge that stays out of their way.
    paintTitleArt(p, QRectF(0, 96, 545, 473), LogoStyle::DimGlow);
    paintTitleArt(p, QRectF(618, 62, 172, 146), LogoStyle::BrightGlow);
    p.end();
    return image;
}

} // namespace picturegen
