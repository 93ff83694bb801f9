#pragma once

// What a screen reader reads of a game window's controls, as plain answers:
// the IAccessible of accessibility.cpp hands them on. The words, the roles
// and the reading order are the core's (runtime/accessibility.h); what is
// here is where Windows has them. A control is its place in the layout;
// Win32Window::none stands for the client area itself, whose handle is
// `client`.

#include "platform/win32/win32.h"
#include "runtime/accessibility.h"

#include <optional>
#include <string>
#include <vector>

namespace tolvane::win32 {

class Win32Window;

namespace reading {

using runtime::ControlIndex;

// The controls a screen reader is shown, in the order it reads them.
std::vector<ControlIndex> order(const Win32Window &window);
// What it is told of a control (none: of the client area, which is named by its title).
runtime::AccessibleControl told(const Win32Window &window, ControlIndex control);

long roleOf(const Win32Window &window, ControlIndex control);
std::wstring nameOf(const Win32Window &window, ControlIndex control, HWND client);
std::optional<std::wstring> valueOf(const Win32Window &window, ControlIndex control);
long stateOf(const Win32Window &window, ControlIndex control, HWND client);
// Where it can be seen, in screen pixels.
RECT placeOf(const Win32Window &window, ControlIndex control, HWND client);
std::optional<std::wstring> shortcutOf(const Win32Window &window, ControlIndex control);
// The name of its default action; none for a control that cannot be pressed.
std::optional<std::wstring> defaultActionOf(const Win32Window &window, ControlIndex control);
// Where a screen reader goes from a child (NAVDIR_NEXT and the like) or from
// the client area (NAVDIR_FIRSTCHILD, _LASTCHILD); none if nowhere.
std::optional<ControlIndex> neighbour(const Win32Window &window, ControlIndex from, long direction);
// What has the focus inside `client` (the client area or the picture box `box`): itself, a child, or none.
std::optional<ControlIndex> focused(const Win32Window &window, ControlIndex box, HWND client);
// The frontmost control in view at a point of the screen; none for the bare client area.
ControlIndex at(const Win32Window &window, POINT screen);

} // namespace reading

} // namespace tolvane::win32
