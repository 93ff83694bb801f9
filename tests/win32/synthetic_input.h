#pragma once

// What a player's keyboard and mouse do, handed to the desktop as input, for
// the Win32 test programs.

#include "platform/win32/win32.h"

#include <initializer_list>
#include <string>

namespace tolvane::win32::testing {

// Key chords pressed one after the other (each chord's keys down in order,
// then up in reverse), all handed to the desktop at once: a menu opened by
// one runs its own loop while the next ones arrive.
void sendKeys(std::initializer_list<std::initializer_list<WORD>> chords);

// Text typed as Unicode key strokes.
void sendText(const std::wstring &text);

// A left click at a point of a window's client area.
void sendClick(HWND hwnd, POINT client);

// Whether a click at that point would reach the window (or one of its child
// windows) now: the desktop has it there, in front, as the window manager
// left it. A window just shown or moved may not be yet.
bool pointReaches(HWND hwnd, POINT client);

} // namespace tolvane::win32::testing
