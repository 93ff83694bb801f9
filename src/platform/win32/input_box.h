#pragma once

// The input box: a prompt, a title, an empty field, OK and Annuler, centred
// across the display a third of the way down. Modal: it returns once closed,
// true on OK with the field's text in `typed`. While it is open, `open` is
// its window (End closes it from there).

#include "platform/win32/win32.h"

#include <string>

namespace tolvane::win32 {

bool runInputBox(HINSTANCE instance, const std::wstring &prompt, const std::wstring &title, HWND &open,
                 std::wstring &typed);

} // namespace tolvane::win32
