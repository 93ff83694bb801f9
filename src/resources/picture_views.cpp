#include "resources/picture_views.h"

#include "resources/screen_layout.h"

#include <array>

namespace tolvane {

namespace {

constexpr int pictureBoxBorder = 2; // the sunken border of a picture box, pixels

QRect pixels(int left, int top, int width, int height)
{
    return {left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel};
}

const ControlLayout *findControl(const ScreenLayout &layout, std::string_view name)
{
    for (const ControlLayout &c : layout.controls) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

// Where a container's inner area starts in the client area, and the part of
// the client area it can show.
struct Area {
    QPoint origin;
    QRect visible;
};

Area areaOf(const ScreenLayout &layout, std::string_view container)
{
    const QRect client(0, 0, layout.clientWidth / twipsPerPixel, layout.clientHeight / twipsPerPixel);
    const ControlLayout *box = container.empty() ? nullptr : findControl(layout, container);
    if (!box)
        return {{0, 0}, client};
    const Area outer = areaOf(layout, box->container);
    const QRect rect = pixels(box->left, box->top, box->width, box->height).translated(outer.origin);
    const QRect inner = rect.adjusted(pictureBoxBorder, pictureBoxBorder, -pictureBoxBorder, -pictureBoxBorder);
    return {inner.topLeft(), inner.intersected(outer.visible)};
}

std::array<QRect, pictureCount> computeParts()
{
    std::array<QRect, pictureCount> parts{};
    auto add = [&](PictureId id, QRect seenInPicture) {
        const PictureInfo &info = pictureInfo(id);
        QRect &part = parts[std::size_t(id) - 1];
        part |= seenInPicture.intersected(QRect(0, 0, info.width, info.height));
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
                add(c.picture, QRect(0, 0, info.width, info.height));
                continue;
            }
            const Area container = areaOf(layout, c.container);
            QPoint origin = QPoint(c.left, c.top) / twipsPerPixel + container.origin;
            QRect visible = container.visible;
            if (c.kind == ControlKind::PictureBox) {
                const Area inner = areaOf(layout, c.name);
                origin = inner.origin;
                visible = inner.visible;
            }
            add(c.picture, visible.translated(-origin));
        }
    }
    return parts;
}

} // namespace

QRect partInView(PictureId id)
{
    static const std::array<QRect, pictureCount> parts = computeParts();
    return id == PictureId::None ? QRect() : parts[std::size_t(id) - 1];
}

} // namespace tolvane
