// Centring a window on the display, in twips, under the floating-point test.

#include "runtime/runtime_error.h"
#include "shell/centring.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tolvane;
using runtime::RuntimeError;

namespace {

struct FakeWindow : Placeable {
    float w = 0, h = 0;
    float left = -1, top = -1;
    int writes = 0;
    float width() const override { return w; }
    float height() const override { return h; }
    void setLeft(float value) override { left = value; ++writes; }
    void setTop(float value) override { top = value; ++writes; }
};

struct OriginCase {
    const char *name;
    float display;
    float window;
    float expected;
};

} // namespace

TEST(Centring, OriginIsHalfTheDifferenceNeitherRoundedNorClamped)
{
    const OriginCase cases[] = {
        {"fits", 19200.0f, 8145.0f, 5527.5f},
        {"even both", 15360.0f, 7980.0f, 3690.0f},
        {"one odd gives half a twip", 12000.0f, 4411.0f, 3794.5f},
        {"display smaller: negative", 6000.0f, 8145.0f, -1072.5f},
        {"zero display", 0.0f, 300.0f, -150.0f},
    };
    for (const OriginCase &c : cases)
        EXPECT_EQ(centredOrigin(c.display, c.window), c.expected) << c.name;
}

TEST(Centring, NotFiniteRaisesBeforeWriting)
{
    const float values[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity()};
    for (float bad : values) {
        FakeWindow window;
        window.w = bad;
        window.h = 300;
        try {
            centre(window, 19200, 14400);
            ADD_FAILURE() << "a width that is not finite must raise the floating-point error";
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.number(), RuntimeError::floatingPoint().number());
        }
        EXPECT_EQ(window.writes, 0);

        // Left is written before the height fails.
        FakeWindow tall;
        tall.w = 300;
        tall.h = bad;
        EXPECT_THROW(centre(tall, 19200, 14400), RuntimeError);
        EXPECT_EQ(tall.writes, 1);
        EXPECT_EQ(tall.left, 9450.0f);
        EXPECT_EQ(tall.top, -1.0f);
    }
    // A fault of an earlier computation does not leak into the next one.
    FakeWindow fine;
    fine.w = 301;
    fine.h = 300;
    centre(fine, 19200, 14400);
    EXPECT_EQ(fine.left, 9449.5f);
    EXPECT_EQ(fine.top, 7050.0f);
}
