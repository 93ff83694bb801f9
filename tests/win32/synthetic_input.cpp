#include "synthetic_input.h"

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

void sendClick(HWND hwnd, POINT client)
{
    ClientToScreen(hwnd, &client);
    SetCursorPos(client.x, client.y);
    std::vector<INPUT> click(2);
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send(click);
}

} // namespace tolvane::win32::testing
