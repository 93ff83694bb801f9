#include "platform/win32/accessible_reading.h"

#include "platform/win32/text.h"
#include "platform/win32/window.h"

#include <oleacc.h>

#include <algorithm>

namespace tolvane::win32::reading {

namespace {

constexpr ControlIndex self = Win32Window::none;

const ControlLayout &layoutOf(const Win32Window &window, ControlIndex control)
{
    return window.layout().controls[control];
}

std::wstring textOf(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

std::optional<std::wstring> widened(const std::optional<std::string> &text)
{
    return text ? std::optional(widen(*text)) : std::nullopt;
}

} // namespace

std::vector<ControlIndex> order(const Win32Window &window)
{
    return runtime::readingOrder(window.layout(), window.input());
}

runtime::AccessibleControl told(const Win32Window &window, ControlIndex control)
{
    if (control == self)
        return {};
    return runtime::accessibleControl(window.layout(), control, narrow(window.caption(control)));
}

long roleOf(const Win32Window &window, ControlIndex control)
{
    switch (told(window, control).role) {
    case runtime::AccessibleRole::StaticText:
        return ROLE_SYSTEM_STATICTEXT;
    case runtime::AccessibleRole::Field:
        return ROLE_SYSTEM_TEXT;
    case runtime::AccessibleRole::Button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case runtime::AccessibleRole::Graphic:
        return ROLE_SYSTEM_GRAPHIC;
    case runtime::AccessibleRole::None:
        break;
    }
    return ROLE_SYSTEM_CLIENT;
}

std::wstring nameOf(const Win32Window &window, ControlIndex control, HWND client)
{
    return control == self ? textOf(client) : widen(told(window, control).name);
}

std::optional<std::wstring> valueOf(const Win32Window &window, ControlIndex control)
{
    if (control == self || layoutOf(window, control).kind != ControlKind::TextBox)
        return std::nullopt;
    return textOf(window.controlWindow(layoutOf(window, control).name));
}

long stateOf(const Win32Window &window, ControlIndex control, HWND client)
{
    const HWND own = control == self ? client : window.controlWindow(layoutOf(window, control).name);
    long state = 0;
    if (control == self ? !IsWindowVisible(client) : !window.input().shownInItsBoxes(control))
        state |= STATE_SYSTEM_INVISIBLE;
    if (control != self && layoutOf(window, control).kind == ControlKind::Label)
        state |= STATE_SYSTEM_READONLY;
    if (own) { // a child window, or the client area
        state |= STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == own)
            state |= STATE_SYSTEM_FOCUSED;
        if (!IsWindowEnabled(own) || !IsWindowEnabled(window.handle()))
            state |= STATE_SYSTEM_UNAVAILABLE;
    }
    return state;
}

RECT placeOf(const Win32Window &window, ControlIndex control, HWND client)
{
    RECT rect;
    if (control == self) {
        GetClientRect(client, &rect);
        MapWindowPoints(client, nullptr, reinterpret_cast<POINT *>(&rect), 2);
        return rect;
    }
    const ControlLayout &layout = layoutOf(window, control);
    if (HWND own = window.controlWindow(layout.name)) {
        GetWindowRect(own, &rect);
        return rect;
    }
    // A label or an image: what its container's inner area and the window's
    // client area let through.
    rect = window.controlRect(layout.name);
    RECT visible;
    GetClientRect(window.handle(), &visible);
    if (HWND box = layout.container.empty() ? nullptr : window.controlWindow(layout.container)) {
        RECT inner;
        GetClientRect(box, &inner);
        MapWindowPoints(box, window.handle(), reinterpret_cast<POINT *>(&inner), 2);
        IntersectRect(&visible, &visible, &inner);
    }
    if (!IntersectRect(&visible, &visible, &rect))
        visible = {rect.left, rect.top, rect.left, rect.top};
    MapWindowPoints(window.handle(), nullptr, reinterpret_cast<POINT *>(&visible), 2);
    return visible;
}

std::optional<std::wstring> shortcutOf(const Win32Window &window, ControlIndex control)
{
    return widened(told(window, control).shortcut);
}

std::optional<std::wstring> defaultActionOf(const Win32Window &window, ControlIndex control)
{
    return widened(told(window, control).defaultAction);
}

std::optional<ControlIndex> neighbour(const Win32Window &window, ControlIndex from, long direction)
{
    const std::vector<ControlIndex> read = order(window);
    if (read.empty())
        return std::nullopt;
    if (from == self && direction == NAVDIR_FIRSTCHILD)
        return read.front();
    if (from == self && direction == NAVDIR_LASTCHILD)
        return read.back();
    const auto at = std::find(read.begin(), read.end(), from);
    if (from == self || at == read.end())
        return std::nullopt;
    if ((direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) && at + 1 != read.end())
        return at[1];
    if ((direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) && at != read.begin())
        return at[-1];
    return std::nullopt;
}

std::optional<ControlIndex> focused(const Win32Window &window, ControlIndex box, HWND client)
{
    const HWND focus = GetFocus();
    if (focus && focus == client)
        return self;
    for (ControlIndex c : box == self ? order(window) : std::vector<ControlIndex>()) {
        if (focus && window.controlWindow(layoutOf(window, c).name) == focus)
            return c;
    }
    return std::nullopt;
}

ControlIndex at(const Win32Window &window, POINT screen)
{
    // Front to back, as the layout lists them.
    for (ControlIndex c = 0; c < window.layout().controls.size(); ++c) {
        if (layoutOf(window, c).kind == ControlKind::Timer || !window.input().shownInItsBoxes(c))
            continue;
        const RECT rect = placeOf(window, c, window.handle());
        if (PtInRect(&rect, screen))
            return c;
    }
    return self;
}

} // namespace tolvane::win32::reading
