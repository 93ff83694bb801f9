#include "probe.h"

#include "platform/win32/text.h"

namespace tolvane::win32::testing {

void Probe::dispatch(Win32Runtime &runtime, MSG &message) { runtime.dispatch(message); }

const ScreenLayout &Probe::layout(const Win32Window &window) { return window.m_layout; }

runtime::ControlIndex Probe::indexOf(const Win32Window &window, std::string_view name)
{
    return window.indexOf(name);
}

HWND Probe::controlWindow(const Win32Window &window, std::string_view name) { return window.controlWindow(name); }

RECT Probe::controlRect(const Win32Window &window, std::string_view name) { return window.controlRect(name); }

std::string Probe::caption(const Win32Window &window, runtime::ControlIndex control)
{
    return narrow(window.m_controls.at(control).caption);
}

std::string Probe::focusedControl(const Win32Window &window)
{
    const HWND focus = GetFocus();
    for (const auto &control : window.m_controls) {
        if (control.hwnd && control.hwnd == focus)
            return std::string(control.layout->name);
    }
    return {};
}

UINT Probe::menuCommand(const Win32Window &window, std::string_view name)
{
    const MenuBarLayout &menu = window.m_layout.menu;
    HMENU bar = GetMenu(window.m_hwnd);
    if (!bar)
        return 0;
    if (sameName(name, menu.quit))
        return GetMenuItemID(GetSubMenu(bar, 0), 0);
    if (sameName(name, menu.about))
        return GetMenuItemID(bar, 1);
    return 0;
}

} // namespace tolvane::win32::testing
