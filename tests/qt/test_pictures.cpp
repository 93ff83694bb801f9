// The pictures on the windows: each drawn where the placement puts it, each
// decoded once for the whole run, and a broken one leaving its control empty.

#include "platform/qt/form.h"
#include "platform/qt/image.h"
#include "platform/qt/label.h"
#include "platform/qt/picture.h"
#include "resources/picture_files.h"
#include "shell/picture_cache.h"
#include "shell/picture_views.h"
#include "support/game_driver.h"

#include <QFile>
#include <QTest>

using namespace tolvane;
using namespace tolvane::qt;
using namespace tolvane::testing;
using tolvane::testing::GameDriver;

namespace {

// The whole picture, decoded straight from the embedded file.
QImage pictureImage(PictureId id)
{
    const std::span<const unsigned char> file = pictureFile(id);
    return QImage::fromData(file.data(), int(file.size())).convertToFormat(QImage::Format_RGB32);
}

runtime::PictureSource &pictures() { return testing::testPictures(); }

const QtPicture *decoded(PictureId id) { return QtPicture::of(pictures().picture(id)); }

QRect toQRect(runtime::PixelRect r) { return {r.left, r.top, r.width, r.height}; }

// The client area as the player sees it, in logical pixels.
QImage clientOf(Form &form) { return form.clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

struct Window {
    explicit Window(ScreenId id) : form(layoutOf(id), pictures(), testFrame()) { form.show(); }
    Form form;
};

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void decodedAtTheirNaturalSize();
    void onlyThePartInViewIsKept_data();
    void onlyThePartInViewIsKept();
    void pictureBoxesDrawFromTheirInnerCorner();
    void backdropBandStartsAtItsRow();
    void stretchedPortraitsFillTheirRectangle();
    void stripOfBackColourBesideTheLastMatchPortrait();
    void splatCoversThePortraitButNotTheLogos();
    void onePictureDecodedOncePerRun();
    void brokenPictureLeavesItsControlEmpty();
};

void TestPictures::decodedAtTheirNaturalSize()
{
    for (const PictureInfo &info : pictureInventory) {
        QCOMPARE(pictureImage(info.id).size(), QSize(info.width, info.height));
        // The part kept is the part in view, pixel for pixel.
        const QtPicture *kept = decoded(info.id);
        QVERIFY2(kept, info.name.data());
        const QRect part = toQRect(partInView(info.id));
        QVERIFY(QRect(kept->offset(), kept->pixmap().size()).contains(part));
        const QImage whole = pictureImage(info.id);
        const QImage keptImage = kept->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        for (const QPoint p : {part.topLeft(), part.bottomRight(), part.center()})
            QCOMPARE(keptImage.pixel(p - kept->offset()), whole.pixel(p));
    }
    // blankdot is one transparent pixel.
    QCOMPARE(qAlpha(decoded(PictureId::blankdot)->pixmap().toImage().pixel(0, 0)), 0);
}

void TestPictures::onlyThePartInViewIsKept_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<QRect>("part");
    // Columns 0-585 and rows 64-599, over the title box and the six question and closing windows.
    QTest::newRow("backdrop") << int(PictureId::backdrop) << QRect(0, 64, 586, 536);
    // The closing window shows columns 600-1185 and rows 136-639 of the splat.
    QTest::newRow("splat") << int(PictureId::splat) << QRect(600, 136, 586, 504);
    // Each logo box shows 93 x 117 pixels; the card boxes 117 x 157 at most.
    QTest::newRow("logo") << int(PictureId::logo) << QRect(0, 0, 93, 117);
    QTest::newRow("hostcard") << int(PictureId::hostcard) << QRect(0, 0, 117, 157);
    // Stretched pictures are kept whole.
    QTest::newRow("hostwrong") << int(PictureId::hostwrong) << QRect(0, 0, 150, 200);
    QTest::newRow("hostcorrect") << int(PictureId::hostcorrect) << QRect(0, 0, 150, 217);
    QTest::newRow("blankdot") << int(PictureId::blankdot) << QRect(0, 0, 1, 1);
}

void TestPictures::onlyThePartInViewIsKept()
{
    QFETCH(int, picture);
    QFETCH(QRect, part);
    QCOMPARE(toQRect(partInView(PictureId(picture))), part);
}

void TestPictures::pictureBoxesDrawFromTheirInnerCorner()
{
    const QImage logo = pictureImage(PictureId::logo);
    const QImage card = pictureImage(PictureId::hostcard);
    const QImage backdrop = pictureImage(PictureId::backdrop);
    {
        // TOLVANE1: Picture1 at (0, -104) holds Picture2 at (24, 416) of its inner area.
        Window title(ScreenId::TOLVANE1);
        const QImage client = clientOf(title.form);
        QCOMPARE(client.pixel(28, 316), logo.pixel(0, 0));
        QCOMPARE(client.pixel(28 + 92, 316 + 116), logo.pixel(92, 116));
        // The backdrop in Picture1, from its inner corner at (2, -102).
        QCOMPARE(client.pixel(2, 0), backdrop.pixel(0, 102));
        QCOMPARE(client.pixel(530, 462), backdrop.pixel(528, 564));
        // The hidden host card never shows: its place shows the backdrop.
        QCOMPARE(client.pixel(372, 26), backdrop.pixel(370, 128));
    }
    {
        // TOLVANE2's card box is 105 px wide: 101 columns of the card show.
        Window first(ScreenId::TOLVANE2);
        const QImage client = clientOf(first.form);
        QCOMPARE(client.pixel(410, 26), card.pixel(0, 0));
        QCOMPARE(client.pixel(410 + 100, 26 + 156), card.pixel(100, 156));
        QCOMPARE(client.pixel(26, 338), logo.pixel(0, 0));
    }
}

void TestPictures::backdropBandStartsAtItsRow()
{
    const QImage backdrop = pictureImage(PictureId::backdrop);
    const struct {
        ScreenId id;
        int firstRow;
    } bands[] = {{ScreenId::TOLVANE2, 96}, {ScreenId::tolvane5, 80}, {ScreenId::tolvane8, 72},
                 {ScreenId::tolvane11, 64}, {ScreenId::tolvane17, 96}};
    for (const auto &band : bands) {
        Window window(band.id);
        const QImage client = clientOf(window.form);
        for (int x : {0, 13, 150, 300}) {
            QCOMPARE(client.pixel(x, 0), backdrop.pixel(x, band.firstRow));
            QCOMPARE(client.pixel(x, 10), backdrop.pixel(x, band.firstRow + 10));
        }
    }
}

void TestPictures::stretchedPortraitsFillTheirRectangle()
{
    const struct {
        ScreenId id;
        PictureId picture;
    } portraits[] = {{ScreenId::tolvane6, PictureId::hostcorrect}, {ScreenId::tolvane16, PictureId::hostwrong},
                     {ScreenId::tolvane17, PictureId::hostfarewell}};
    for (const auto &portrait : portraits) {
        Window window(portrait.id);
        auto *image = window.form.controlAs<Image>(u"Image1");
        const QRect rect = image->geometry();
        const QImage scaled = decoded(portrait.picture)
                                  ->pixmap()
                                  .scaled(rect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        const QImage client = clientOf(window.form);
        const QRect seen = rect.intersected(client.rect());
        for (const QPoint corner : {seen.topLeft(), seen.topRight(), seen.bottomLeft(), seen.bottomRight()})
            QCOMPARE(client.pixel(corner), scaled.pixel(corner - rect.topLeft()));
    }
    // tolvane16's portrait is 281 x 353 px, from 48 px left of the window.
    Window last(ScreenId::tolvane16);
    QCOMPARE(last.form.controlAs<Image>(u"Image1")->geometry(), QRect(-48, 0, 281, 353));
}

void TestPictures::stripOfBackColourBesideTheLastMatchPortrait()
{
    Window window(ScreenId::TOLVANE15);
    const QImage client = clientOf(window.form);
    const QRgb back = window.form.palette().color(QPalette::Button).rgb();
    QCOMPARE(client.width(), 291);
    for (int y : {0, 100, 360}) {
        QCOMPARE(client.pixel(289, y), back);
        QCOMPARE(client.pixel(290, y), back);
        QVERIFY(client.pixel(288, y) != back);
    }
}

void TestPictures::splatCoversThePortraitButNotTheLogos()
{
    const QImage splat = pictureImage(PictureId::splat);
    const QImage logo = pictureImage(PictureId::logo);
    GameDriver game;
    game.show(ScreenId::tolvane17);
    Form &closing = *game.form(ScreenId::tolvane17);
    const QPoint middle(290, 250); // inside Image1, away from every label
    const QImage before = clientOf(closing);
    QVERIFY(before.pixel(middle) != splat.pixel(middle + QPoint(600, 136)));

    QTest::mouseClick(game.control<Image>(ScreenId::tolvane17, "Image1"), Qt::LeftButton);
    QVERIFY(game.control<Image>(ScreenId::tolvane17, "Image3")->isVisible());
    const QImage after = clientOf(closing);
    QCOMPARE(after.pixel(middle), splat.pixel(middle + QPoint(600, 136)));
    QCOMPARE(after.pixel(0, 0), splat.pixel(600, 136));
    QCOMPARE(after.pixel(585, 503), splat.pixel(1185, 639));
    // The four logos stay above it, from their inner corners.
    for (const QPoint corner : {QPoint(26, 34), QPoint(466, 34), QPoint(26, 354), QPoint(466, 354)})
        QCOMPARE(after.pixel(corner), logo.pixel(0, 0));
    // The final message is drawn above the splat: some of its pixels are its green.
    const QRect message = game.control<Label>(ScreenId::tolvane17, "Label3")->geometry();
    bool green = false;
    for (int x = message.left(); x < message.right() && !green; ++x)
        for (int y = message.top(); y < message.bottom() && !green; ++y)
            green = qGreen(after.pixel(x, y)) > 200 && qRed(after.pixel(x, y)) < 60;
    QVERIFY(green);

    // Clicks now land on the splat, which has no handler.
    QTest::mouseClick(game.control<Image>(ScreenId::tolvane17, "Image3"), Qt::LeftButton, {}, middle);
    QVERIFY(!game.hasEnded());
}

void TestPictures::onePictureDecodedOncePerRun()
{
    GameDriver game(0.02);
    game.answerPrompt(QStringLiteral("Zoé"));
    game.start();
    // Right, then wrong, so that both kinds of verdict portrait are used.
    game.playQuestions({QStringLiteral("marzelle"), QStringLiteral("non"), QStringLiteral("x"),
                        QStringLiteral("vert"), QStringLiteral("vrai")});
    QVERIFY(game.waitUntilVisible(ScreenId::tolvane17));
    game.openAboutBox(ScreenId::tolvane17);
    for (const PictureInfo &info : pictureInventory)
        QVERIFY2(game.screens().pictures().decodeCount(info.id) == 1, info.name.data());
}

void TestPictures::brokenPictureLeavesItsControlEmpty()
{
    GameDriver game(0.02);
    game.runtime().brokenPictures = {PictureId::logo, PictureId::backdrop};
    game.answerPrompt(QStringLiteral("x"));
    game.start();
    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    const QImage client = clientOf(*game.form(ScreenId::TOLVANE2));
    const QRgb back = game.form(ScreenId::TOLVANE2)->palette().color(QPalette::Button).rgb();
    QCOMPARE(client.pixel(0, 0), back);    // no backdrop: the window's own colour
    QCOMPARE(client.pixel(30, 340), back); // an empty logo box
    QVERIFY(!game.screens().pictures().picture(PictureId::logo));
    // The game goes on as usual.
    game.playQuestions({QStringLiteral("marzelle")});
    QVERIFY(game.waitUntilVisible(ScreenId::tolvane5));
    QVERIFY(!game.hasEnded());
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
