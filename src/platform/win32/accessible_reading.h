#pragma once

// What a screen reader reads of a game window's controls, as plain answers:
// the IAccessible of accessibility.cpp hands them on. A control is its place
// in the layout; Win32Window::none stands for the client area itself, whose
// handle is `client`.

#include "platform/win32/win32.h"
#include "runtime/window.h"

#include <optional>
#include <string>
#include <vector>

namespace tolvane::win32 {

class Win32Window;

namespace reading {

using runtime::ControlIndex;

// The controls a screen reader is shown, in the order it reads them: every
// control in view, by TabIndex, then the rest (images) in layout order.
std::vector<ControlIndex> order(const Win32Window &window);

// In view within its window: its own Visible and that of every picture box holding it.
bool inView(const Win32Window &window, ControlIndex control);

long roleOf(const Win32Window &window, ControlIndex control);
std::wstring nameOf(const Win32Window &window, ControlIndex control, HWND client);
std::optional<std::wstring> valueOf(const Win32Window &window, ControlIndex control);
long stateOf(const Win32Window &window, ControlIndex control, HWND client);
// Where it can be seen, in screen pixels.
RECT placeOf(const Win32Window &window, ControlIndex control, HWND client);
std::optional<std::wstring> shortcutOf(const Win32Window &window, ControlIndex control);
// The name of its default action; none for a control that cannot be pressed.
std::optional<std::wstring> defaultActionOf(const Win32Window &window, ControlIndex control);
// The frontmost control in view at a point of the screen; none for the bare client area.
ControlIndex at(const Win32Window &window, POINT screen);

} // namespace reading

} // namespace tolvane::win32
