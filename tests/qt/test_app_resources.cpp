// Checks the program's identity files in src/resources/app: the icon file and
// the per-image files that tolvane.rc stores, read byte by byte; the desktop
// icons against the icon; the desktop entry and the AppStream metainfo with
// the validators that distributions run, and against each other.

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

#include <array>

#ifndef TOLVANE_APP_DIR
#error "TOLVANE_APP_DIR must name src/resources/app"
#endif

namespace {

const QString kAppDir = QStringLiteral(TOLVANE_APP_DIR);
// The desktop entry, the metainfo and the resource script as the build makes them.
const QString kIdentityDir = QStringLiteral(TOLVANE_IDENTITY_DIR);
const QString kAppId = QStringLiteral(TOLVANE_APP_ID);

QByteArray readFile(const QString &name, const QString &dir = kAppDir)
{
    QFile file(dir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int u8(const QByteArray &b, qsizetype at) { return quint8(b[at]); }
int u16(const QByteArray &b, qsizetype at) { return u8(b, at) | (u8(b, at + 1) << 8); }
qint64 u32(const QByteArray &b, qsizetype at) { return qint64(u16(b, at)) | (qint64(u16(b, at + 2)) << 16); }

// The standard sixteen Windows colours, in palette order.
constexpr std::array<QRgb, 16> kStandardColours{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr int kBlack = 0, kLightGrey = 7, kDarkGrey = 8, kCyan = 14, kWhite = 15;

// One icon image as stored: the directory's view of it and its pixels.
struct Entry {
    int width, height, colours, planes, bits;
    qint64 bytes, offset;
};

struct Decoded {
    int size = 0;
    QList<int> index;  // palette index of each pixel, row by row from the top
    QList<bool> clear; // mask bit of each pixel: true where the desktop shows through
    QList<QRgb> palette;

    int at(int x, int y) const { return index[y * size + x]; }
    bool clearAt(int x, int y) const { return clear[y * size + x]; }
    // What a desktop shows: the palette colour, or nothing where the mask is set.
    QRgb argb(int x, int y) const { return clearAt(x, y) ? 0u : (palette[at(x, y)] | 0xFF000000u); }
};

Entry entryAt(const QByteArray &ico, int i)
{
    const qsizetype e = 6 + 16 * i;
    return {u8(ico, e), u8(ico, e + 1), u8(ico, e + 2), u16(ico, e + 4), u16(ico, e + 6), u32(ico, e + 8),
            u32(ico, e + 12)};
}

qsizetype rowBytes(int width, int bits) { return (width * bits + 31) / 32 * 4; }

// Decodes a DIB with its mask; the header must already have been checked.
Decoded decodeDib(const QByteArray &dib)
{
    Decoded d;
    d.size = int(u32(dib, 4));
    const int bits = u16(dib, 14);
    const int colours = 1 << bits;
    for (int i = 0; i < colours; ++i) {
        const qsizetype p = 40 + 4 * i;
        d.palette << qRgb(u8(dib, p + 2), u8(dib, p + 1), u8(dib, p));
    }
    const qsizetype pixels = 40 + 4 * colours;
    const qsizetype colourRow = rowBytes(d.size, bits);
    const qsizetype mask = pixels + colourRow * d.size;
    const qsizetype maskRow = rowBytes(d.size, 1);
    for (int y = 0; y < d.size; ++y) {
        const qsizetype row = d.size - 1 - y; // stored bottom-up
        for (int x = 0; x < d.size; ++x) {
            const int byte = u8(dib, pixels + row * colourRow + x * bits / 8);
            d.index << (bits == 1 ? (byte >> (7 - x % 8)) & 1 : (x % 2 == 0 ? byte >> 4 : byte & 0xF));
            d.clear << (((u8(dib, mask + row * maskRow + x / 8) >> (7 - x % 8)) & 1) != 0);
        }
    }
    return d;
}

// Runs a validator on one of the files; empty when it passed, else its output.
QString validate(const QString &program, const QStringList &arguments, bool *found)
{
    const QString path = QStandardPaths::findExecutable(program);
    *found = !path.isEmpty();
    if (!*found)
        return {};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path, arguments);
    if (!process.waitForFinished(60000))
        return program + QStringLiteral(" did not finish");
    const QString output = QString::fromUtf8(process.readAll());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + QStringLiteral(" exited %1:\n").arg(process.exitCode()) + output;
    return {};
}

// The lines of a desktop entry's [Desktop Entry] group, as key -> value.
QMap<QString, QString> desktopEntry(const QByteArray &text)
{
    QMap<QString, QString> keys;
    bool inGroup = false;
    for (const QByteArray &raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inGroup && eq > 0)
            keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return keys;
}

} // namespace

class TestAppResources : public QObject {
    Q_OBJECT

private slots:
    void icoDirectory();
    void dibHeaders_data();
    void dibHeaders();
    void drawing_data();
    void drawing();
    void resourceFilesMatchIco();
    void qtReadsTheIco();
    void desktopIcons_data();
    void desktopIcons();
    void iconAtEverySize_data();
    void iconAtEverySize();
    void maskableIconKeepsToTheSafeCircle();
    void desktopEntryValidates();
    void metainfoValidates();
    void identityAgrees();
};

// A picture equals an icon image: the same transparency everywhere, the same
// colour wherever the icon is opaque.
static void sameAsIconImage(const QImage &picture, const Decoded &icon, const QString &what)
{
    QCOMPARE(picture.size(), QSize(icon.size, icon.size));
    for (int y = 0; y < icon.size; ++y)
        for (int x = 0; x < icon.size; ++x) {
            const QRgb got = picture.pixel(x, y);
            const QRgb want = icon.argb(x, y);
            QVERIFY2(qAlpha(got) == qAlpha(want) && (qAlpha(want) == 0 || got == want),
                     qPrintable(QStringLiteral("%1 pixel %2,%3: %4, icon has %5")
                                    .arg(what).arg(x).arg(y)
                                    .arg(got, 8, 16, QLatin1Char('0')).arg(want, 8, 16, QLatin1Char('0'))));
        }
}

void TestAppResources::icoDirectory()
{
    const QByteArray ico = readFile(QStringLiteral("tolvane.ico"));
    QVERIFY2(ico.size() >= 6 + 3 * 16, "tolvane.ico is missing or too short");
    QCOMPARE(u16(ico, 0), 0);  // reserved
    QCOMPARE(u16(ico, 2), 1);  // an icon, not a cursor
    QCOMPARE(u16(ico, 4), 3);

    // width, height, colour count, planes, bits per pixel, bytes, in the stored order
    const std::array<Entry, 3> expected{{
        {32, 32, 2, 1, 1, 304, 0},
        {32, 32, 16, 1, 4, 744, 0},
        {16, 16, 16, 1, 4, 296, 0},
    }};
    qint64 offset = 6 + 3 * 16; // the images follow the directory, one after another
    for (int i = 0; i < 3; ++i) {
        const Entry e = entryAt(ico, i);
        const QByteArray row = QByteArray::number(i + 1);
        QVERIFY2(e.width == expected[i].width && e.height == expected[i].height, row);
        QVERIFY2(e.colours == expected[i].colours, row);
        QCOMPARE(u8(ico, 6 + 16 * i + 3), 0); // reserved
        QVERIFY2(e.planes == 1 && e.bits == expected[i].bits, row);
        QVERIFY2(e.bytes == expected[i].bytes, row + " bytes " + QByteArray::number(e.bytes));
        QVERIFY2(e.offset == offset, row + " offset " + QByteArray::number(e.offset));
        offset += e.bytes;
    }
    QCOMPARE(qint64(ico.size()), offset);
}

void TestAppResources::dibHeaders_data()
{
    QTest::addColumn<int>("image");
    QTest::newRow("30001 32x32 2 colours") << 0;
    QTest::newRow("30002 32x32 16 colours") << 1;
    QTest::newRow("30003 16x16 16 colours") << 2;
}

void TestAppResources::dibHeaders()
{
    QFETCH(int, image);
    const QByteArray ico = readFile(QStringLiteral("tolvane.ico"));
    QVERIFY(ico.size() >= 6 + 3 * 16);
    const Entry e = entryAt(ico, image);
    QVERIFY(e.offset + e.bytes <= ico.size());
    const QByteArray dib = ico.mid(e.offset, e.bytes);

    QCOMPARE(u32(dib, 0), qint64(40));                // BITMAPINFOHEADER
    QCOMPARE(u32(dib, 4), qint64(e.width));
    QCOMPARE(u32(dib, 8), qint64(2 * e.height));      // colour rows and mask rows
    QCOMPARE(u16(dib, 12), 1);                        // planes
    QCOMPARE(u16(dib, 14), e.bits);
    QCOMPARE(u32(dib, 16), qint64(0));                // not compressed
    const qint64 colours = 1 << e.bits;
    const qint64 pixelBytes = (rowBytes(e.width, e.bits) + rowBytes(e.width, 1)) * e.height;
    const qint64 sizeImage = u32(dib, 20);
    QVERIFY2(sizeImage == 0 || sizeImage == pixelBytes, QByteArray::number(sizeImage));
    const qint64 used = u32(dib, 32);
    QVERIFY2(used == 0 || used == colours, "palette length");
    // Everything the header announces is there, and nothing more.
    QCOMPARE(qint64(dib.size()), 40 + 4 * colours + pixelBytes);

    // The palette: black and white, or the standard sixteen colours.
    for (int i = 0; i < colours; ++i) {
        const qsizetype p = 40 + 4 * i;
        const QRgb got = qRgb(u8(dib, p + 2), u8(dib, p + 1), u8(dib, p)) & 0xFFFFFF;
        const QRgb want = e.bits == 1 ? (i == 0 ? 0x000000u : 0xFFFFFFu) : kStandardColours[i];
        QVERIFY2(got == want && u8(dib, p + 3) == 0, qPrintable(QStringLiteral("palette entry %1 is %2")
                                                                    .arg(i).arg(got, 6, 16, QLatin1Char('0'))));
    }
}

void TestAppResources::drawing_data()
{
    dibHeaders_data();
}

void TestAppResources::drawing()
{
    QFETCH(int, image);
    const QByteArray ico = readFile(QStringLiteral("tolvane.ico"));
    QVERIFY(ico.size() >= 6 + 3 * 16);
    const Entry e = entryAt(ico, image);
    QVERIFY(e.offset + e.bytes <= ico.size());
    const Decoded d = decodeDib(ico.mid(e.offset, e.bytes));
    const int n = d.size;

    // The corners are transparent, the middle of the window is not, and a
    // transparent pixel is colour 0 so that the desktop shows through unchanged.
    for (const QPoint corner : {QPoint(0, 0), QPoint(n - 1, 0), QPoint(0, n - 1), QPoint(n - 1, n - 1)})
        QVERIFY2(d.clearAt(corner.x(), corner.y()), "a corner is opaque");
    QVERIFY2(!d.clearAt(n / 2, n / 2), "the middle is transparent");
    int opaque = 0;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (d.clearAt(x, y))
                QVERIFY2(d.at(x, y) == 0, qPrintable(QStringLiteral("transparent pixel %1,%2 is not colour 0").arg(x).arg(y)));
            else
                ++opaque;
        }
    // A window that fills much of the square, with transparent room around it.
    QVERIFY2(opaque > n * n / 3 && opaque < n * n * 4 / 5, QByteArray::number(opaque));

    if (e.bits == 1) {
        // Black and white, both used; the middle of the window is white.
        bool seen[2] = {false, false};
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                if (!d.clearAt(x, y))
                    seen[d.at(x, y)] = true;
        QVERIFY(seen[0] && seen[1]);
        QCOMPARE(d.at(n / 2, n / 2), 1);
        return;
    }

    // Only the five colours of the drawing, and each of them.
    QSet<int> used;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (!d.clearAt(x, y))
                used.insert(d.at(x, y));
    QCOMPARE(used, (QSet<int>{kBlack, kLightGrey, kDarkGrey, kCyan, kWhite}));

    // Down the middle column: the black frame, then the cyan title band, the
    // light grey band, the white body, the frame again at the bottom, and
    // below it at most the shadow.
    QList<int> column;
    for (int y = 0; y < n; ++y) {
        if (d.clearAt(n / 2, y))
            continue;
        if (column.isEmpty() || column.last() != d.at(n / 2, y))
            column << d.at(n / 2, y);
    }
    if (column.size() == 6 && column.last() == kDarkGrey)
        column.removeLast();
    QCOMPARE(column, (QList<int>{kBlack, kCyan, kLightGrey, kWhite, kBlack}));

    // The shadow lies to the lower right of the window: its pixels are, on
    // average, right of and below the window's own.
    double wx = 0, wy = 0, sx = 0, sy = 0;
    int window = 0, shadow = 0;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (d.clearAt(x, y))
                continue;
            if (d.at(x, y) == kDarkGrey) {
                sx += x; sy += y; ++shadow;
            } else {
                wx += x; wy += y; ++window;
            }
        }
    QVERIFY(shadow > 0 && window > 0);
    QVERIFY2(sx / shadow > wx / window && sy / shadow > wy / window, "the shadow is not at the lower right");
    // Every shadow pixel touches the window or more shadow above or to its left.
    for (int y = 1; y < n; ++y)
        for (int x = 1; x < n; ++x)
            if (!d.clearAt(x, y) && d.at(x, y) == kDarkGrey)
                QVERIFY2(!d.clearAt(x - 1, y) || !d.clearAt(x, y - 1) || !d.clearAt(x - 1, y - 1),
                         qPrintable(QStringLiteral("stray shadow pixel at %1,%2").arg(x).arg(y)));
}

void TestAppResources::resourceFilesMatchIco()
{
    // tolvane.rc stores the images and their group from rc/: they must be
    // the very images of tolvane.ico, listed under the ids 30001 to 30003.
    const QByteArray ico = readFile(QStringLiteral("tolvane.ico"));
    QVERIFY(ico.size() >= 6 + 3 * 16);
    const QByteArray group = readFile(QStringLiteral("rc/icon-group-1.bin"));
    QCOMPARE(group.size(), 6 + 3 * 14);
    QCOMPARE(group.left(6), ico.left(6));
    for (int i = 0; i < 3; ++i) {
        const Entry e = entryAt(ico, i);
        const QByteArray name = "rc/icon-" + QByteArray::number(30001 + i) + ".dib";
        QVERIFY2(readFile(QString::fromLatin1(name)) == ico.mid(e.offset, e.bytes), name + " differs from tolvane.ico");
        // The group entry is the .ico entry with the resource id for the offset.
        QVERIFY2(group.mid(6 + 14 * i, 12) == ico.mid(6 + 16 * i, 12), "group entry");
        QCOMPARE(u16(group, 6 + 14 * i + 12), 30001 + i);
    }
}

void TestAppResources::qtReadsTheIco()
{
    // An independent decoder: Qt's own icon reader gets the same pixels.
    if (!QImageReader::supportedImageFormats().contains("ico"))
        QSKIP("Qt's ico image plugin is not installed");
    const QByteArray ico = readFile(QStringLiteral("tolvane.ico"));
    QVERIFY(ico.size() >= 6 + 3 * 16);
    QImageReader reader(kAppDir + QStringLiteral("/tolvane.ico"), "ico");
    QCOMPARE(reader.imageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        const Entry e = entryAt(ico, i);
        const Decoded d = decodeDib(ico.mid(e.offset, e.bytes));
        sameAsIconImage(image, d, QStringLiteral("image %1").arg(i));
        if (QTest::currentTestFailed())
            return;
    }
}

void TestAppResources::desktopIcons_data()
{
    QTest::addColumn<QString>("png");
    QTest::addColumn<int>("image");
    QTest::newRow("16x16") << QStringLiteral("icons/16x16/tolvane.png") << 2;
    QTest::newRow("32x32") << QStringLiteral("icons/32x32/tolvane.png") << 1;
}

void TestAppResources::desktopIcons()
{
    // The Linux icons are the sixteen-colour images, with the mask as alpha.
    QFETCH(QString, png);
    QFETCH(int, image);
    const QImage picture = QImage(kAppDir + QLatin1Char('/') + png).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!picture.isNull(), qPrintable(png));
    const QByteArray ico = readFile(QStringLiteral("tolvane.ico"));
    QVERIFY(ico.size() >= 6 + 3 * 16);
    const Entry e = entryAt(ico, image);
    const Decoded d = decodeDib(ico.mid(e.offset, e.bytes));
    sameAsIconImage(picture, d, png);
}

void TestAppResources::iconAtEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64, 128, 180, 192, 256, 512})
        QTest::newRow(qPrintable(QStringLiteral("%1x%1").arg(size))) << size;
}

void TestAppResources::iconAtEverySize()
{
    // The one drawing at each size: transparent corners, the white body in
    // the middle, each of its five colours.
    QFETCH(int, size);
    const QString png = QStringLiteral("icons/%1x%1/tolvane.png").arg(size);
    const QImage picture = QImage(kAppDir + QLatin1Char('/') + png).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!picture.isNull(), qPrintable(png));
    QCOMPARE(picture.size(), QSize(size, size));
    for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
        QCOMPARE(qAlpha(picture.pixel(corner)), 0);
    QCOMPARE(picture.pixel(size / 2, size / 2), 0xFFFFFFFFu);
    const QSet<QRgb> inks{kStandardColours[kBlack], kStandardColours[kLightGrey], kStandardColours[kDarkGrey],
                          kStandardColours[kCyan], kStandardColours[kWhite]};
    QSet<QRgb> opaque;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (qAlpha(picture.pixel(x, y)) == 255)
                opaque.insert(picture.pixel(x, y) & 0xFFFFFFu);
    QVERIFY2(opaque.contains(inks), qPrintable(png));
    // The small icons are crisp, one ink a pixel; the larger ones mix inks at edges.
    if (size <= 32)
        QVERIFY2(inks.contains(opaque), qPrintable(png));
}

void TestAppResources::maskableIconKeepsToTheSafeCircle()
{
    // A phone cuts the maskable icon to a shape of its own, which always
    // keeps the circle of 80 % of the square: the square is opaque, and
    // outside that circle nothing but the background shows.
    const QImage picture =
        QImage(kAppDir + QStringLiteral("/icons/maskable-512x512/tolvane.png")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(picture.size(), QSize(512, 512));
    const QRgb background = picture.pixel(0, 0);
    int drawn = 0;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) {
            const QRgb p = picture.pixel(x, y);
            QVERIFY2(qAlpha(p) == 255, qPrintable(QStringLiteral("%1,%2 is not opaque").arg(x).arg(y)));
            const double dx = x + 0.5 - 256, dy = y + 0.5 - 256;
            if (p != background) {
                ++drawn;
                QVERIFY2(dx * dx + dy * dy < 204.8 * 204.8,
                         qPrintable(QStringLiteral("%1,%2 is drawn outside the safe circle").arg(x).arg(y)));
            }
        }
    QVERIFY2(drawn > 512 * 512 / 4, "the drawing is missing or too small");
}

void TestAppResources::desktopEntryValidates()
{
    bool found = false;
    const QString fault = validate(QStringLiteral("desktop-file-validate"),
                                   {kIdentityDir + QLatin1Char('/') + kAppId + QStringLiteral(".desktop")}, &found);
    if (!found)
        QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestAppResources::metainfoValidates()
{
    bool found = false;
    const QString fault = validate(QStringLiteral("appstreamcli"),
                                   {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                    kIdentityDir + QLatin1Char('/') + kAppId + QStringLiteral(".metainfo.xml")},
                                   &found);
    if (!found)
        QSKIP("appstreamcli is not installed (Debian package appstream)");
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestAppResources::identityAgrees()
{
    // The desktop entry, the metainfo and the Windows version block describe
    // one program: same id, same launcher, same icon name, same version.
    const QByteArray desktopText = readFile(kAppId + QStringLiteral(".desktop"), kIdentityDir);
    QVERIFY2(!desktopText.isEmpty(), "no desktop entry");
    const QMap<QString, QString> entry = desktopEntry(desktopText);
    QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("tolvane"));
    // Installed as icons/hicolor/<size>/apps/<id>.png.
    QCOMPARE(entry.value(QStringLiteral("Icon")), kAppId);
    QVERIFY(entry.value(QStringLiteral("Categories")).split(QLatin1Char(';')).contains(QStringLiteral("Game")));
    QVERIFY(!entry.value(QStringLiteral("Name[fr]")).isEmpty());
    QVERIFY(!entry.value(QStringLiteral("Comment[fr]")).isEmpty() || !entry.value(QStringLiteral("Comment")).isEmpty());

    const QByteArray metainfo = readFile(kAppId + QStringLiteral(".metainfo.xml"), kIdentityDir);
    QVERIFY2(!metainfo.isEmpty(), "no metainfo");
    QString id, launchable, name;
    QStringList releases;
    QXmlStreamReader xml(metainfo);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto tag = xml.name();
        if (tag == QLatin1String("id"))
            id = xml.readElementText();
        else if (tag == QLatin1String("launchable"))
            launchable = xml.readElementText();
        else if (tag == QLatin1String("name") && xml.attributes().value(QStringLiteral("xml:lang")).isEmpty())
            name = xml.readElementText();
        else if (tag == QLatin1String("release"))
            releases << xml.attributes().value(QStringLiteral("version")).toString();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(id, kAppId);
    QCOMPARE(launchable, kAppId + QStringLiteral(".desktop"));
    QCOMPARE(name, entry.value(QStringLiteral("Name")));

    // The newest release is the version the Windows block gives.
    const QString rc = QString::fromUtf8(readFile(QStringLiteral("tolvane.rc"), kIdentityDir));
    const QRegularExpressionMatch version =
        QRegularExpression(QStringLiteral("VALUE\\s+\"ProductVersion\",\\s*\"([^\"]*)\"")).match(rc);
    QVERIFY2(version.hasMatch(), "no ProductVersion in tolvane.rc");
    QVERIFY(!releases.isEmpty());
    QCOMPARE(releases.first(), version.captured(1));
    QVERIFY2(rc.contains(QStringLiteral("\"ProductName\", \"") + name + QLatin1Char('"')),
             "tolvane.rc names the product differently");
}

QTEST_GUILESS_MAIN(TestAppResources)
#include "test_app_resources.moc"
