#include "platform/win32/accessible_reading.h"

#include "platform/win32/text.h"
#include "platform/win32/window.h"
#include "resources/accelerator.h"
#include "resources/control_rules.h"
#include "resources/picture_id.h"

#include <oleacc.h>

#include <algorithm>
#include <climits>

namespace tolvane::win32::reading {

namespace {

constexpr ControlIndex self = Win32Window::none;

const ControlLayout &layoutOf(const Win32Window &window, ControlIndex control)
{
    return window.layout().controls[control];
}

bool isChildWindow(ControlKind kind)
{
    return kind == ControlKind::CommandButton || kind == ControlKind::TextBox || kind == ControlKind::PictureBox;
}

std::wstring textOf(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

// The caption as a screen reader says it: as drawn, without its "&".
std::wstring spoken(const Win32Window &window, ControlIndex control)
{
    return widen(tolvane::shownCaption(narrow(window.caption(control))).text);
}

} // namespace

std::vector<ControlIndex> order(const Win32Window &window)
{
    const auto controls = window.layout().controls;
    std::vector<ControlIndex> read;
    for (ControlIndex c = 0; c < controls.size(); ++c) {
        if (controls[c].kind != ControlKind::Timer && inView(window, c))
            read.push_back(c);
    }
    std::stable_sort(read.begin(), read.end(), [&](ControlIndex a, ControlIndex b) {
        const int ka = controls[a].tabIndex < 0 ? INT_MAX : controls[a].tabIndex;
        const int kb = controls[b].tabIndex < 0 ? INT_MAX : controls[b].tabIndex;
        return ka < kb;
    });
    return read;
}

bool inView(const Win32Window &window, ControlIndex control)
{
    const auto controls = window.layout().controls;
    for (ControlIndex at = control; at != self && at < controls.size();) {
        if (!window.controlVisible(at))
            return false;
        at = controls[at].container.empty() ? self : window.indexOf(controls[at].container);
    }
    return true;
}

long roleOf(const Win32Window &window, ControlIndex control)
{
    if (control == self)
        return ROLE_SYSTEM_CLIENT;
    switch (layoutOf(window, control).kind) {
    case ControlKind::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case ControlKind::TextBox:
        return ROLE_SYSTEM_TEXT;
    case ControlKind::CommandButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case ControlKind::PictureBox:
    case ControlKind::Image:
        return ROLE_SYSTEM_GRAPHIC;
    case ControlKind::Timer:
        break;
    }
    return ROLE_SYSTEM_CLIENT;
}

std::wstring nameOf(const Win32Window &window, ControlIndex control, HWND client)
{
    if (control == self)
        return textOf(client);
    const ControlLayout &layout = layoutOf(window, control);
    switch (layout.kind) {
    case ControlKind::Label:
    case ControlKind::CommandButton:
        return spoken(window, control);
    case ControlKind::Image:
    case ControlKind::PictureBox:
        return layout.picture == PictureId::None ? std::wstring() : widen(pictureInfo(layout.picture).description);
    case ControlKind::TextBox:
        // What every answer box of the game is for.
        return L"Réponse";
    case ControlKind::Timer:
        break;
    }
    return {};
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
    if (control == self ? !IsWindowVisible(client) : !inView(window, control))
        state |= STATE_SYSTEM_INVISIBLE;
    if (control != self && layoutOf(window, control).kind == ControlKind::Label)
        state |= STATE_SYSTEM_READONLY;
    if (own && (control == self || isChildWindow(layoutOf(window, control).kind))) {
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
    if (control == self || layoutOf(window, control).kind != ControlKind::CommandButton)
        return std::nullopt;
    const char letter = acceleratorOf(narrow(window.caption(control)));
    if (!letter)
        return std::nullopt;
    return L"Alt+" + widen(std::string(1, letter));
}

std::optional<std::wstring> defaultActionOf(const Win32Window &window, ControlIndex control)
{
    if (control == self)
        return std::nullopt;
    switch (layoutOf(window, control).kind) {
    case ControlKind::CommandButton:
        return L"Appuyer";
    case ControlKind::Image:
        return L"Cliquer";
    default:
        return std::nullopt;
    }
}

ControlIndex at(const Win32Window &window, POINT screen)
{
    // Front to back, as the layout lists them.
    for (ControlIndex c = 0; c < window.layout().controls.size(); ++c) {
        if (layoutOf(window, c).kind == ControlKind::Timer || !inView(window, c))
            continue;
        const RECT rect = placeOf(window, c, window.handle());
        if (PtInRect(&rect, screen))
            return c;
    }
    return self;
}

} // namespace tolvane::win32::reading
