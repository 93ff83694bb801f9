// Checks the window layout tables for slips a hand-typed table is prone to:
// a screen wired to the wrong layout, a TabIndex typed twice, a control out of
// drawing order, a lost leading space in a verdict, a picture resized by hand.

#include "resources/screen_layout.h"

#include <QtTest>

#include <algorithm>
#include <set>
#include <vector>

using namespace tolvane;

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

const ControlLayout *find(const ScreenLayout &screen, std::string_view name)
{
    for (const ControlLayout &c : screen.controls)
        if (qs(c.name).compare(qs(name), Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

// For spot checks: a missing control reads as an empty one, so the check fails
// instead of crashing.
const ControlLayout &at(const ScreenLayout &screen, std::string_view name)
{
    static constexpr ControlLayout missing{.name = "<missing>"};
    const ControlLayout *c = find(screen, name);
    return c ? *c : missing;
}

bool takesTabIndex(ControlKind k) { return k != ControlKind::Timer && k != ControlKind::Image; }

// Child windows (timers stand among them), then labels, then images.
int drawingRank(ControlKind k) { return k == ControlKind::Label ? 1 : k == ControlKind::Image ? 2 : 0; }

} // namespace

class TestLayouts : public QObject {
    Q_OBJECT

private slots:
    void everyScreen_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("hasMenu");
        const std::set<std::string_view> withMenu{"TOLVANE1", "TOLVANE2", "tolvane5", "tolvane8",
                                                  "tolvane11", "TOLVANE14", "tolvane17"};
        for (int slot = 0; slot < screenCount; ++slot)
            QTest::newRow(screenNames[slot].data()) << slot << withMenu.contains(screenNames[slot]);
    }

    void everyScreen()
    {
        QFETCH(int, slot);
        QFETCH(bool, hasMenu);
        const auto id = static_cast<ScreenId>(slot);
        const ScreenLayout &screen = layoutOf(id);

        QVERIFY(screen.id == id);
        QCOMPARE(qs(screen.name), qs(nameOf(id)));
        QCOMPARE(qs(screen.caption), id == ScreenId::frmapropos ? "A propos de..." : "LE TOLVANE VIRAIL");
        QVERIFY(screen.clientWidth > 0 && screen.clientHeight > 0);
        QVERIFY(!screen.controls.empty());

        QCOMPARE(screen.menu.present(), hasMenu);
        QCOMPARE(screen.menu.quit.empty(), !hasMenu);
        QCOMPARE(screen.menu.about.empty(), !hasMenu);

        std::vector<int> tabs;
        int rank = 0;
        for (const ControlLayout &c : screen.controls) {
            const QByteArray where = qs(c.name).toUtf8();
            if (takesTabIndex(c.kind))
                tabs.push_back(c.tabIndex);
            else
                QVERIFY2(c.tabIndex == -1, where);

            QVERIFY2(drawingRank(c.kind) >= rank, where);
            rank = drawingRank(c.kind);

            QVERIFY2(find(screen, c.name) == &c, where); // names unique, ignoring case
            if (!c.container.empty()) {
                const ControlLayout *box = find(screen, c.container);
                QVERIFY2(box && box != &c && box->kind == ControlKind::PictureBox, where);
            }

            const bool showsPicture = c.kind == ControlKind::Image || c.kind == ControlKind::PictureBox;
            QVERIFY2(showsPicture == (c.picture != PictureId::None), where);
            QVERIFY2(!c.stretch || c.kind == ControlKind::Image, where);
            QVERIFY2((c.kind == ControlKind::Timer) == (c.interval > 0), where);
            if (c.kind == ControlKind::Image && !c.stretch) {
                QCOMPARE(c.width, pictureInfo(c.picture).width * twipsPerPixel);
                QCOMPARE(c.height, pictureInfo(c.picture).height * twipsPerPixel);
            }
        }
        std::sort(tabs.begin(), tabs.end());
        for (int i = 0; i < int(tabs.size()); ++i)
            QCOMPARE(tabs[i], i);
    }

    void verdict_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("spaces");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("button");
        const struct { ScreenId id; int spaces; bool right; const char *button; } rows[] = {
            {ScreenId::tolvane3, 8, true, "&Suite"},   {ScreenId::tolvane4, 6, false, "&Suite"},
            {ScreenId::tolvane6, 4, true, "&Suite"},   {ScreenId::tolvane7, 3, false, "&Suite"},
            {ScreenId::tolvane9, 5, true, "&Suite"},   {ScreenId::tolvane10, 5, false, "&Suite"},
            {ScreenId::TOLVANE12, 6, true, "&Suite"},  {ScreenId::tolvane13, 2, false, "&Suite"},
            {ScreenId::TOLVANE15, 1, true, "&Fin"},    {ScreenId::tolvane16, 0, false, "&Fin"},
        };
        for (const auto &r : rows)
            QTest::newRow(nameOf(r.id).data()) << slotOf(r.id) << r.spaces << r.right << QString(r.button);
    }

    void verdict()
    {
        QFETCH(int, slot);
        QFETCH(int, spaces);
        QFETCH(bool, right);
        QFETCH(QString, button);
        const auto &c = layoutOf(static_cast<ScreenId>(slot)).controls;
        QCOMPARE(c.size(), std::size_t(3));

        QVERIFY(c[0].kind == ControlKind::CommandButton);
        QCOMPARE(qs(c[0].caption), button);
        QCOMPARE(c[0].tabIndex, 1);
        QCOMPARE(c[0].height, 375);
        QVERIFY(c[0].font == windowFont);

        QVERIFY(c[1].kind == ControlKind::Label);
        const QString text = qs(c[1].caption);
        QCOMPARE(int(text.indexOf(QRegularExpression("[^ ]"))), spaces);
        QVERIFY(c[1].font == (FontSpec{sansFace, 18.0, 400}));
        QVERIFY(c[1].foreColour.source == Colour::Source::Rgb && c[1].foreColour.rgb == 0x00FFFF);

        QVERIFY(c[2].kind == ControlKind::Image && c[2].stretch && c[2].top == 0);
        QVERIFY(c[2].picture == (right ? PictureId::hostcorrect : PictureId::hostwrong));
    }

    void questionScreensShareOneShape_data()
    {
        QTest::addColumn<int>("slot");
        for (ScreenId id : {ScreenId::tolvane5, ScreenId::tolvane8, ScreenId::tolvane11, ScreenId::TOLVANE14})
            QTest::newRow(nameOf(id).data()) << slotOf(id);
    }

    void questionScreensShareOneShape()
    {
        QFETCH(int, slot);
        for (const ControlLayout &c : layoutOf(static_cast<ScreenId>(slot)).controls) {
            QVERIFY(c.visible);
            if (c.kind == ControlKind::Label) {
                QVERIFY(c.font == (FontSpec{sansFace, 13.5, 400}) && c.caption.empty());
                QVERIFY(c.foreColour.source == Colour::Source::Rgb && c.foreColour.rgb == 0xFF00FF);
            } else if (c.kind == ControlKind::TextBox) {
                QVERIFY(c.font == (FontSpec{sansFace, 12.0, 400}) && c.height == 375);
            } else if (c.kind == ControlKind::CommandButton) {
                QCOMPARE(qs(c.caption), QString::fromUtf8("&Répondre"));
                QVERIFY(c.font == windowFont && c.height == 375);
            }
        }
    }

    void spotValues()
    {
        const ScreenLayout &title = layoutOf(ScreenId::TOLVANE1);
        QVERIFY(title.backColour.rgb == 0x8080FF && title.backgroundPicture == PictureId::blankdot);
        QCOMPARE(qs(title.menu.game), "JEU");
        for (const ControlLayout &c : title.controls)
            QCOMPARE(qs(c.container), c.name == "Picture1" ? "" : "Picture1");
        QCOMPARE(at(title, "Picture1").top, -1560);
        QVERIFY(at(title, "introsuite").font == (FontSpec{displayFace, 21.75, 700}));
        QVERIFY(at(title, "intro").backColour.source == Colour::Source::Highlight);
        QCOMPARE(at(title, "Timer1").interval, 3000);
        QVERIFY(!at(title, "jouer").visible && !at(title, "MARZELLEQUESTION").visible);

        const ScreenLayout &first = layoutOf(ScreenId::TOLVANE2);
        QCOMPARE(qs(at(first, "reponse").caption), "&Repondre");
        QCOMPARE(qs(first.menu.quit), "exit");
        QCOMPARE(at(first, "Picture1").width, 1575);

        const ScreenLayout &about = layoutOf(ScreenId::frmapropos);
        QVERIFY(about.backColour.rgb == 0x000080 && about.clientLeft == 2700 && about.clientTop == 4530);
        QCOMPARE(at(about, "aproposlbl").font.weight, 700);

        const ScreenLayout &firstRight = layoutOf(ScreenId::tolvane3);
        QVERIFY(firstRight.backgroundPicture == PictureId::hostcorrect);
        QVERIFY(at(firstRight, "suite").backColour.source == Colour::Source::ActiveBorder);

        const ScreenLayout &closing = layoutOf(ScreenId::tolvane17);
        QVERIFY(at(closing, "Label1").foreColour.source == Colour::Source::ActiveBorder);
        QCOMPARE(at(closing, "Image3").left, -9000);
        QVERIFY(!at(closing, "Image3").visible && at(closing, "Image1").stretch);
        QCOMPARE(qs(layoutOf(ScreenId::tolvane5).menu.about), "aproposde12");
    }
};

QTEST_APPLESS_MAIN(TestLayouts)
#include "test_layouts.moc"
