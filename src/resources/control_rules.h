#pragma once

// What every runtime draws and does alike, worked out once from the layouts:
// which controls take the focus and in what order, twips to pixels at a
// display's dots per inch, the picture box's edge, how a caption reads, and
// the rectangle an image takes.

#include "resources/screen_layout.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// --- Units. Twips are 1440 to the inch: 15 to a pixel at 96 dots per inch.
inline constexpr int standardDpi = 96;
inline constexpr int twipsPerInch = 1440;

// Pixels for a length or a position in twips, rounded to the nearest pixel
// (halves away from zero). Every value of every layout converts exactly at 96 dpi.
int pixelsFromTwips(double twips, int dpi = standardDpi);
// Twips for a length in pixels.
float twipsFromPixels(int pixels, int dpi = standardDpi);

// The sunken edge of a picture box, in pixels at 96 dpi: its inner area is
// twice that narrower and shorter than the box.
inline constexpr int pictureBoxEdge = 2;
int pictureBoxEdgePixels(int dpi = standardDpi);

// --- Focus. Text boxes, command buttons and picture boxes take the keyboard
// focus; labels, images and timers never do.
constexpr bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::CommandButton || kind == ControlKind::PictureBox;
}

// The controls that take the focus, by TabIndex: the order of Tab, and the
// first of them that can take it is focused when the window is first shown.
std::vector<std::size_t> tabOrder(const ScreenLayout &layout);

// The controls that hold a control: its picture box, that box's own, and so on out.
std::vector<std::size_t> containersOf(const ScreenLayout &layout, std::size_t control);

// --- Captions. "&" marks the next character as the Alt accelerator, drawn
// underlined; "&&" draws one "&". A carriage return, a line feed, or the
// pair, starts a new line.
struct ShownCaption {
    std::string text;                              // as read: no marking "&", each line break "\n"
    std::size_t underlined = std::string::npos;    // byte offset in `text` of the accelerator's character
};
ShownCaption shownCaption(std::string_view caption);

// The caption with its marks kept and each line break written `lineBreak`:
// for a toolkit that draws "&" marks itself.
std::string withLineBreaks(std::string_view caption, std::string_view lineBreak);

// --- Geometry. A control's rectangle in twips, in its container's inner
// area. An image that is not stretched takes its picture's own size.
struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
    constexpr bool operator==(const TwipsRect &) const = default;
};
TwipsRect controlRect(const ControlLayout &control);

} // namespace tolvane
