// What a game window draws itself: its back colour and picture, a picture
// box's inside, and the labels and images they hold, back to front.

#include "platform/win32/window.h"

#include "platform/win32/runtime.h"
#include "resources/control_rules.h"

#include <algorithm>

namespace tolvane::win32 {

COLORREF Win32Window::colourOf(const Colour &colour, int systemDefault)
{
    switch (colour.source) {
    case Colour::Source::Rgb:
        return RGB((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
    case Colour::Source::Highlight:
        return GetSysColor(COLOR_HIGHLIGHT);
    case Colour::Source::ActiveBorder:
        return GetSysColor(COLOR_ACTIVEBORDER);
    case Colour::Source::Default:
        break;
    }
    return GetSysColor(systemDefault);
}

void Win32Window::paintEdge(HWND box) const
{
    // Sunken, as the desktop draws a client edge: shadow above and to the
    // left, light below and to the right, darker inside; its width at the DPI.
    const int edge = pictureBoxEdgePixels(m_dpi);
    const int outer = (edge + 1) / 2;
    RECT rect;
    GetWindowRect(box, &rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    HDC dc = GetWindowDC(box);
    auto band = [&](int width, int topLeft, int bottomRight) {
        const RECT r = rect;
        RECT top{r.left, r.top, r.right, r.top + width}, left{r.left, r.top, r.left + width, r.bottom};
        RECT bottom{r.left, r.bottom - width, r.right, r.bottom}, right{r.right - width, r.top, r.right, r.bottom};
        FillRect(dc, &bottom, GetSysColorBrush(bottomRight));
        FillRect(dc, &right, GetSysColorBrush(bottomRight));
        FillRect(dc, &top, GetSysColorBrush(topLeft));
        FillRect(dc, &left, GetSysColorBrush(topLeft));
        InflateRect(&rect, -width, -width);
    };
    band(outer, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    band(edge - outer, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    ReleaseDC(box, dc);
}

int Win32Window::scaled(int pixels) const { return pixelsFromTwips(pixels * twipsPerPixel, m_dpi); }

void Win32Window::paint(Surface &surface, HDC dc, const RECT &area)
{
    RECT client;
    GetClientRect(surface.hwnd, &client);
    // Drawn off screen, then copied: no flicker under the pictures.
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom));
    HGDIOBJ previousBitmap = SelectObject(buffer, bitmap);

    if (surface.box == none) {
        HBRUSH back = CreateSolidBrush(m_backColour);
        FillRect(buffer, &client, back);
        DeleteObject(back);
        if (m_background) {
            const PictureInfo &natural = pictureInfo(m_layout.backgroundPicture);
            m_background->draw(buffer, 0, 0, true, scaled(natural.width), scaled(natural.height));
        }
    } else {
        const Control &box = m_controls[surface.box];
        HBRUSH back = CreateSolidBrush(colourOf(box.layout->backColour, COLOR_BTNFACE));
        FillRect(buffer, &client, back);
        DeleteObject(back);
        if (box.picture) {
            // Its own size (at the window's scale) from the inner corner, clipped.
            const PictureInfo &natural = pictureInfo(box.layout->picture);
            box.picture->draw(buffer, 0, 0, true, scaled(natural.width), scaled(natural.height));
        }
    }

    // Back to front: the last of the layout first.
    SetBkMode(buffer, TRANSPARENT);
    for (auto it = surface.windowless.rbegin(); it != surface.windowless.rend(); ++it) {
        const Control &c = m_controls[*it];
        if (!c.visible)
            continue;
        RECT clip;
        if (!IntersectRect(&clip, &c.rect, &area))
            continue;
        const int saved = SaveDC(buffer);
        IntersectClipRect(buffer, c.rect.left, c.rect.top, c.rect.right, c.rect.bottom);
        if (c.layout->kind == ControlKind::Image) {
            if (c.picture)
                c.picture->draw(buffer, c.rect.left, c.rect.top, true, c.rect.right - c.rect.left,
                                c.rect.bottom - c.rect.top);
        } else if (!c.caption.empty()) {
            // Transparent, left-aligned, wrapped at word boundaries, clipped;
            // "&" underlines the next letter.
            SelectObject(buffer, m_runtime.fonts().get(c.layout->font, m_dpi));
            SetTextColor(buffer, colourOf(c.layout->foreColour, COLOR_BTNTEXT));
            RECT text = c.rect;
            DrawTextW(buffer, c.caption.c_str(), static_cast<int>(c.caption.size()), &text,
                      DT_LEFT | DT_TOP | DT_WORDBREAK);
        }
        RestoreDC(buffer, saved);
    }

    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer, area.left, area.top,
           SRCCOPY);
    SelectObject(buffer, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

} // namespace tolvane::win32
