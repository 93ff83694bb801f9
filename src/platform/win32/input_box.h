#pragma once

// The input box: a prompt, a title, an empty field and the two buttons of
// runtime/input_box.h, where runtime::inputBoxPlace puts it. Modal: it
// returns once closed, true on OK with the field's text in `typed`. While it is open, `open` is
// its window (End closes it from there) and `owner`, if any, is disabled; it
// is active again once the box closes.

#include "platform/win32/win32.h"

#include <string>

namespace tolvane::win32 {

bool runInputBox(HINSTANCE instance, HWND owner, const std::wstring &prompt, const std::wstring &title, HWND &open,
                 std::wstring &typed);

} // namespace tolvane::win32
