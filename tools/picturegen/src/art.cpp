#include "art.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace picturegen {

QImage renderSupersampled(int width, int height, int scale, int factor, const std::function<void(QPainter &)> &draw)
{
    width *= scale;
    height *= scale;
    QImage big(width * factor, height * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::black);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.scale(factor * scale, factor * scale);
        draw(painter);
    }
    if (factor == 1)
        return big;
    // Plain box average over factor x factor cells.
    QImage small(width, height, QImage::Format_ARGB32_Premultiplied);
    const int cell = factor * factor;
    std::vector<std::uint32_t> sums(std::size_t(width) * 4);
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int dy = 0; dy < factor; ++dy) {
            const QRgb *line = reinterpret_cast<const QRgb *>(big.constScanLine(y * factor + dy));
            for (int x = 0; x < width * factor; ++x) {
                const QRgb p = line[x];
                std::uint32_t *s = &sums[std::size_t(x / factor) * 4];
                s[0] += qAlpha(p);
                s[1] += qRed(p);
                s[2] += qGreen(p);
                s[3] += qBlue(p);
            }
        }
        QRgb *out = reinterpret_cast<QRgb *>(small.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::uint32_t *s = &sums[std::size_t(x) * 4];
            out[x] = qRgba(int((s[1] + cell / 2) / cell), int((s[2] + cell / 2) / cell),
                           int((s[3] + cell / 2) / cell), int((s[0] + cell / 2) / cell));
        }
    }
    return small;
}

void boxBlur(QImage &image, int radius, int passes)
{
    if (radius <= 0)
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width(), h = image.height();
    const int window = 2 * radius + 1;
    std::vector<QRgb> line(std::size_t(std::max(w, h)));
    std::vector<QRgb> result(line.size());

    auto blurLine = [&](int n) {
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](int i, int sign) {
            if (i < 0 || i >= n)
                return;
            const QRgb p = line[std::size_t(i)];
            sum[0] += sign * int(qAlpha(p));
            sum[1] += sign * int(qRed(p));
            sum[2] += sign * int(qGreen(p));
            sum[3] += sign * int(qBlue(p));
        };
        for (int i = -radius; i < radius; ++i)
            add(i, +1);
        for (int i = 0; i < n; ++i) {
            add(i + radius, +1);
            result[std::size_t(i)] = qRgba((sum[1] + window / 2) / window, (sum[2] + window / 2) / window,
                                           (sum[3] + window / 2) / window, (sum[0] + window / 2) / window);
            add(i - radius, -1);
        }
    };

    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < h; ++y) {
            QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            std::copy(row, row + w, line.begin());
            blurLine(w);
            std::copy(result.begin(), result.begin() + w, row);
        }
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < h; ++y)
                line[std::size_t(y)] = reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
            blurLine(h);
            for (int y = 0; y < h; ++y)
                reinterpret_cast<QRgb *>(image.scanLine(y))[x] = result[std::size_t(y)];
        }
    }
}

namespace {

// Outlines are taken at a large fixed size and scaled down afterwards, so
// they don't depend on screen resolution or hinting.
constexpr int kReferencePixels = 400;

QFont referenceFont(const QString &family, int weight)
{
    QFont font(family);
    font.setPixelSize(kReferencePixels);
    font.setWeight(QFont::Weight(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    font.setKerning(false);
    const QFontInfo info(font);
    if (info.family() != family) {
        std::fprintf(stderr, "picturegen: font \"%s\" is not installed (got \"%s\")\n", qPrintable(family),
                     qPrintable(info.family()));
        std::exit(3);
    }
    return font;
}

double referenceCapHeight(const QFont &font)
{
    QPainterPath h;
    h.addText(0, 0, font, QStringLiteral("H"));
    return -h.boundingRect().top();
}

} // namespace

QPainterPath textPath(const QString &family, int weight, const QString &text, double capHeight, double stretch)
{
    const QFont font = referenceFont(family, weight);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const double k = capHeight / referenceCapHeight(font);
    QTransform t;
    t.scale(k * stretch, k);
    return t.map(path);
}

double textAdvance(const QString &family, int weight, const QString &text, double capHeight, double stretch)
{
    const QFont font = referenceFont(family, weight);
    const double k = capHeight / referenceCapHeight(font);
    return QFontMetricsF(font).horizontalAdvance(text) * k * stretch;
}

} // namespace picturegen
