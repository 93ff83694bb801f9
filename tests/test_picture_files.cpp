// Checks the container headers of the eight embedded pictures: the picture
// decoder only promises to read baseline JPEG and single-image GIF89a, so a
// regenerated file that drifts from those formats must fail here.

#include <QFile>
#include <QTest>

namespace {

int word16be(const QByteArray &b, qsizetype at) { return (quint8(b[at]) << 8) | quint8(b[at + 1]); }
int word16le(const QByteArray &b, qsizetype at) { return quint8(b[at]) | (quint8(b[at + 1]) << 8); }

QByteArray readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestPictureFiles : public QObject {
    Q_OBJECT

private slots:
    void jpegHeaders_data();
    void jpegHeaders();
    void gifHeaders_data();
    void gifHeaders();
};

void TestPictureFiles::jpegHeaders_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("lumaSampling"); // H << 4 | V of the Y component

    QTest::newRow("backdrop") << ":/pictures/backdrop.jpg" << 1600 << 900 << 0x22;
    QTest::newRow("hostcard") << ":/pictures/hostcard.jpg" << 118 << 158 << 0x22;
    QTest::newRow("hostwrong") << ":/pictures/hostwrong.jpg" << 150 << 200 << 0x22;
    QTest::newRow("splat") << ":/pictures/splat.jpg" << 2267 << 1417 << 0x22;
    QTest::newRow("hostcorrect") << ":/pictures/hostcorrect.jpg" << 150 << 217 << 0x11;
    QTest::newRow("hostfarewell") << ":/pictures/hostfarewell.jpg" << 150 << 217 << 0x11;
}

void TestPictureFiles::jpegHeaders()
{
    QFETCH(QString, path);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, lumaSampling);

    const QByteArray b = readResource(path);
    QVERIFY2(b.size() > 4, qPrintable(path));
    QCOMPARE(word16be(b, 0), 0xFFD8);               // SOI
    QCOMPARE(word16be(b, b.size() - 2), 0xFFD9);    // EOI
    QCOMPARE(word16be(b, 2), 0xFFE0);               // APP0 straight after SOI
    QCOMPARE(b.mid(6, 5), QByteArray("JFIF\0", 5));

    // Walk the marker segments up to the start of scan.
    int frames = 0;
    qsizetype at = 2;
    for (;;) {
        QVERIFY2(at + 4 <= b.size(), "ran off the end before SOS");
        QCOMPARE(quint8(b[at]), quint8(0xFF));
        const int marker = quint8(b[at + 1]);
        const int length = word16be(b, at + 2);
        QVERIFY(at + 2 + length <= b.size());
        if (marker == 0xDA)
            break;
        QVERIFY2(marker != 0xC2, "progressive frame");
        // Any other start-of-frame (extended, lossless, arithmetic) is refused.
        const bool otherFrame = marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                                marker != 0xCC;
        QVERIFY2(!otherFrame, qPrintable(QStringLiteral("frame marker %1").arg(marker, 0, 16)));
        if (marker == 0xC0) {
            ++frames;
            const qsizetype f = at + 4;
            QCOMPARE(int(quint8(b[f])), 8);       // sample precision
            QCOMPARE(word16be(b, f + 1), height);
            QCOMPARE(word16be(b, f + 3), width);
            QCOMPARE(int(quint8(b[f + 5])), 3);   // components
            QCOMPARE(length, 8 + 3 * 3);
            QCOMPARE(int(quint8(b[f + 6 + 1])), lumaSampling);
            QCOMPARE(int(quint8(b[f + 9 + 1])), 0x11);
            QCOMPARE(int(quint8(b[f + 12 + 1])), 0x11);
        }
        at += 2 + length;
    }
    QCOMPARE(frames, 1);
}

void TestPictureFiles::gifHeaders_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("colours");
    QTest::addColumn<bool>("transparent");

    QTest::newRow("logo") << ":/pictures/logo.gif" << 95 << 118 << 32 << false;
    QTest::newRow("blankdot") << ":/pictures/blankdot.gif" << 1 << 1 << 2 << true;
}

void TestPictureFiles::gifHeaders()
{
    QFETCH(QString, path);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, colours);
    QFETCH(bool, transparent);

    const QByteArray b = readResource(path);
    QVERIFY2(b.size() > 13, qPrintable(path));
    QCOMPARE(b.left(6), QByteArray("GIF89a"));
    QCOMPARE(word16le(b, 6), width);
    QCOMPARE(word16le(b, 8), height);
    const int screen = quint8(b[10]);
    QVERIFY2(screen & 0x80, "no global colour table");
    QCOMPARE(2 << (screen & 0x07), colours);

    qsizetype at = 13 + 3 * colours;
    int images = 0, controls = 0;
    bool controlBeforeImage = false, flagged = false;
    int transparentIndex = -1;
    auto skipSubBlocks = [&] {
        while (at < b.size() && quint8(b[at]) != 0)
            at += 1 + quint8(b[at]);
        ++at; // block terminator
    };
    while (at < b.size() && quint8(b[at]) != 0x3B) {
        const int introducer = quint8(b[at]);
        if (introducer == 0x21) {
            QVERIFY(at + 2 < b.size());
            if (quint8(b[at + 1]) == 0xF9) {
                QCOMPARE(int(quint8(b[at + 2])), 4);
                ++controls;
                controlBeforeImage = controlBeforeImage || images == 0;
                flagged = quint8(b[at + 3]) & 0x01;
                transparentIndex = quint8(b[at + 6]);
            }
            at += 2;
            skipSubBlocks();
        } else if (introducer == 0x2C) {
            QVERIFY(at + 10 <= b.size());
            ++images;
            const int packed = quint8(b[at + 9]);
            QVERIFY2(!(packed & 0x40), "interlaced");
            at += 10;
            if (packed & 0x80)
                at += 3 * (2 << (packed & 0x07));
            ++at; // LZW minimum code size
            skipSubBlocks();
        } else {
            QFAIL(qPrintable(QStringLiteral("unexpected block 0x%1").arg(introducer, 2, 16, QLatin1Char('0'))));
        }
    }
    QCOMPARE(at, b.size() - 1); // the trailer is the last byte
    QCOMPARE(images, 1);
    QCOMPARE(controls, 1);
    QVERIFY(controlBeforeImage);
    QCOMPARE(flagged, transparent);
    if (transparent)
        QCOMPARE(transparentIndex, 0);
}

QTEST_GUILESS_MAIN(TestPictureFiles)
#include "test_picture_files.moc"
