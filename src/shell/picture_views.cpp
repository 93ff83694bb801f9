#include "shell/picture_views.h"

#include "resources/screen_layout.h"

#include <algorithm>
#include <array>

namespace tolvane {

namespace {

constexpr int pictureBoxBorder = 2; // the sunken border of a picture box, pixels

// A rectangle by its edges, left and top included, right and bottom not.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    Box moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Box inset(int by) const { return {left + by, top + by, right - by, bottom - by}; }
    Box intersected(const Box &o) const
    {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    }
    Box united(const Box &o) const
    {
        if (empty())
            return o;
        if (o.empty())
            return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }
};

Box pixels(int left, int top, int width, int height)
{
    const int l = left / twipsPerPixel;
    const int t = top / twipsPerPixel;
    return {l, t, l + width / twipsPerPixel, t + height / twipsPerPixel};
}

// Where a container's inner area starts in the client area, and the part of
// the client area it can show.
struct Area {
    int originX = 0, originY = 0;
    Box visible;
};

Area areaOf(const ScreenLayout &layout, std::string_view container)
{
    const Box client{0, 0, layout.clientWidth / twipsPerPixel, layout.clientHeight / twipsPerPixel};
    const std::optional<std::size_t> found = container.empty() ? std::nullopt : controlNamed(layout, container);
    if (!found)
        return {0, 0, client};
    const ControlLayout *box = &layout.controls[*found];
    const Area outer = areaOf(layout, box->container);
    const Box rect = pixels(box->left, box->top, box->width, box->height).moved(outer.originX, outer.originY);
    const Box inner = rect.inset(pictureBoxBorder);
    return {inner.left, inner.top, inner.intersected(outer.visible)};
}

std::array<Box, pictureCount> computeParts()
{
    std::array<Box, pictureCount> parts{};
    auto add = [&](PictureId id, Box seenInPicture) {
        const PictureInfo &info = pictureInfo(id);
        Box &part = parts[std::size_t(id) - 1];
        part = part.united(seenInPicture.intersected({0, 0, info.width, info.height}));
    };
    for (int slot = 0; slot < screenCount; ++slot) {
        const ScreenLayout &layout = layoutOf(static_cast<ScreenId>(slot));
        const Area client = areaOf(layout, {});
        if (layout.backgroundPicture != PictureId::None)
            add(layout.backgroundPicture, client.visible);
        for (const ControlLayout &c : layout.controls) {
            if (c.picture == PictureId::None)
                continue;
            const PictureInfo &info = pictureInfo(c.picture);
            if (c.kind == ControlKind::Image && c.stretch) {
                add(c.picture, {0, 0, info.width, info.height});
                continue;
            }
            Area area = areaOf(layout, c.kind == ControlKind::PictureBox ? c.name : c.container);
            if (c.kind != ControlKind::PictureBox) {
                area.originX += c.left / twipsPerPixel;
                area.originY += c.top / twipsPerPixel;
            }
            add(c.picture, area.visible.moved(-area.originX, -area.originY));
        }
    }
    return parts;
}

} // namespace

runtime::PixelRect partInView(PictureId id, int scale)
{
    static const std::array<Box, pictureCount> parts = computeParts();
    if (id == PictureId::None)
        return {};
    const Box &part = parts[std::size_t(id) - 1];
    if (part.empty())
        return {};
    return {scale * part.left, scale * part.top, scale * (part.right - part.left), scale * (part.bottom - part.top)};
}

} // namespace tolvane
