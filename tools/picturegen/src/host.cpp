// Marzelle Vastrelli, the host, as the game's cartoonist sees her: a tower
// of copper hair, electric-blue eyelids, a nose with ambitions, lipstick
// applied with a trowel and gold hoops big enough to jump through.
//
// She is drawn once, in "design units" with the middle of her face at the
// origin (face about 108 units wide, chin at y = 88), and each portrait
// places, scales and tilts that one drawing and picks her mood.

#include "art.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <vector>

namespace picturegen {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Her colours, the same in every portrait.
const QColor kInk(52, 20, 22);
const QColor kSkin(246, 200, 170);
const QColor kSkinShade(222, 156, 130);
const QColor kSkinDeep(176, 104, 92);
const QColor kHair(226, 100, 36);
const QColor kHairDark(132, 40, 14);
const QColor kHairLight(255, 184, 96);
const QColor kBrow(88, 30, 14);
const QColor kLid(40, 150, 240);
const QColor kIris(38, 150, 96);
const QColor kLip(214, 16, 52);
const QColor kLipDark(126, 6, 28);
const QColor kLipShine(255, 140, 150);
const QColor kRouge(255, 70, 110);
const QColor kGold(236, 182, 40);
const QColor kGoldDark(150, 96, 10);
const QColor kGoldLight(255, 240, 150);
const QColor kGem(240, 30, 160);

enum class Mood {
    Beaming,  // the presenter's grin, on the question cards
    Smug,     // the player got it wrong: raised brow, sideways smirk
    Grudging, // the player got it right: scowl and pout
    Farewell  // wink, grin, a wave of the fingers
};

struct Outfit {
    QColor jacket;
    QColor jacketShade;
    QColor sequin;
};

struct Shot {
    Mood mood;
    QPointF origin;   // picture pixel where the middle of her face lands
    double scale;     // picture pixels per design unit
    double tilt;      // whole figure, degrees
    double headTilt;  // head on the shoulders, degrees
    Outfit outfit;
    bool wave;        // raises a hand by her chin
};

QPen ink(double width) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

QPainterPath circle(QPointF c, double r)
{
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

QPainterPath ellipse(QPointF c, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(c, rx, ry);
    return p;
}

// ---- hair -----------------------------------------------------------------

// Curls that make up the bouffant, as (centre, radius).
struct Curl {
    QPointF c;
    double r;
};

std::vector<Curl> hairCurls()
{
    std::vector<Curl> curls;
    // Round the crown and down both sides, flicking out at the shoulders.
    constexpr int kRound = 17;
    for (int i = 0; i <= kRound; ++i) {
        const double t = double(i) / kRound;              // 0 = left flick, 1 = right flick
        const double a = kPi * (0.86 + 1.28 * t);         // sweeps over the top
        const double rx = 104, ry = 118;
        QPointF c(std::cos(a) * rx, -42 + std::sin(a) * ry);
        double r = 30 + 6 * std::sin(t * kPi * 5);
        curls.push_back({c, r});
    }
    curls.push_back({{-104, 48}, 30});
    curls.push_back({{104, 48}, 30});
    curls.push_back({{-124, 78}, 22});
    curls.push_back({{124, 78}, 22});
    curls.push_back({{-86, 70}, 26});
    curls.push_back({{86, 70}, 26});
    return curls;
}

QPainterPath hairMass(const std::vector<Curl> &curls)
{
    QPainterPath mass = ellipse({0, -50}, 108, 116);
    mass = mass.united(ellipse({0, 20}, 100, 56));
    for (const Curl &k : curls)
        mass = mass.united(circle(k.c, k.r));
    return mass;
}

void paintHairVolume(QPainter &p)
{
    const std::vector<Curl> curls = hairCurls();
    const QPainterPath mass = hairMass(curls);
    QRadialGradient g(QPointF(-34, -110), 200);
    g.setColorAt(0.0, kHairLight);
    g.setColorAt(0.35, kHair);
    g.setColorAt(1.0, kHairDark);
    p.fillPath(mass, QBrush(g));

    // Each curl: a dark crease on its inner side and a shine on its outer
    // side, turned to face away from the middle of the hairdo. A second,
    // inner round of curls gives the mass some body.
    std::vector<Curl> texture = curls;
    for (int i = 0; i <= 6; ++i) {
        const double a = kPi * (1.12 + 0.76 * i / 6.0);
        texture.push_back({{std::cos(a) * 66, -52 + std::sin(a) * 80}, 17});
    }
    p.save();
    p.setClipPath(mass);
    for (const Curl &k : texture) {
        const double outward = -std::atan2(k.c.y() + 42, k.c.x()) * 180 / kPi;
        const QRectF ring(k.c.x() - k.r * 0.8, k.c.y() - k.r * 0.8, k.r * 1.6, k.r * 1.6);
        QPainterPath crease;
        crease.arcMoveTo(ring, outward + 110);
        crease.arcTo(ring, outward + 110, 160);
        p.strokePath(crease, QPen(QColor(kHairDark.red(), kHairDark.green(), kHairDark.blue(), 200), k.r > 20 ? 5.0 : 3.6,
                                  Qt::SolidLine, Qt::RoundCap));
        const QRectF inner(k.c.x() - k.r * 0.5, k.c.y() - k.r * 0.5, k.r * 1.0, k.r * 1.0);
        QPainterPath shine;
        shine.arcMoveTo(inner, outward - 40);
        shine.arcTo(inner, outward - 40, 80);
        p.strokePath(shine, QPen(QColor(255, 214, 150, 190), 4.0, Qt::SolidLine, Qt::RoundCap));
    }
    p.restore();
    p.strokePath(mass, ink(3.0));
}

// The swoop of fringe over the forehead, with its one signature kiss-curl.
void paintFringe(QPainter &p)
{
    QPainterPath fringe;
    fringe.moveTo(-60, -16);
    fringe.cubicTo(-70, -66, -34, -104, 6, -100);
    fringe.cubicTo(48, -96, 70, -62, 60, -14);
    fringe.cubicTo(54, -40, 44, -56, 26, -58);
    fringe.cubicTo(10, -60, 2, -48, -8, -56);
    fringe.cubicTo(-22, -66, -40, -60, -48, -46);
    fringe.cubicTo(-54, -36, -56, -26, -60, -16);
    fringe.closeSubpath();
    QLinearGradient g(QPointF(0, -100), QPointF(0, -40));
    g.setColorAt(0, kHairLight);
    g.setColorAt(0.6, kHair);
    g.setColorAt(1, QColor(176, 64, 22));
    p.fillPath(fringe, QBrush(g));
    // Combed strands.
    for (int i = 0; i < 5; ++i) {
        QPainterPath strand;
        const double x = -40 + i * 20;
        strand.moveTo(x - 6, -90 + std::abs(i - 2) * 6);
        strand.quadTo(x + 12, -80, x + 4 + (i - 2) * 4, -58 + std::abs(i - 2) * 4);
        p.strokePath(strand, QPen(kHairDark, 2.2, Qt::SolidLine, Qt::RoundCap));
    }
    p.strokePath(fringe, ink(2.6));
    // Kiss-curl on the forehead.
    QPainterPath curl;
    curl.moveTo(20, -58);
    curl.cubicTo(30, -46, 16, -36, 10, -44);
    curl.cubicTo(6, -50, 14, -54, 16, -48);
    p.strokePath(curl, QPen(kHairDark, 3.4, Qt::SolidLine, Qt::RoundCap));
}

// ---- body -------------------------------------------------------------

QPainterPath jacketPath()
{
    QPainterPath j;
    j.moveTo(-26, 96);
    j.cubicTo(-60, 100, -100, 102, -126, 112);
    j.cubicTo(-160, 92, -190, 112, -184, 152); // shoulder pad
    j.lineTo(-206, 360);
    j.lineTo(206, 360);
    j.lineTo(184, 152);
    j.cubicTo(190, 112, 160, 92, 126, 112);
    j.cubicTo(100, 102, 60, 100, 26, 96);
    j.lineTo(0, 182);
    j.closeSubpath();
    return j;
}

void paintBody(QPainter &p, const Outfit &outfit)
{
    // Chest in the neckline, neck above it.
    QPainterPath chest;
    chest.moveTo(-34, 88);
    chest.lineTo(34, 88);
    chest.lineTo(0, 196);
    chest.closeSubpath();
    p.fillPath(chest, kSkin);
    QPainterPath neck;
    neck.moveTo(-24, 40);
    neck.cubicTo(-22, 70, -26, 90, -30, 104);
    neck.lineTo(30, 104);
    neck.cubicTo(26, 90, 22, 70, 24, 40);
    neck.closeSubpath();
    QLinearGradient ng(QPointF(0, 50), QPointF(0, 104));
    ng.setColorAt(0, kSkinDeep);
    ng.setColorAt(0.45, kSkinShade);
    ng.setColorAt(1, kSkin);
    p.fillPath(neck, QBrush(ng));
    p.strokePath(neck, ink(2.0));
    // Collarbone hint.
    QPainterPath bone;
    bone.moveTo(-22, 116);
    bone.quadTo(-10, 112, -4, 118);
    bone.moveTo(22, 116);
    bone.quadTo(10, 112, 4, 118);
    p.strokePath(bone, QPen(kSkinShade, 2.0, Qt::SolidLine, Qt::RoundCap));

    const QPainterPath jacket = jacketPath();
    QLinearGradient jg(QPointF(-190, 0), QPointF(190, 0));
    jg.setColorAt(0, outfit.jacketShade);
    jg.setColorAt(0.35, outfit.jacket);
    jg.setColorAt(0.7, outfit.jacket);
    jg.setColorAt(1, outfit.jacketShade);
    p.fillPath(jacket, QBrush(jg));

    // Sequins, scattered the same way every time.
    p.save();
    p.setClipPath(jacket);
    Rng rng(0x5E9A1Dull);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 420; ++i) {
        const QPointF at(rng.range(-200, 200), rng.range(96, 360));
        const double r = rng.range(1.6, 3.2);
        QColor c = outfit.sequin;
        c.setAlpha(int(rng.range(90, 230)));
        p.setBrush(c);
        p.drawEllipse(at, r, r);
    }
    for (int i = 0; i < 26; ++i) {
        const QPointF at(rng.range(-190, 190), rng.range(110, 340));
        const double r = rng.range(3, 6);
        QPainterPath star;
        star.moveTo(at + QPointF(0, -r * 1.8));
        star.quadTo(at, at + QPointF(r * 1.8, 0));
        star.quadTo(at, at + QPointF(0, r * 1.8));
        star.quadTo(at, at + QPointF(-r * 1.8, 0));
        star.quadTo(at, at + QPointF(0, -r * 1.8));
        p.fillPath(star, QColor(255, 255, 255, 220));
    }
    // Lapels, edged in gold.
    QPainterPath lapels;
    lapels.moveTo(-26, 96);
    lapels.lineTo(-64, 120);
    lapels.lineTo(-40, 136);
    lapels.lineTo(-58, 150);
    lapels.lineTo(0, 182);
    lapels.moveTo(26, 96);
    lapels.lineTo(64, 120);
    lapels.lineTo(40, 136);
    lapels.lineTo(58, 150);
    lapels.lineTo(0, 182);
    p.strokePath(lapels, QPen(outfit.jacketShade, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.restore();
    QPainterPath vee;
    vee.moveTo(-26, 96);
    vee.lineTo(0, 182);
    vee.lineTo(26, 96);
    p.strokePath(vee, QPen(kGold, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Shoulder-pad seams.
    QPainterPath seams;
    seams.moveTo(-126, 112);
    seams.cubicTo(-134, 150, -140, 190, -138, 240);
    seams.moveTo(126, 112);
    seams.cubicTo(134, 150, 140, 190, 138, 240);
    p.strokePath(seams, QPen(outfit.jacketShade, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(jacket, ink(3.0));

    // A string of pearls the size of gobstoppers.
    for (int i = 0; i <= 10; ++i) {
        const double t = double(i) / 10;
        const QPointF c((t - 0.5) * 64, 100 + 38 * std::sin(t * kPi));
        QRadialGradient pg(c + QPointF(-2, -2), 6.5);
        pg.setColorAt(0, Qt::white);
        pg.setColorAt(0.6, QColor(236, 230, 220));
        pg.setColorAt(1, QColor(170, 160, 160));
        p.setBrush(QBrush(pg));
        p.setPen(QPen(QColor(110, 90, 90), 1.2));
        p.drawEllipse(c, 5.6, 5.6);
    }
}

// ---- face -----------------------------------------------------------------

QPainterPath facePath()
{
    QPainterPath f;
    f.moveTo(0, -80);
    f.cubicTo(36, -80, 55, -56, 55, -20);
    f.cubicTo(55, 12, 50, 42, 32, 66);
    f.cubicTo(22, 80, 10, 90, 0, 90);
    f.cubicTo(-10, 90, -22, 80, -32, 66);
    f.cubicTo(-50, 42, -55, 12, -55, -20);
    f.cubicTo(-55, -56, -36, -80, 0, -80);
    f.closeSubpath();
    return f;
}

void paintEars(QPainter &p)
{
    for (int side : {-1, 1}) {
        const QPointF c(side * 55, -4);
        const QPainterPath ear = ellipse(c, 9, 17);
        p.fillPath(ear, kSkinShade);
        p.strokePath(ear, ink(2.0));
        QPainterPath fold;
        fold.moveTo(c + QPointF(side * -2, -10));
        fold.quadTo(c + QPointF(side * 5, -2), c + QPointF(side * -1, 8));
        p.strokePath(fold, QPen(kSkinDeep, 1.8, Qt::SolidLine, Qt::RoundCap));
    }
}

void paintEarrings(QPainter &p)
{
    for (int side : {-1, 1}) {
        const QPointF c(side * 62, 36);
        const double r = 22;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGoldDark, 8.0));
        p.drawEllipse(c, r, r * 1.1);
        p.setPen(QPen(kGold, 5.5));
        p.drawEllipse(c, r, r * 1.1);
        QPainterPath glint;
        glint.arcMoveTo(QRectF(c.x() - r, c.y() - r * 1.1, 2 * r, 2.2 * r), 110);
        glint.arcTo(QRectF(c.x() - r, c.y() - r * 1.1, 2 * r, 2.2 * r), 110, 50);
        p.strokePath(glint, QPen(kGoldLight, 2.4, Qt::SolidLine, Qt::RoundCap));
        // A fat pink stone swinging at the bottom.
        const QPointF gem = c + QPointF(0, r * 1.1 + 5);
        QPainterPath drop;
        drop.moveTo(gem + QPointF(0, -6));
        drop.cubicTo(gem + QPointF(9, 2), gem + QPointF(6, 12), gem + QPointF(0, 12));
        drop.cubicTo(gem + QPointF(-6, 12), gem + QPointF(-9, 2), gem + QPointF(0, -6));
        p.fillPath(drop, kGem);
        p.strokePath(drop, ink(1.4));
        p.fillPath(circle(gem + QPointF(-2, 2), 1.8), QColor(255, 210, 240));
    }
}

struct Brow {
    double inner; // y of the end nearest the nose
    double outer; // y of the end nearest the ear
    double arch;  // how far the middle rises above the ends
};

struct FaceLook {
    std::array<Brow, 2> brows;     // [0] her right (picture left), [1] her left
    std::array<double, 2> lid;     // upper lid: 0 wide open .. 1 shut
    std::array<double, 2> lowLid;  // lower lid raised: 0 .. 0.6
    std::array<bool, 2> wink;      // eye squeezed shut in a merry arc
    QPointF look;                  // gaze, -1 .. 1 each way
    bool frownLines = false;
};

FaceLook lookFor(Mood mood)
{
    switch (mood) {
    case Mood::Beaming:
        return {{{{-36, -38, 9}, {-36, -38, 9}}}, {0.05, 0.05}, {0.15, 0.15}, {false, false}, {0, 0.1}};
    case Mood::Smug:
        return {{{{-46, -52, 12}, {-31, -33, 2}}}, {0.48, 0.52}, {0.2, 0.2}, {false, false}, {0.75, 0.1}};
    case Mood::Grudging:
        return {{{{-24, -40, 3}, {-24, -40, 3}}}, {0.38, 0.38}, {0.35, 0.35}, {false, false}, {-0.55, 0.2},
                true};
    case Mood::Farewell:
        return {{{{-30, -34, 5}, {-42, -46, 10}}}, {0.0, 0.12}, {0.0, 0.15}, {true, false}, {-0.2, 0.1}};
    }
    return {};
}

void paintEye(QPainter &p, int side, const FaceLook &look, int index)
{
    const QPointF c(side * 21, -14);
    // Eyeshadow right up to the brow, laid on thick.
    {
        QRadialGradient g(c + QPointF(side * 2, -8), 19);
        g.setColorAt(0, kLid);
        g.setColorAt(0.65, QColor(kLid.red(), kLid.green(), kLid.blue(), 200));
        g.setColorAt(1, QColor(kLid.red(), kLid.green(), kLid.blue(), 0));
        p.fillPath(ellipse(c + QPointF(side * 2, -8), 19, 15), QBrush(g));
    }
    const double hw = 13, up = 10, down = 7;
    if (look.wink[std::size_t(index)]) {
        QPainterPath shut;
        shut.moveTo(c + QPointF(-hw, -2));
        shut.quadTo(c + QPointF(0, 9), c + QPointF(hw, -2));
        p.strokePath(shut, ink(3.2));
        for (int i = 0; i < 4; ++i) {
            const double t = 0.2 + 0.2 * i;
            const QPointF at = c + QPointF(-hw + 2 * hw * t, -2 + 11 * t * (1 - t) * 2);
            p.strokePath([&] {
                QPainterPath l;
                l.moveTo(at);
                l.lineTo(at + QPointF((t - 0.5) * 6, 6));
                return l;
            }(), ink(2.0));
        }
        return;
    }
    QPainterPath white;
    white.moveTo(c + QPointF(-hw, 0));
    white.cubicTo(c + QPointF(-hw * 0.5, -up * 1.3), c + QPointF(hw * 0.5, -up * 1.3), c + QPointF(hw, 0));
    white.cubicTo(c + QPointF(hw * 0.5, down * 1.3), c + QPointF(-hw * 0.5, down * 1.3), c + QPointF(-hw, 0));
    white.closeSubpath();
    p.fillPath(white, QColor(252, 250, 244));

    p.save();
    p.setClipPath(white);
    const QPointF iris = c + QPointF(look.look.x() * 5.5, look.look.y() * 3);
    QRadialGradient ig(iris, 7);
    ig.setColorAt(0, kIris.lighter(150));
    ig.setColorAt(1, kIris.darker(140));
    p.fillPath(circle(iris, 7), QBrush(ig));
    p.fillPath(circle(iris, 3.4), QColor(16, 10, 10));
    p.fillPath(circle(iris + QPointF(-2, -2.2), 1.6), Qt::white);
    // Heavy lids come down over the top and up from the bottom.
    const double lidY = c.y() - up + look.lid[std::size_t(index)] * (up + down);
    QPainterPath lid;
    lid.moveTo(c.x() - hw - 2, c.y() - up - 10);
    lid.lineTo(c.x() + hw + 2, c.y() - up - 10);
    lid.lineTo(c.x() + hw + 2, lidY);
    lid.quadTo(c.x(), lidY + 5 - look.lid[std::size_t(index)] * 3, c.x() - hw - 2, lidY);
    lid.closeSubpath();
    p.fillPath(lid, kLid.darker(115));
    const double lowY = c.y() + down - look.lowLid[std::size_t(index)] * (up + down) * 0.6;
    QPainterPath low;
    low.moveTo(c.x() - hw - 2, c.y() + down + 6);
    low.lineTo(c.x() + hw + 2, c.y() + down + 6);
    low.lineTo(c.x() + hw + 2, lowY + 3);
    low.quadTo(c.x(), lowY - 3, c.x() - hw - 2, lowY + 3);
    low.closeSubpath();
    p.fillPath(low, kSkinShade);
    p.restore();

    // Lid line, lower rim, and lashes like a garden rake.
    const double lidT = look.lid[std::size_t(index)];
    QPainterPath lidLine;
    const double ly = c.y() - up + lidT * (up + down);
    if (lidT < 0.1) {
        lidLine.moveTo(c + QPointF(-hw - 1, 0));
        lidLine.cubicTo(c + QPointF(-hw * 0.5, -up * 1.3), c + QPointF(hw * 0.5, -up * 1.3),
                        c + QPointF(hw + 2, -1));
    } else {
        lidLine.moveTo(c.x() - hw - 1, std::min(ly, c.y()));
        lidLine.quadTo(c.x(), ly + 4 - lidT * 3, c.x() + hw + 2, std::min(ly, c.y() - 1));
    }
    p.strokePath(lidLine, ink(3.4));
    p.strokePath(white, ink(1.3));
    for (int i = 0; i < 5; ++i) {
        const double t = 0.15 + 0.19 * i;
        const QPointF at = lidLine.pointAtPercent(t);
        const double outward = (t - 0.35) * side;
        QPainterPath lash;
        lash.moveTo(at);
        lash.quadTo(at + QPointF(outward * 6, -6), at + QPointF(outward * 10 + side * 2, -9));
        p.strokePath(lash, ink(1.8));
    }
    // Flick at the outer corner.
    QPainterPath flick;
    const QPointF corner = c + QPointF(side * (hw + 1), -1);
    flick.moveTo(corner);
    flick.quadTo(corner + QPointF(side * 6, -1), corner + QPointF(side * 10, -7));
    p.strokePath(flick, ink(2.4));
}

void paintBrow(QPainter &p, int side, const Brow &b)
{
    const QPointF inner(side * 9, b.inner);
    const QPointF outer(side * 38, b.outer);
    const QPointF mid((inner.x() + outer.x()) / 2, std::min(inner.y(), outer.y()) - b.arch);
    QPainterPath brow;
    brow.moveTo(inner);
    brow.quadTo(mid, outer);
    p.strokePath(brow, QPen(kBrow, 5.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath tail;
    tail.moveTo(brow.pointAtPercent(0.55));
    tail.quadTo(brow.pointAtPercent(0.85), outer + QPointF(side * 3, 2));
    p.strokePath(tail, QPen(kBrow, 3.0, Qt::SolidLine, Qt::RoundCap));
}

void paintNose(QPainter &p, Mood mood)
{
    const double lift = mood == Mood::Grudging ? -2 : 0; // a sniff
    QPainterPath bridge;
    bridge.moveTo(5, -18);
    bridge.cubicTo(9, -4, 12, 8, 13, 18 + lift);
    p.strokePath(bridge, QPen(kSkinDeep, 3.0, Qt::SolidLine, Qt::RoundCap));
    // A big round tip, rosier than the rest of her.
    const QPointF tip(5, 23 + lift);
    QRadialGradient g(tip + QPointF(-3, -3), 11);
    g.setColorAt(0, QColor(255, 214, 190));
    g.setColorAt(0.7, QColor(242, 170, 150));
    g.setColorAt(1, kSkinShade);
    p.fillPath(circle(tip, 10), QBrush(g));
    for (int side : {-1, 1}) {
        const QPointF wing = tip + QPointF(side * 10, 3);
        p.fillPath(circle(wing, 5), kSkinShade);
        QPainterPath w;
        w.arcMoveTo(QRectF(wing.x() - 5, wing.y() - 5, 10, 10), side > 0 ? 100 : 80);
        w.arcTo(QRectF(wing.x() - 5, wing.y() - 5, 10, 10), side > 0 ? 100 : 80, side > 0 ? -200 : 200);
        p.strokePath(w, ink(1.6));
        p.fillPath(ellipse(tip + QPointF(side * 4.5, 7), 2.6, 1.6), QColor(90, 30, 30));
    }
    QPainterPath under;
    under.arcMoveTo(QRectF(tip.x() - 10, tip.y() - 10, 20, 20), 200);
    under.arcTo(QRectF(tip.x() - 10, tip.y() - 10, 20, 20), 200, 140);
    p.strokePath(under, ink(1.8));
    p.fillPath(circle(tip + QPointF(-3.5, -4), 2.4), QColor(255, 245, 235, 220));
}

// Lips between two corners; `upperMid`/`lowerMid` are the outer lip edges
// at the middle, `seam` the line where the lips meet.
struct Lips {
    QPointF left, right;
    double upperMid, lowerMid;
    double seamMid;    // y of the seam at the middle
    double open = 0;   // gap between the lips at the middle (teeth showing)
};

Lips lipsFor(Mood mood)
{
    switch (mood) {
    case Mood::Beaming:
        return {{-32, 40}, {32, 40}, 34, 68, 47, 13};
    case Mood::Smug:
        return {{-24, 53}, {31, 33}, 37, 60, 47, 0};
    case Mood::Grudging:
        return {{-20, 56}, {20, 54}, 42, 64, 52, 0};
    case Mood::Farewell:
        return {{-32, 38}, {30, 42}, 34, 68, 46, 14};
    }
    return {};
}

void paintMouth(QPainter &p, Mood mood)
{
    const Lips m = lipsFor(mood);
    auto at = [&](double fx, double y) { return QPointF(m.left.x() + (m.right.x() - m.left.x()) * fx, y); };
    auto cornerY = [&](double fx) { return m.left.y() + (m.right.y() - m.left.y()) * fx; };

    // Outer edge: cupid's bow on top, full lower lip below.
    QPainterPath outer;
    outer.moveTo(m.left);
    outer.cubicTo(at(0.2, cornerY(0.2) - 6), at(0.35, m.upperMid - 2), at(0.44, m.upperMid - 1));
    outer.quadTo(at(0.5, m.upperMid + 3), at(0.56, m.upperMid - 1));
    outer.cubicTo(at(0.65, m.upperMid - 2), at(0.8, cornerY(0.8) - 6), m.right);
    outer.cubicTo(at(0.85, m.lowerMid - 2), at(0.15, m.lowerMid - 2), m.left);
    outer.closeSubpath();
    p.fillPath(outer, kLip);

    // The seam, and the opening when she shows her teeth.
    QPainterPath seam;
    seam.moveTo(m.left);
    seam.quadTo(at(0.5, m.seamMid * 2 - (m.left.y() + m.right.y()) / 2), m.right);
    if (m.open > 0) {
        QPainterPath gap;
        gap.moveTo(m.left + QPointF(3, 1));
        gap.quadTo(at(0.5, m.seamMid - m.open * 0.9), m.right + QPointF(-3, 1));
        gap.quadTo(at(0.5, m.seamMid + m.open * 1.5), m.left + QPointF(3, 1));
        gap.closeSubpath();
        p.fillPath(gap, QColor(70, 8, 20));
        p.save();
        p.setClipPath(gap);
        // A row of very white, very square teeth...
        const double top = m.seamMid - m.open * 0.9;
        p.fillRect(QRectF(m.left.x(), top - 4, m.right.x() - m.left.x(), m.open * 1.25 + 4),
                   QColor(252, 250, 240));
        for (int i = 1; i < 8; ++i) {
            const double x = m.left.x() + (m.right.x() - m.left.x()) * i / 8.0;
            p.strokePath([&] {
                QPainterPath l;
                l.moveTo(x, top - 4);
                l.lineTo(x, top + m.open * 1.2);
                return l;
            }(), QPen(QColor(190, 180, 170), 1.2));
        }
        // ...one of them wearing her lipstick.
        p.fillPath(ellipse(at(0.6, top + m.open * 0.35), 3.2, 2.4), QColor(220, 30, 60, 200));
        // Tongue at the bottom.
        p.fillPath(ellipse(at(0.5, m.seamMid + m.open * 1.2), (m.right.x() - m.left.x()) * 0.28, m.open * 0.55),
                   QColor(230, 90, 110));
        p.restore();
        p.strokePath(gap, ink(1.6));
    } else {
        p.strokePath(seam, QPen(kLipDark, 2.4, Qt::SolidLine, Qt::RoundCap));
    }
    // Gloss on the lower lip.
    QPainterPath gloss;
    gloss.moveTo(at(0.35, m.lowerMid - 6));
    gloss.quadTo(at(0.5, m.lowerMid - 4), at(0.62, m.lowerMid - 7));
    p.strokePath(gloss, QPen(kLipShine, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(outer, QPen(kLipDark, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    switch (mood) {
    case Mood::Smug: {
        // Dimple at the raised corner.
        QPainterPath d;
        d.moveTo(m.right + QPointF(4, -6));
        d.quadTo(m.right + QPointF(9, 0), m.right + QPointF(5, 7));
        p.strokePath(d, QPen(kSkinDeep, 2.2, Qt::SolidLine, Qt::RoundCap));
        break;
    }
    case Mood::Grudging: {
        // Sulky creases pulling the corners down, and a dimpled chin.
        for (const QPointF &c : {m.left, m.right}) {
            QPainterPath d;
            const double s = c.x() < 0 ? -1 : 1;
            d.moveTo(c + QPointF(s * 2, -4));
            d.quadTo(c + QPointF(s * 5, 4), c + QPointF(s * 3, 11));
            p.strokePath(d, QPen(kSkinDeep, 2.0, Qt::SolidLine, Qt::RoundCap));
        }
        QPainterPath chin;
        chin.moveTo(-7, 76);
        chin.quadTo(0, 72, 7, 76);
        p.strokePath(chin, QPen(kSkinDeep, 1.8, Qt::SolidLine, Qt::RoundCap));
        break;
    }
    default: {
        // Laugh lines either side of the grin.
        for (const QPointF &c : {m.left, m.right}) {
            QPainterPath d;
            const double s = c.x() < 0 ? -1 : 1;
            d.moveTo(c + QPointF(s * -2, -14));
            d.quadTo(c + QPointF(s * 8, -6), c + QPointF(s * 3, 6));
            p.strokePath(d, QPen(kSkinDeep, 2.0, Qt::SolidLine, Qt::RoundCap));
        }
        break;
    }
    }
}

void paintFace(QPainter &p, Mood mood)
{
    const QPainterPath face = facePath();
    p.fillPath(face, kSkin);
    p.save();
    p.setClipPath(face);
    // Shade on the far cheek and under the fringe.
    QLinearGradient side(QPointF(-55, 0), QPointF(55, 0));
    side.setColorAt(0, QColor(kSkinShade.red(), kSkinShade.green(), kSkinShade.blue(), 160));
    side.setColorAt(0.3, QColor(0, 0, 0, 0));
    side.setColorAt(0.75, QColor(0, 0, 0, 0));
    side.setColorAt(1, QColor(kSkinShade.red(), kSkinShade.green(), kSkinShade.blue(), 200));
    p.fillPath(face, QBrush(side));
    // Rouge applied by the fistful.
    for (int s : {-1, 1}) {
        const QPointF c(s * 34, 18);
        QRadialGradient g(c, 17);
        g.setColorAt(0, QColor(kRouge.red(), kRouge.green(), kRouge.blue(), 170));
        g.setColorAt(1, QColor(kRouge.red(), kRouge.green(), kRouge.blue(), 0));
        p.fillPath(circle(c, 17), QBrush(g));
    }
    p.restore();
    p.strokePath(face, ink(2.8));

    const FaceLook look = lookFor(mood);
    paintEye(p, -1, look, 0);
    paintEye(p, 1, look, 1);
    paintBrow(p, -1, look.brows[0]);
    paintBrow(p, 1, look.brows[1]);
    if (look.frownLines) {
        QPainterPath lines;
        lines.moveTo(-4, -34);
        lines.quadTo(-6, -27, -3, -20);
        lines.moveTo(4, -34);
        lines.quadTo(6, -27, 3, -20);
        p.strokePath(lines, QPen(kSkinDeep, 1.8, Qt::SolidLine, Qt::RoundCap));
    }
    paintNose(p, mood);
    paintMouth(p, mood);
    // Her beauty spot, left of the mouth, in every portrait.
    p.fillPath(circle(QPointF(-30, 32), 2.6), QColor(70, 30, 20));
}

// ---- the waving hand --------------------------------------------------------

void paintHand(QPainter &p, const Outfit &outfit)
{
    p.save();
    p.translate(88, 100);
    p.rotate(-6);
    p.scale(1.25, 1.25);
    // Sleeve and wrist first, coming up from below.
    QPainterPath sleeve;
    sleeve.moveTo(-22, 38);
    sleeve.cubicTo(-22, 80, -6, 130, 20, 180);
    sleeve.lineTo(90, 180);
    sleeve.cubicTo(60, 130, 34, 80, 26, 38);
    sleeve.closeSubpath();
    QLinearGradient sg(QPointF(-22, 0), QPointF(30, 0));
    sg.setColorAt(0, outfit.jacket);
    sg.setColorAt(1, outfit.jacketShade);
    p.fillPath(sleeve, QBrush(sg));
    p.strokePath(sleeve, ink(2.6));
    QPainterPath wrist;
    wrist.addRect(QRectF(-14, 14, 30, 28));
    p.fillPath(wrist, kSkin);
    // Bangles.
    for (int i = 0; i < 2; ++i) {
        const QRectF band(-20, 28 + i * 6, 42, 7);
        p.fillRect(band, i ? kGoldDark : kGold);
    }

    QPainterPath hand = ellipse({0, 2}, 17, 19);
    struct Finger {
        double angle, length;
    };
    const std::array<Finger, 4> fingers{{{-28, 30}, {-10, 35}, {8, 33}, {26, 26}}};
    std::vector<QPointF> tips;
    for (const Finger &f : fingers) {
        QTransform t;
        t.rotate(f.angle);
        const QPointF base = t.map(QPointF(0, -6));
        const QPointF tip = t.map(QPointF(0, -12 - f.length));
        QPainterPath finger;
        finger.moveTo(base);
        finger.lineTo(tip);
        QPainterPathStroker st;
        st.setWidth(9.5);
        st.setCapStyle(Qt::RoundCap);
        hand = hand.united(st.createStroke(finger));
        tips.push_back(tip);
    }
    QPainterPath thumb;
    thumb.moveTo(-12, 4);
    thumb.quadTo(-28, 0, -36, -18);
    QPainterPathStroker ts;
    ts.setWidth(12);
    ts.setCapStyle(Qt::RoundCap);
    hand = hand.united(ts.createStroke(thumb));
    tips.push_back(QPointF(-36, -18));
    p.fillPath(hand, kSkin);
    p.save();
    p.setClipPath(hand);
    p.fillPath(ellipse({8, 10}, 12, 11), QColor(kSkinShade.red(), kSkinShade.green(), kSkinShade.blue(), 110));
    p.restore();
    p.strokePath(hand, ink(2.4));
    // Knuckle creases and long red talons.
    for (std::size_t i = 0; i < tips.size(); ++i) {
        const QPointF tip = tips[i];
        const QPointF dir = (i < 4 ? tip : tip - QPointF(-12, 4));
        const double len = std::hypot(dir.x(), dir.y());
        const QPointF u = dir / len;
        const QPointF nail = tip - u * 3.0;
        QTransform t;
        t.translate(nail.x(), nail.y());
        t.rotateRadians(std::atan2(u.y(), u.x()) + kPi / 2);
        const QPainterPath n = t.map(ellipse({0, 0}, 3.6, 5.2));
        p.fillPath(n, kLip);
        p.strokePath(n, QPen(kLipDark, 1.2));
    }
    p.restore();

    // Little motion ticks: she is waving.
    for (int i = 0; i < 3; ++i) {
        QPainterPath tick;
        const double r = 62 + i * 10;
        tick.arcMoveTo(QRectF(88 - r, 96 - r, 2 * r, 2 * r), 30);
        tick.arcTo(QRectF(88 - r, 96 - r, 2 * r, 2 * r), 30, 42);
        p.strokePath(tick, QPen(QColor(255, 255, 255, 210), 3.0, Qt::SolidLine, Qt::RoundCap));
    }
}

// ---- putting her in a picture -------------------------------------------

void paintHost(QPainter &p, const Shot &shot)
{
    p.save();
    p.translate(shot.origin);
    p.scale(shot.scale, shot.scale);
    p.translate(0, 100);
    p.rotate(shot.tilt);
    p.translate(0, -100);

    // The hair behind everything, then the body, then the head on top of it.
    p.save();
    p.translate(0, 60);
    p.rotate(shot.headTilt);
    p.translate(0, -60);
    paintHairVolume(p);
    p.restore();

    paintBody(p, shot.outfit);

    p.save();
    p.translate(0, 60);
    p.rotate(shot.headTilt);
    p.translate(0, -60);
    paintEars(p);
    paintFace(p, shot.mood);
    paintFringe(p);
    paintEarrings(p);
    if (shot.wave)
        paintHand(p, shot.outfit);
    p.restore();
    p.restore();
}

const Outfit kFuchsia{QColor(214, 22, 128), QColor(120, 8, 70), QColor(255, 150, 220)};
const Outfit kPlum{QColor(92, 30, 110), QColor(40, 10, 52), QColor(214, 160, 255)};
const Outfit kEvening{QColor(34, 30, 40), QColor(4, 4, 8), QColor(255, 214, 120)};
const Outfit kCrimson{QColor(170, 22, 40), QColor(84, 8, 18), QColor(255, 190, 110)};

} // namespace

QImage drawHostCard(int scale)
{
    return renderSupersampled(118, 158, scale, 4, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, 118, 158), QColor(10, 8, 12));
        QRadialGradient spot(QPointF(56, 58), 70);
        spot.setColorAt(0, QColor(56, 34, 64));
        spot.setColorAt(1, QColor(10, 8, 12));
        p.fillRect(QRectF(0, 0, 118, 158), QBrush(spot));
        paintHost(p, {Mood::Beaming, QPointF(55, 64), 0.32, 0, -4, kFuchsia, false});

        // Name plate: a silvery-blue lozenge across the lower third.
        const QRectF plate(2, 106, 104, 44);
        QPainterPath oval;
        oval.addEllipse(plate);
        p.fillPath(oval.translated(1.2, 1.6), QColor(0, 0, 0, 170));
        QLinearGradient g(plate.topLeft(), plate.bottomLeft());
        g.setColorAt(0, QColor(226, 238, 250));
        g.setColorAt(0.45, QColor(158, 186, 214));
        g.setColorAt(0.55, QColor(124, 156, 192));
        g.setColorAt(1, QColor(196, 216, 236));
        p.fillPath(oval, QBrush(g));
        p.strokePath(oval, QPen(QColor(60, 80, 110), 1.2));
        p.strokePath(QPainterPath([&] {
                         QPainterPath inner;
                         inner.addEllipse(plate.adjusted(3, 3, -3, -3));
                         return inner;
                     }()),
                     QPen(QColor(255, 255, 255, 170), 0.8));

        const QString name = QStringLiteral("MARZELLE");
        const double cap = 12.0, stretch = 0.86;
        const double width = textAdvance(QStringLiteral("Liberation Sans"), 700, name, cap, stretch);
        const QPainterPath text = textPath(QStringLiteral("Liberation Sans"), 700, name, cap, stretch)
                                      .translated(plate.center().x() - width / 2, plate.center().y() + cap / 2);
        p.strokePath(text, QPen(QColor(30, 50, 90), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(text, Qt::white);
    });
}

QImage drawHostWrong(int scale)
{
    return renderSupersampled(150, 200, scale, 4, [](QPainter &p) {
        const QRectF photo(18, 0, 117, 200);
        QRadialGradient bg(QPointF(76, 70), 120);
        bg.setColorAt(0, QColor(96, 84, 72));
        bg.setColorAt(1, QColor(48, 40, 34));
        p.fillRect(photo, QBrush(bg));
        p.save();
        p.setClipRect(photo);
        paintHost(p, {Mood::Smug, QPointF(78, 84), 0.44, -3, 9, kPlum, false});
        p.restore();
        p.fillRect(QRectF(0, 0, 18, 200), Qt::white);
        p.fillRect(QRectF(135, 0, 15, 200), Qt::white);
    });
}

QImage drawHostCorrect(int scale)
{
    return renderSupersampled(150, 217, scale, 4, [](QPainter &p) {
        const QRectF frame(0, 0, 150, 217);
        p.fillRect(frame, QColor(29, 94, 154));
        // Warm studio light from the left.
        QLinearGradient warm(QPointF(0, 0), QPointF(150, 0));
        warm.setColorAt(0, QColor(230, 120, 40, 200));
        warm.setColorAt(0.55, QColor(200, 100, 40, 60));
        warm.setColorAt(0.8, QColor(0, 0, 0, 0));
        p.fillRect(frame, QBrush(warm));
        paintHost(p, {Mood::Grudging, QPointF(60, 96), 0.61, 2, -6, kCrimson, false});
        // A wash of warm light over her, not over the backcloth.
        QLinearGradient wash(QPointF(0, 0), QPointF(142, 0));
        wash.setColorAt(0, QColor(255, 150, 60, 34));
        wash.setColorAt(1, QColor(255, 150, 60, 0));
        p.fillRect(frame, QBrush(wash));
    });
}

QImage drawHostFarewell(int scale)
{
    return renderSupersampled(150, 217, scale, 4, [](QPainter &p) {
        const QRectF frame(0, 0, 150, 217);
        QLinearGradient bg(QPointF(150, 0), QPointF(0, 217));
        bg.setColorAt(0, QColor(24, 44, 150));
        bg.setColorAt(0.5, QColor(12, 26, 110));
        bg.setColorAt(0.8, QColor(2, 4, 20));
        bg.setColorAt(1, QColor(0, 0, 0));
        p.fillRect(frame, QBrush(bg));
        paintHost(p, {Mood::Farewell, QPointF(66, 90), 0.44, 0, -8, kEvening, true});
    });
}

} // namespace picturegen
