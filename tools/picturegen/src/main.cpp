// picturegen OUTDIR
//
// Draws the game's eight pictures and writes them into OUTDIR, each but the
// transparent dot also at twice its pixels (NAME@2x.jpg, logo@2x.gif). The output
// depends only on these sources, Qt, libjpeg and the installed fonts
// (DejaVu Sans, Liberation Sans): no clock, no locale, no random seed.

#include "art.h"
#include "gif_writer.h"
#include "jpeg_writer.h"
#include "palette.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>

#include <cstdio>
#include <optional>

using namespace picturegen;

namespace {

constexpr int kJpegQuality = 88;

bool writeFile(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    std::printf("%-18s %8lld bytes\n", qPrintable(name), static_cast<long long>(bytes.size()));
    return true;
}

// Reads a written GIF back with Qt's own decoder and compares every pixel,
// so a fault in our encoder shows up here and not in the game.
bool decodesBack(const QByteArray &gif, const IndexedImage &source, std::optional<std::uint8_t> transparent)
{
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (decoded.size() != QSize(source.width, source.height))
        return false;
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < source.width; ++x) {
            const std::uint8_t index = source.pixels[std::size_t(y) * std::size_t(source.width) + std::size_t(x)];
            const QRgb got = decoded.pixel(x, y);
            if (transparent && index == *transparent) {
                if (qAlpha(got) != 0)
                    return false;
            } else if (got != (source.palette[index] | 0xFF000000u)) {
                return false;
            }
        }
    return true;
}

bool writeGif(const QDir &dir, const QString &name, const IndexedImage &image,
              std::optional<std::uint8_t> transparent)
{
    const QByteArray bytes = encodeGif(image, transparent);
    if (!decodesBack(bytes, image, transparent)) {
        std::fprintf(stderr, "picturegen: %s does not decode back to what was drawn\n", qPrintable(name));
        return false;
    }
    return writeFile(dir, name, bytes);
}

bool writeJpeg(const QDir &dir, const QString &name, const QImage &image, QSize expected, ChromaSampling sampling)
{
    if (image.size() != expected) {
        std::fprintf(stderr, "picturegen: %s drawn at the wrong size\n", qPrintable(name));
        return false;
    }
    return writeFile(dir, name, encodeJpeg(image, kJpegQuality, sampling));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: picturegen OUTDIR\n");
        return 1;
    }
    // Text outlines need a font database, but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    QGuiApplication app(argc, argv);

    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "picturegen: no directory %s\n", argv[1]);
        return 1;
    }

    // Each picture at its size, then at twice its pixels for high-density
    // screens, beside it as NAME@2x; the transparent dot needs none.
    struct Photo {
        const char *name;
        QImage (*draw)(int scale);
        QSize size;
        ChromaSampling sampling;
    };
    const Photo photos[] = {
        {"backdrop", drawBackdrop, {1600, 900}, ChromaSampling::Halved},
        {"hostcard", drawHostCard, {118, 158}, ChromaSampling::Halved},
        {"hostwrong", drawHostWrong, {150, 200}, ChromaSampling::Halved},
        {"hostcorrect", drawHostCorrect, {150, 217}, ChromaSampling::Full},
        {"hostfarewell", drawHostFarewell, {150, 217}, ChromaSampling::Full},
        {"splat", drawSplat, {2267, 1417}, ChromaSampling::Halved},
    };
    const auto fileName = [](const char *name, int scale, const char *extension) {
        return QString::fromLatin1(name) + (scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)) +
               QLatin1String(extension);
    };

    bool ok = true;
    for (int scale : {1, 2}) {
        for (const Photo &photo : photos)
            ok = ok && writeJpeg(dir, fileName(photo.name, scale, ".jpg"), photo.draw(scale), photo.size * scale,
                                 photo.sampling);
        if (ok) {
            const QImage logo = drawLogo(scale);
            IndexedImage indexed = quantise(logo, 32);
            ok = logo.size() == QSize(95, 118) * scale &&
                 writeGif(dir, fileName("logo", scale, ".gif"), indexed, std::nullopt);
        }
    }
    if (ok) {
        IndexedImage dot;
        dot.width = 1;
        dot.height = 1;
        dot.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
        dot.pixels = {0};
        ok = writeGif(dir, QStringLiteral("blankdot.gif"), dot, std::uint8_t(0));
    }
    return ok ? 0 : 1;
}
