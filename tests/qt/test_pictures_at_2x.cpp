// The pictures on a screen at twice the pixels (QT_SCALE_FACTOR=2): each
// drawn from its 2x file, pixel for pixel, in the rectangle its 1x picture
// takes at 1x, not the 1x picture enlarged.

#include "platform/qt/form.h"
#include "platform/qt/image.h"
#include "resources/picture_files.h"
#include "shell/picture_cache.h"
#include "support/game_driver.h"

#include <QTest>

using namespace tolvane;
using namespace tolvane::qt;
using namespace tolvane::testing;

namespace {

QImage pictureImage(PictureId id, int scale)
{
    const std::span<const unsigned char> file = pictureFile(id, scale);
    return QImage::fromData(file.data(), int(file.size())).convertToFormat(QImage::Format_RGB32);
}

// The client area in device pixels: two to each pixel of the layout.
QImage clientOf(Form &form) { return form.clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// True where a square of the screen is the 2x file's, pixel for pixel, and
// not what the 1x picture enlarged would show.
bool sharpAt(const QImage &client, QPoint device, const QImage &sharp, QPoint inSharp, const QImage &natural)
{
    const int side = 16;
    bool differsFromEnlarged = false;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const QRgb seen = client.pixel(device + QPoint(x, y));
            if (seen != sharp.pixel(inSharp + QPoint(x, y)))
                return false;
            differsFromEnlarged |= seen != natural.pixel((inSharp + QPoint(x, y)) / 2);
        }
    return differsFromEnlarged;
}

} // namespace

class TestPicturesAt2x : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void naturalPicturesComeFromTheir2xFiles();
    void stretchedPortraitFromIts2xFile();
    void splatFromIts2xFile();
    void eachFileDecodedOnceAheadOfItsWindow();
};

void TestPicturesAt2x::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void TestPicturesAt2x::naturalPicturesComeFromTheir2xFiles()
{
    const QImage logo = pictureImage(PictureId::logo, 2), logo1 = pictureImage(PictureId::logo, 1);
    const QImage backdrop = pictureImage(PictureId::backdrop, 2), backdrop1 = pictureImage(PictureId::backdrop, 1);
    const QImage card = pictureImage(PictureId::hostcard, 2), card1 = pictureImage(PictureId::hostcard, 1);
    {
        // The title: the logo box's inner corner at (28, 316), the backdrop's
        // row 102 at the client's top, both in layout pixels.
        Form title(layoutOf(ScreenId::TOLVANE1), testPictures(), testFrame());
        title.show();
        const QImage client = clientOf(title);
        QCOMPARE(client.width(), 2 * 531);
        QVERIFY(sharpAt(client, {56, 632}, logo, {0, 0}, logo1));
        QVERIFY(sharpAt(client, {56 + 170, 632 + 216}, logo, {170, 216}, logo1));
        QVERIFY(sharpAt(client, {4, 0}, backdrop, {0, 204}, backdrop1));
        QVERIFY(sharpAt(client, {500, 300}, backdrop, {496, 504}, backdrop1));
    }
    {
        // A question: the host card's box at (408, 24), clipped to 101 x 157 columns.
        Form first(layoutOf(ScreenId::TOLVANE2), testPictures(), testFrame());
        first.show();
        const QImage client = clientOf(first);
        QVERIFY(sharpAt(client, {820, 52}, card, {0, 0}, card1));
        QVERIFY(sharpAt(client, {820 + 100, 52 + 120}, card, {100, 120}, card1));
    }
    QCOMPARE(static_cast<PictureCache &>(testPictures()).decodeCount(PictureId::backdrop, 2), 1);
}

void TestPicturesAt2x::stretchedPortraitFromIts2xFile()
{
    // tolvane6: hostcorrect stretched to 294 x 361 layout pixels, from its 2x file.
    Form verdict(layoutOf(ScreenId::tolvane6), testPictures(), testFrame());
    verdict.show();
    const QRect rect = verdict.controlAs<Image>(u"Image1")->geometry();
    QCOMPARE(rect, QRect(0, 0, 294, 361));
    const QImage expected = pictureImage(PictureId::hostcorrect, 2)
                                .scaled(rect.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage client = clientOf(verdict);
    for (const QPoint p : {QPoint(0, 0), QPoint(300, 400), QPoint(587, 721), QPoint(120, 500)})
        QCOMPARE(client.pixel(p), expected.pixel(p));
}

void TestPicturesAt2x::splatFromIts2xFile()
{
    GameDriver game;
    game.show(ScreenId::tolvane17);
    QTest::mouseClick(game.control<Image>(ScreenId::tolvane17, "Image1"), Qt::LeftButton);
    const QImage client = clientOf(*game.form(ScreenId::tolvane17));
    // Image3 lies at (-600, -136): the splat's 2x pixel (1200 + x, 272 + y)
    // at device pixel (x, y); here the edges of the brush marks at the top.
    QVERIFY(sharpAt(client, {756, 8}, pictureImage(PictureId::splat, 2), {1956, 280},
                    pictureImage(PictureId::splat, 1)));
}

void TestPicturesAt2x::eachFileDecodedOnceAheadOfItsWindow()
{
    // As the program starts: the pictures decoded on a thread of their own,
    // the 2x files with them on this display, each once for the whole game.
    GameDriver game(0.02);
    game.screens().pictures().decodeInBackground();
    game.answerPrompt(QStringLiteral("Zoé"));
    game.start();
    game.playQuestions({QStringLiteral("marzelle"), QStringLiteral("non"), QStringLiteral("x"),
                        QStringLiteral("vert"), QStringLiteral("vrai")});
    QVERIFY(game.waitUntilVisible(ScreenId::tolvane17));
    // The splat, still hidden, is decoded already; shown, it is not decoded again.
    for (bool clicked : {false, true}) {
        if (clicked)
            QTest::mouseClick(game.control<Image>(ScreenId::tolvane17, "Image1"), Qt::LeftButton);
        for (const PictureInfo &info : pictureInventory) {
            QVERIFY2(game.screens().pictures().decodeCount(info.id, 1) == 1, info.name.data());
            const int sharp = info.id == PictureId::blankdot ? 0 : 1;
            QVERIFY2(game.screens().pictures().decodeCount(info.id, 2) == sharp, info.name.data());
        }
    }
}

QTEST_MAIN(TestPicturesAt2x)
#include "test_pictures_at_2x.moc"
