#include "resources/control_rules.h"

#include "resources/accelerator.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

int pixelsFromTwips(double twips, int dpi)
{
    return static_cast<int>(std::lround(twips * dpi / twipsPerInch));
}

float twipsFromPixels(int pixels, int dpi)
{
    return static_cast<float>(static_cast<double>(pixels) * twipsPerInch / dpi);
}

int pictureBoxEdgePixels(int dpi) { return pixelsFromTwips(pictureBoxEdge * twipsPerPixel, dpi); }

std::vector<std::size_t> tabOrder(const ScreenLayout &layout)
{
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        if (takesFocus(layout.controls[i].kind))
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return layout.controls[a].tabIndex < layout.controls[b].tabIndex; });
    return order;
}

std::vector<std::size_t> containersOf(const ScreenLayout &layout, std::size_t control)
{
    std::vector<std::size_t> boxes;
    std::string_view container = layout.controls[control].container;
    while (!container.empty() && boxes.size() < layout.controls.size()) {
        const std::optional<std::size_t> box = controlNamed(layout, container);
        if (!box)
            break;
        boxes.push_back(*box);
        container = layout.controls[*box].container;
    }
    return boxes;
}

namespace {

// A line break at `at`: its length in bytes, 0 if there is none.
std::size_t lineBreakAt(std::string_view text, std::size_t at)
{
    if (text[at] == '\r')
        return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
    return text[at] == '\n' ? 1 : 0;
}

} // namespace

ShownCaption shownCaption(std::string_view caption)
{
    ShownCaption shown;
    shown.text.reserve(caption.size());
    const char accelerator = acceleratorOf(caption);
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (const std::size_t n = lineBreakAt(caption, i)) {
            shown.text += '\n';
            i += n - 1;
            continue;
        }
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (const std::size_t n = lineBreakAt(caption, i)) {
                shown.text += '\n';
                i += n - 1;
                continue;
            }
            if (caption[i] != '&' && accelerator != 0 && shown.underlined == std::string::npos)
                shown.underlined = shown.text.size();
        }
        shown.text += caption[i];
    }
    return shown;
}

std::string withLineBreaks(std::string_view caption, std::string_view lineBreak)
{
    std::string text;
    text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (const std::size_t n = lineBreakAt(caption, i)) {
            text += lineBreak;
            i += n - 1;
        } else {
            text += caption[i];
        }
    }
    return text;
}

TwipsRect controlRect(const ControlLayout &c)
{
    if (c.kind == ControlKind::Image && !c.stretch && c.picture != PictureId::None) {
        const PictureInfo &info = pictureInfo(c.picture);
        return {c.left, c.top, info.width * twipsPerPixel, info.height * twipsPerPixel};
    }
    return {c.left, c.top, c.width, c.height};
}

} // namespace tolvane
