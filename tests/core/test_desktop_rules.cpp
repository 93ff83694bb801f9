// What every runtime hands its desktop the same way, decided once in the
// core: where the input box opens, when a text box reached has its text
// selected, and what a screen reader is told of each control.

#include "runtime/accessibility.h"
#include "runtime/input_box.h"
#include "runtime/input_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tolvane;
using runtime::AccessibleRole;
using runtime::BoxPlace;

namespace {

std::size_t at(const ScreenLayout &layout, std::string_view name) { return *controlNamed(layout, name); }

} // namespace

TEST(DesktopRules, TheInputBoxOpensCentredAcrossAThirdOfTheWayDown)
{
    struct Case {
        int width, height, outer;
        BoxPlace place;
    };
    const Case cases[] = {
        {1280, 1024, 400, {440, 341}},
        {1281, 1024, 400, {440, 341}}, // half a pixel goes left
        {1024, 768, 1025, {-1, 256}},  // a box wider than the display lies partly off it
        {390, 844, 280, {55, 281}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(runtime::inputBoxPlace(c.width, c.height, c.outer), c.place) << c.width << "x" << c.height;
}

TEST(DesktopRules, AnAnswerBoxReachedByTheKeyboardHasItsTextSelectedAClickDoesNot)
{
    const ScreenLayout &layout = layoutOf(ScreenId::tolvane5);
    runtime::WindowInput input(layout);
    EXPECT_FALSE(input.shown().selectAll); // the first focus is the host's portrait
    input.key({runtime::KeyPress::Key::Tab});
    const runtime::InputDecision tabbed = input.key({runtime::KeyPress::Key::Tab});
    EXPECT_EQ(tabbed.focus, at(layout, "LUNDI"));
    EXPECT_TRUE(tabbed.selectAll);
    EXPECT_FALSE(input.key({runtime::KeyPress::Key::Tab}).selectAll); // on to the button
    const runtime::InputDecision clicked = input.click(at(layout, "LUNDI"));
    EXPECT_TRUE(clicked.moveFocus);
    EXPECT_FALSE(clicked.selectAll);
}

TEST(DesktopRules, AScreenReaderIsToldEachControlsRoleNameShortcutAndActionInReadingOrder)
{
    const ScreenLayout &question = layoutOf(ScreenId::TOLVANE2);
    runtime::WindowInput input(question);
    const auto read = [&](std::string_view name, std::string_view caption = {}) {
        return runtime::accessibleControl(question, at(question, name), caption);
    };
    const auto button = read("reponse", "&Repondre");
    EXPECT_EQ(button.role, AccessibleRole::Button);
    EXPECT_EQ(button.name, "Repondre");
    EXPECT_EQ(button.shortcut, "Alt+R");
    EXPECT_EQ(button.defaultAction, "Appuyer");
    EXPECT_EQ(read("marzelletxt").name, "Réponse");
    EXPECT_EQ(read("marzelletxt").role, AccessibleRole::Field);
    EXPECT_FALSE(read("marzelletxt").defaultAction);
    EXPECT_EQ(read("nom", "Zoé!\r").name, "Zoé!\n");
    EXPECT_EQ(read("nom", "Zoé!").role, AccessibleRole::StaticText);
    EXPECT_FALSE(read("Picture1").defaultAction) << "a picture box takes the focus, it is not pressed";
    EXPECT_EQ(read("Picture1").name, "Marzelle, tout sourire, avec son nom");

    const ScreenLayout &closing = layoutOf(ScreenId::tolvane17);
    EXPECT_EQ(runtime::accessibleControl(closing, at(closing, "Image1"), {}).defaultAction, "Cliquer");

    // In view by TabIndex, then the images as laid out; the hidden label is not read.
    std::vector<std::string_view> order;
    for (std::size_t c : runtime::readingOrder(question, input))
        order.push_back(question.controls[c].name);
    EXPECT_EQ(order, (std::vector<std::string_view>{"Picture1", "question1", "nom", "Picture2", "marzelletxt",
                                                    "reponse", "question2", "Image1"}));
    input.setVisible(at(question, "Picture2"), false);
    EXPECT_EQ(runtime::readingOrder(question, input).size(), order.size() - 1);
}
