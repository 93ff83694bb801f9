// The rules every runtime takes from the core: twips to pixels, the tab
// order, how a caption reads, an image's rectangle, and the checks that make
// a wrong control or position the same error everywhere.

#include "resources/control_rules.h"
#include "runtime/checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tolvane;

TEST(ControlRules, EveryLayoutValueIsAWholeNumberOfPixelsAtEachScale)
{
    auto exact = [](int twips, int dpi) {
        const double pixels = double(twips) * dpi / twipsPerInch;
        return std::fabs(pixels - std::round(pixels)) < 1e-9 && pixelsFromTwips(twips, dpi) == int(std::lround(pixels));
    };
    for (int slot = 0; slot < screenCount; ++slot) {
        const ScreenLayout &layout = layoutOf(ScreenId(slot));
        for (int value : {layout.clientLeft, layout.clientTop, layout.clientWidth, layout.clientHeight})
            EXPECT_TRUE(exact(value, 96)) << layout.name << ": " << value;
        for (const ControlLayout &c : layout.controls) {
            const TwipsRect r = controlRect(c);
            for (int value : {r.left, r.top, r.width, r.height})
                EXPECT_TRUE(exact(value, 96)) << layout.name << "." << c.name << ": " << value;
        }
    }
    // The title's client area at the scales players use.
    EXPECT_EQ(pixelsFromTwips(7965, 120), 664);
    EXPECT_EQ(pixelsFromTwips(7965, 144), 797);
    EXPECT_EQ(pixelsFromTwips(7965, 192), 1062);
    // Halves of a pixel, from the centring's half twips, go away from zero.
    EXPECT_EQ(pixelsFromTwips(7.5), 1);
    EXPECT_EQ(pixelsFromTwips(-7.5), -1);
    EXPECT_EQ(pixelsFromTwips(-1560), -104);
    EXPECT_EQ(pictureBoxEdgePixels(96), 2);
    EXPECT_EQ(pictureBoxEdgePixels(192), 4);
}

TEST(ControlRules, TabOrderHoldsTheControlsThatTakeTheFocusByTabIndex)
{
    for (int slot = 0; slot < screenCount; ++slot) {
        const ScreenLayout &layout = layoutOf(ScreenId(slot));
        const auto order = tabOrder(layout);
        int focusable = 0;
        for (const ControlLayout &c : layout.controls)
            focusable += takesFocus(c.kind);
        ASSERT_EQ(int(order.size()), focusable) << layout.name;
        for (std::size_t k = 1; k < order.size(); ++k)
            EXPECT_LT(layout.controls[order[k - 1]].tabIndex, layout.controls[order[k]].tabIndex) << layout.name;
    }
    const ScreenLayout &question = layoutOf(ScreenId::tolvane5);
    std::vector<std::string_view> names;
    for (std::size_t i : tabOrder(question))
        names.push_back(question.controls[i].name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"Picture1", "Picture2", "LUNDI", "REPONDRE2"}));
    // The title's controls all sit in its picture box.
    const ScreenLayout &title = layoutOf(ScreenId::TOLVANE1);
    EXPECT_EQ(containersOf(title, 1).size(), 1u);
    EXPECT_TRUE(containersOf(title, 0).empty());
    // A control by name, in any letter case; a name the window lacks finds none.
    EXPECT_EQ(controlNamed(title, "picture1"), std::optional<std::size_t>(0));
    EXPECT_EQ(controlNamed(layoutOf(ScreenId::tolvane7), "suite"), controlNamed(layoutOf(ScreenId::tolvane7), "SUITE"));
    EXPECT_FALSE(controlNamed(title, "Picture").has_value());
}

TEST(ControlRules, ACaptionReadsWithoutItsMarksAndBreaksAtEachLineEnd)
{
    struct Case {
        const char *caption, *text;
        std::size_t underlined;
    };
    const Case cases[] = {
        {"&Suite", "Suite", 0},
        {"&Répondre", "Répondre", 0},
        {"a&b", "ab", 1},
        {"a&&b", "a&b", std::string::npos},
        {"a&&b&c", "a&bc", 3},
        {"fin&", "fin&", std::string::npos},
        {"", "", std::string::npos},
        {"V1.1\r      DE KORVATH", "V1.1\n      DE KORVATH", std::string::npos},
        {"a\r\nb\nc\rd", "a\nb\nc\nd", std::string::npos},
        {"        CORRECT !", "        CORRECT !", std::string::npos},
        {"&\rx", "\nx", std::string::npos},
        {"\U0001F600&é", "\U0001F600é", 4},
    };
    for (const Case &c : cases) {
        const ShownCaption shown = shownCaption(c.caption);
        EXPECT_EQ(shown.text, c.text) << c.caption;
        EXPECT_EQ(shown.underlined, c.underlined) << c.caption;
    }
    EXPECT_EQ(withLineBreaks("&a\rb\r\nc\nd", "\r\n"), "&a\r\nb\r\nc\r\nd");
}

TEST(ControlRules, AnImageNotStretchedTakesItsPicturesSize)
{
    const ScreenLayout &closing = layoutOf(ScreenId::tolvane17);
    for (const ControlLayout &c : closing.controls) {
        if (c.name == "Image3") {
            EXPECT_EQ(controlRect(c), (TwipsRect{-9000, -2040, 2267 * 15, 1417 * 15}));
        } else if (c.name == "Image1") {
            EXPECT_EQ(controlRect(c), (TwipsRect{3120, 2040, 2490, 3495}));
        }
    }
}

TEST(ControlRules, AWrongIndexOrKindOrPositionIsTheSameErrorEverywhere)
{
    const ScreenLayout &title = layoutOf(ScreenId::TOLVANE1);
    auto number = [&](auto call) {
        try {
            call();
        } catch (const runtime::RuntimeError &error) {
            return error.number();
        }
        return 0;
    };
    using runtime::ControlProperty;
    EXPECT_EQ(number([&] { runtime::controlFor(title, title.controls.size(), ControlProperty::Visible); }), 730);
    EXPECT_EQ(number([&] { runtime::controlFor(title, std::size_t(-1), ControlProperty::Caption); }), 730);
    // Timer1 has no Visible and no Caption; a label has no Text.
    EXPECT_EQ(number([&] { runtime::controlFor(title, 2, ControlProperty::Visible); }), 438);
    EXPECT_EQ(number([&] { runtime::controlFor(title, 2, ControlProperty::Caption); }), 438);
    EXPECT_EQ(number([&] { runtime::controlFor(title, 8, ControlProperty::Text); }), 438);
    EXPECT_EQ(number([&] { runtime::controlFor(title, 2, ControlProperty::Enabled); }), 0);
    EXPECT_EQ(number([&] { runtime::windowPixels(std::numeric_limits<float>::infinity()); }), 5);
    EXPECT_EQ(number([&] { runtime::windowPixels(std::numeric_limits<float>::quiet_NaN()); }), 5);
    EXPECT_EQ(number([&] { runtime::windowPixels(2.0e8f); }), 5);
    EXPECT_EQ(runtime::windowPixels(-2047.5f), -137);
}
