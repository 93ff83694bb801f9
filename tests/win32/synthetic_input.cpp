#include "synthetic_input.h"

#include <algorithm>
#include <vector>

namespace tolvane::win32::testing {

namespace {

INPUT key(WORD virtualKey, WORD scan, DWORD flags)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = virtualKey;
    in.ki.wScan = scan;
    in.ki.dwFlags = flags;
    return in;
}

void send(std::vector<INPUT> &inputs) { SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)); }

} // namespace

void sendKeys(std::initializer_list<std::initializer_list<WORD>> chords)
{
    std::vector<INPUT> inputs;
    for (const auto &down : chords) {
        for (WORD k : down)
            inputs.push_back(key(k, 0, 0));
        for (auto it = std::rbegin(down); it != std::rend(down); ++it)
            inputs.push_back(key(*it, 0, KEYEVENTF_KEYUP));
    }
    send(inputs);
}

void sendText(const std::wstring &text)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        inputs.push_back(key(0, c, KEYEVENTF_UNICODE));
        inputs.push_back(key(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    send(inputs);
}

bool pointReaches(HWND hwnd, POINT client)
{
    if (!ClientToScreen(hwnd, &client))
        return false;
    const HWND under = WindowFromPoint(client);
    return under && (under == hwnd || IsChild(hwnd, under));
}

void sendClick(HWND hwnd, POINT client)
{
    ClientToScreen(hwnd, &client);
    SetCursorPos(client.x, client.y);
    // The press and release carry the point themselves: under Wine a pointer
    // motion from X that was on its way before the move could otherwise put
    // the pointer back where it was, and the click would land there.
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = std::max(GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1, 1);
    const int height = std::max(GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1, 1);
    std::vector<INPUT> click(2);
    for (INPUT &in : click) {
        in.type = INPUT_MOUSE;
        in.mi.dx = MulDiv(client.x - left, 65535, width);
        in.mi.dy = MulDiv(client.y - top, 65535, height);
    }
    constexpr DWORD at = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    click[0].mi.dwFlags = at | MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = at | MOUSEEVENTF_LEFTUP;
    send(click);
}

} // namespace tolvane::win32::testing
