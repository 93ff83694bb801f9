// Checks the window layout tables for slips a hand-typed table is prone to:
// a screen wired to the wrong layout, a TabIndex typed twice, a control out of
// drawing order, a lost leading space in a verdict, a picture resized by hand.

#include "resources/accelerator.h"
#include "resources/screen_layout.h"
#include "shell/screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace tolvane;

namespace {

const ControlLayout *find(const ScreenLayout &screen, std::string_view name)
{
    const std::optional<std::size_t> index = controlNamed(screen, name);
    return index ? &screen.controls[*index] : nullptr;
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

TEST(Layouts, EveryScreen)
{
    const std::set<std::string_view> withMenu{"TOLVANE1", "TOLVANE2", "tolvane5", "tolvane8",
                                              "tolvane11", "TOLVANE14", "tolvane17"};
    for (int slot = 0; slot < screenCount; ++slot) {
        const auto id = static_cast<ScreenId>(slot);
        const bool hasMenu = withMenu.contains(screenNames[std::size_t(slot)]);
        const ScreenLayout &screen = layoutOf(id);
        SCOPED_TRACE(std::string(screen.name));

        EXPECT_EQ(screen.id, id);
        EXPECT_EQ(screen.name, nameOf(id));
        EXPECT_EQ(screen.caption, id == ScreenId::frmapropos ? "A propos de..." : "LE TOLVANE VIRAIL");
        EXPECT_TRUE(screen.clientWidth > 0 && screen.clientHeight > 0);
        EXPECT_FALSE(screen.controls.empty());

        EXPECT_EQ(screen.menu.present(), hasMenu);
        EXPECT_EQ(screen.menu.quit.empty(), !hasMenu);
        EXPECT_EQ(screen.menu.about.empty(), !hasMenu);

        std::vector<int> tabs;
        std::set<char> accelerators;
        int rank = 0;
        for (const ControlLayout &c : screen.controls) {
            SCOPED_TRACE(std::string(c.name));
            if (takesTabIndex(c.kind)) {
                tabs.push_back(c.tabIndex);
            } else {
                EXPECT_EQ(c.tabIndex, -1);
            }

            EXPECT_GE(drawingRank(c.kind), rank);
            rank = drawingRank(c.kind);

            EXPECT_EQ(find(screen, c.name), &c); // names unique, ignoring case
            if (!c.container.empty()) {
                const ControlLayout *box = find(screen, c.container);
                EXPECT_TRUE(box && box != &c && box->kind == ControlKind::PictureBox);
            }

            const bool showsPicture = c.kind == ControlKind::Image || c.kind == ControlKind::PictureBox;
            EXPECT_EQ(showsPicture, c.picture != PictureId::None);
            EXPECT_TRUE(!c.stretch || c.kind == ControlKind::Image);
            EXPECT_EQ(c.kind == ControlKind::Timer, c.interval > 0);
            if (c.kind == ControlKind::Image && !c.stretch) {
                EXPECT_EQ(c.width, pictureInfo(c.picture).width * twipsPerPixel);
                EXPECT_EQ(c.height, pictureInfo(c.picture).height * twipsPerPixel);
            }
            // No two buttons of a window, nor a button and the menu bar, share a letter.
            if (c.kind == ControlKind::CommandButton) {
                EXPECT_TRUE(accelerators.insert(acceleratorOf(c.caption)).second);
            }
        }
        if (hasMenu) {
            EXPECT_FALSE(accelerators.contains(acceleratorOf(gameMenuCaption)) && at(screen, "jouer").visible);
            EXPECT_FALSE(accelerators.contains(acceleratorOf(aboutItemCaption)));
        }
        std::sort(tabs.begin(), tabs.end());
        for (int i = 0; i < int(tabs.size()); ++i)
            EXPECT_EQ(tabs[std::size_t(i)], i);
    }
}

TEST(Layouts, Verdicts)
{
    const struct {
        ScreenId id;
        std::size_t spaces;
        bool right;
        const char *button;
    } rows[] = {
        {ScreenId::tolvane3, 8, true, "&Suite"},  {ScreenId::tolvane4, 6, false, "&Suite"},
        {ScreenId::tolvane6, 4, true, "&Suite"},  {ScreenId::tolvane7, 3, false, "&Suite"},
        {ScreenId::tolvane9, 5, true, "&Suite"},  {ScreenId::tolvane10, 5, false, "&Suite"},
        {ScreenId::TOLVANE12, 6, true, "&Suite"}, {ScreenId::tolvane13, 2, false, "&Suite"},
        {ScreenId::TOLVANE15, 1, true, "&Fin"},   {ScreenId::tolvane16, 0, false, "&Fin"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(nameOf(r.id)));
        const auto &c = layoutOf(r.id).controls;
        ASSERT_EQ(c.size(), std::size_t(3));

        EXPECT_EQ(c[0].kind, ControlKind::CommandButton);
        EXPECT_EQ(c[0].caption, r.button);
        EXPECT_EQ(c[0].tabIndex, 1);
        EXPECT_EQ(c[0].height, 375);
        EXPECT_TRUE(c[0].font == windowFont);

        EXPECT_EQ(c[1].kind, ControlKind::Label);
        EXPECT_EQ(c[1].caption.find_first_not_of(' '), r.spaces);
        EXPECT_TRUE(c[1].font == (FontSpec{sansFace, 18.0, 400}));
        EXPECT_TRUE(c[1].foreColour.source == Colour::Source::Rgb && c[1].foreColour.rgb == 0x00FFFF);

        EXPECT_TRUE(c[2].kind == ControlKind::Image && c[2].stretch && c[2].top == 0);
        EXPECT_EQ(c[2].picture, r.right ? PictureId::hostcorrect : PictureId::hostwrong);
    }
}

TEST(Layouts, QuestionScreensShareOneShape)
{
    for (ScreenId id : {ScreenId::tolvane5, ScreenId::tolvane8, ScreenId::tolvane11, ScreenId::TOLVANE14}) {
        SCOPED_TRACE(std::string(nameOf(id)));
        for (const ControlLayout &c : layoutOf(id).controls) {
            EXPECT_TRUE(c.visible);
            if (c.kind == ControlKind::Label) {
                EXPECT_TRUE(c.font == (FontSpec{sansFace, 13.5, 400}) && c.caption.empty());
                EXPECT_TRUE(c.foreColour.source == Colour::Source::Rgb && c.foreColour.rgb == 0xFF00FF);
            } else if (c.kind == ControlKind::TextBox) {
                EXPECT_TRUE(c.font == (FontSpec{sansFace, 12.0, 400}) && c.height == 375);
            } else if (c.kind == ControlKind::CommandButton) {
                EXPECT_EQ(c.caption, "&Répondre");
                EXPECT_TRUE(c.font == windowFont && c.height == 375);
            }
        }
    }
}

TEST(Layouts, SpotValues)
{
    const ScreenLayout &title = layoutOf(ScreenId::TOLVANE1);
    EXPECT_TRUE(title.backColour.rgb == 0x8080FF && title.backgroundPicture == PictureId::blankdot);
    EXPECT_EQ(title.menu.game, "JEU");
    for (const ControlLayout &c : title.controls)
        EXPECT_EQ(c.container, c.name == "Picture1" ? "" : "Picture1");
    EXPECT_EQ(at(title, "Picture1").top, -1560);
    EXPECT_TRUE(at(title, "introsuite").font == (FontSpec{displayFace, 21.75, 700}));
    EXPECT_EQ(at(title, "intro").backColour.source, Colour::Source::Highlight);
    EXPECT_EQ(at(title, "Timer1").interval, 3000);
    EXPECT_TRUE(!at(title, "jouer").visible && !at(title, "MARZELLEQUESTION").visible);

    const ScreenLayout &first = layoutOf(ScreenId::TOLVANE2);
    EXPECT_EQ(at(first, "reponse").caption, "&Repondre");
    EXPECT_EQ(first.menu.quit, "exit");
    EXPECT_EQ(at(first, "Picture1").width, 1575);

    const ScreenLayout &about = layoutOf(ScreenId::frmapropos);
    EXPECT_TRUE(about.backColour.rgb == 0x000080 && about.clientLeft == 2700 && about.clientTop == 4530);
    EXPECT_EQ(at(about, "aproposlbl").font.weight, 700);

    const ScreenLayout &firstRight = layoutOf(ScreenId::tolvane3);
    EXPECT_EQ(firstRight.backgroundPicture, PictureId::hostcorrect);
    EXPECT_EQ(at(firstRight, "suite").backColour.source, Colour::Source::ActiveBorder);

    const ScreenLayout &closing = layoutOf(ScreenId::tolvane17);
    EXPECT_EQ(at(closing, "Label1").foreColour.source, Colour::Source::ActiveBorder);
    EXPECT_EQ(at(closing, "Image3").left, -9000);
    EXPECT_TRUE(!at(closing, "Image3").visible && at(closing, "Image1").stretch);
    EXPECT_EQ(layoutOf(ScreenId::tolvane5).menu.about, "aproposde12");
}

TEST(Layouts, Accelerators)
{
    EXPECT_EQ(acceleratorOf("&Répondre"), 'R');
    EXPECT_EQ(acceleratorOf("&Jeu"), 'J');
    EXPECT_EQ(acceleratorOf("&A propos de..."), 'A');
    EXPECT_EQ(acceleratorOf("a&&b"), 0);
    EXPECT_EQ(acceleratorOf("a&&b&c"), 'C');
    EXPECT_EQ(acceleratorOf("fin&"), 0);
}
