#pragma once

// What a screen reader reads of a game window. Labels and images have no
// window of their own, so Windows cannot see them: each game window answers
// WM_GETOBJECT itself with an MSAA IAccessible for its client area, whose
// children are the window's controls (UI Automation clients reach it too,
// through Windows' own bridge). A picture box answers for itself, since the
// focus can rest on it.
//
//   child id     a control's place in the layout + 1 (stable while the window lives)
//   children     the core's reading order (runtime/accessibility.h)
//   each child   the core's role, name, shortcut and default action; a text
//                box's value is its typed text; pressing a child is a click

#include "platform/win32/win32.h"
#include "runtime/window.h"

namespace tolvane::win32 {

// The answer to WM_GETOBJECT sent to a game window's client area (box: none)
// or to one of its picture boxes (box: its index), hwnd the one asked.
LRESULT answerAccessibilityQuery(runtime::ControlIndex box, HWND hwnd, WPARAM wParam, LPARAM lParam);

// Tells assistive technology that a control of a window changed: its caption
// (EVENT_OBJECT_NAMECHANGE) or whether it is in view (EVENT_OBJECT_SHOW, _HIDE).
void announce(HWND window, DWORD event, runtime::ControlIndex control);

// Posted to a game window, wParam a control's index: a click asked for by
// assistive technology, run once the caller has its answer.
inline constexpr UINT pressedByAssistiveTechnology = WM_APP + 0x41;

} // namespace tolvane::win32
