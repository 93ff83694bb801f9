// What a game window draws itself: its back colour and picture, a picture
// box's inside, and the labels and images they hold, back to front.

#include "platform/win32/window.h"

#include "platform/win32/runtime.h"

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
        if (m_background)
            m_background->draw(buffer, 0, 0);
    } else {
        const Control &box = m_controls[surface.box];
        HBRUSH back = CreateSolidBrush(colourOf(box.layout->backColour, COLOR_BTNFACE));
        FillRect(buffer, &client, back);
        DeleteObject(back);
        if (box.picture)
            box.picture->draw(buffer, 0, 0); // natural size from the inner corner, clipped
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
                c.picture->draw(buffer, c.rect.left, c.rect.top, c.layout->stretch, c.rect.right - c.rect.left,
                                c.rect.bottom - c.rect.top);
        } else if (!c.caption.empty()) {
            // Transparent, left-aligned, wrapped at word boundaries, clipped;
            // "&" underlines the next letter.
            SelectObject(buffer, m_runtime.fonts().get(c.layout->font));
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
