#include "platform/win32/activation.h"

#include "platform/win32/text.h"
#include "shell/game_identity.h"

namespace tolvane::win32 {

namespace {

// A popup of the system's static class, never shown, without a taskbar
// button; one for each thread that hides game windows, made on first need and
// destroyed with its thread. Its title is what a screen reader names the
// foreground for the instant between two windows.
HWND keeper()
{
    thread_local HWND window = nullptr;
    if (!window || !IsWindow(window))
        window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", widen(gameTitle).c_str(), WS_POPUP, 0, 0, 0, 0,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return window;
}

} // namespace

void keepActivationInGame(HWND leaving)
{
    if (leaving && GetActiveWindow() == leaving && IsWindowVisible(leaving)) {
        if (HWND hidden = keeper())
            SetActiveWindow(hidden);
    }
}

} // namespace tolvane::win32
