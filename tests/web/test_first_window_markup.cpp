// The title window the page draws before its program runs, written from a
// layout: what it draws of it, and where. (Built natively: standard C++.)

#include "platform/web/first_window_markup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace tolvane;

namespace {

bool has(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

constexpr ControlLayout boxes[] = {
    {.kind = ControlKind::PictureBox, .name = "Outer", .left = 0, .top = -1560, .width = 1500, .height = 1500,
     .picture = PictureId::backdrop},
    {.kind = ControlKind::Label, .name = "Words", .container = "Outer", .width = 300, .height = 300,
     .caption = "never drawn"},
    {.kind = ControlKind::PictureBox, .name = "Inner", .container = "Outer", .left = 150, .top = 300, .width = 450,
     .height = 450, .picture = PictureId::blankdot},
    {.kind = ControlKind::PictureBox, .name = "Hidden", .container = "Outer", .width = 300, .height = 300,
     .visible = false, .picture = PictureId::hostcard},
    {.kind = ControlKind::PictureBox, .name = "InHidden", .container = "Hidden", .width = 150, .height = 150,
     .picture = PictureId::splat},
};

constexpr ScreenLayout window{.id = ScreenId::TOLVANE1, .name = "W", .caption = "Tom & \"Jerry\" <3",
                              .clientWidth = 3000, .clientHeight = 1500, .menu = {.game = "JEU"},
                              .controls = boxes};

} // namespace

TEST(FirstWindow, DrawsTheFrameBarsAndTheBoxesOnView)
{
    const web::FirstWindow drawn = web::firstWindow(window, {.width = 4500, .height = 3000});
    // The frame: what the page's script fits and places it by.
    EXPECT_TRUE(has(drawn.markup, "id=\"first-window\" aria-hidden=\"true\" data-need=\"300 200\" "
                                  "data-sharp-ratio=\"1.5\""))
        << drawn.markup;
    // The caption as text, the menus' "&" letters underlined.
    EXPECT_TRUE(has(drawn.markup, "<span class=\"caption\">Tom &amp; &quot;Jerry&quot; &lt;3</span>")) << drawn.markup;
    EXPECT_TRUE(has(drawn.markup, "<span><u>J</u>eu</span>") && has(drawn.markup, "<span><u>A</u> propos de...</span>"))
        << drawn.markup;
    EXPECT_EQ(drawn.text, "Tom & \"Jerry\" <3JeuA propos de...");
    // A box inside its container's inner area, after its picture; neither a
    // hidden box nor what it holds, nor a label.
    EXPECT_TRUE(has(drawn.markup, "<div class=\"client\"><div class=\"picture-box\" id=\"first-Outer\"><div class=\"inner\">"
                                  "<img class=\"picture\" alt=\"\" data-src=\"pictures/backdrop.jpg\" "
                                  "data-sharp=\"pictures/backdrop@2x.jpg\"><div class=\"picture-box\" id=\"first-Inner\">"
                                  "<div class=\"inner\"><img class=\"picture\" alt=\"\" data-src=\"pictures/blankdot.gif\">"
                                  "</div></div></div></div></div></div>"))
        << drawn.markup;
    for (const char *absent : {"Hidden", "Words", "never drawn", "splat", "hostcard"})
        EXPECT_FALSE(has(drawn.markup + drawn.style, absent)) << absent;
    EXPECT_EQ(drawn.pictures, (std::vector<std::string>{"backdrop.jpg", "backdrop@2x.jpg", "blankdot.gif"}));
}

TEST(FirstWindow, PlacesEachPartAsTheProgramDoes)
{
    const web::FirstWindow drawn = web::firstWindow(window, {});
    // In pixels from the container's inner corner, stacked by the layout's order.
    EXPECT_TRUE(has(drawn.style, "#first-Outer{left:0px;top:-104px;width:100px;height:100px;z-index:1000}")) << drawn.style;
    EXPECT_TRUE(has(drawn.style, "#first-Inner{left:10px;top:20px;width:30px;height:30px;z-index:998}")) << drawn.style;
    EXPECT_TRUE(has(drawn.style, "#first-window .client{width:200px;height:100px}")) << drawn.style;
    // A picture takes its 1x size, whichever file it shows.
    EXPECT_TRUE(has(drawn.style, "#first-Outer > .inner > img{width:1600px;height:900px}")) << drawn.style;
    EXPECT_TRUE(has(drawn.markup, "data-need=\"0 0\"")) << drawn.markup;
}

TEST(FirstWindow, AWindowWithoutAMenuBarHasNone)
{
    ScreenLayout bare = window;
    bare.menu = {};
    const web::FirstWindow drawn = web::firstWindow(bare, {});
    EXPECT_FALSE(has(drawn.markup, "menu-bar")) << drawn.markup;
    EXPECT_EQ(drawn.text, "Tom & \"Jerry\" <3");
}
