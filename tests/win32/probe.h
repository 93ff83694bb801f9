#pragma once

// What the Win32 tests look at inside the runtime's windows, and the message
// loop's step for tests that pump messages themselves. The product's classes
// name this as a friend and offer nothing else to tests.

#include "platform/win32/runtime.h"
#include "platform/win32/window.h"

#include <string>
#include <string_view>

namespace tolvane::win32::testing {

struct Probe {
    // One message through the game's keys and on to its window, as run() does.
    static void dispatch(Win32Runtime &runtime, MSG &message);

    static const ScreenLayout &layout(const Win32Window &window);
    // The control's place in the layout, by its name without regard to case;
    // runtime::ControlIndex(-1) if there is none.
    static runtime::ControlIndex indexOf(const Win32Window &window, std::string_view name);
    // The child window of a button, text box or picture box; null for others.
    static HWND controlWindow(const Win32Window &window, std::string_view name);
    // Where a control lies, in the top-level window's client coordinates.
    static RECT controlRect(const Win32Window &window, std::string_view name);
    // The caption a label or a button holds, "&" marks and line breaks kept.
    static std::string caption(const Win32Window &window, runtime::ControlIndex control);
    // The layout name of the control with the focus, empty if none of the window's has it.
    static std::string focusedControl(const Win32Window &window);
    // The WM_COMMAND id of a menu command, as the menu bar holds it: "&Quitter"
    // (first item of the first menu) or "&A propos de..." (second on the bar).
    static UINT menuCommand(const Win32Window &window, std::string_view name);
};

} // namespace tolvane::win32::testing
