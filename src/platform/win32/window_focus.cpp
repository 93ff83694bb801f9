// A game window's keys and focus: each key the window takes goes to the
// core's rules as the keyboard gave it, and their decision is carried out
// on the child windows, so that the caret and screen readers follow.

#include "platform/win32/window.h"

#include "platform/win32/runtime.h"
#include "runtime/input_rules.h"

#include <utility>

namespace tolvane::win32 {

namespace {

using Key = runtime::KeyPress::Key;

// The keys the rules know, by virtual key; a letter is its own.
Key keyOf(WPARAM virtualKey)
{
    switch (virtualKey) {
    case VK_TAB: return Key::Tab;
    case VK_RETURN: return Key::Enter;
    case VK_SPACE: return Key::Space;
    case VK_ESCAPE: return Key::Escape;
    case VK_LEFT: return Key::Left;
    case VK_RIGHT: return Key::Right;
    case VK_UP: return Key::Up;
    case VK_DOWN: return Key::Down;
    case VK_F4: return Key::F4;
    default: return virtualKey >= 'A' && virtualKey <= 'Z' ? Key::Letter : Key::Other;
    }
}

} // namespace

runtime::ControlIndex Win32Window::controlOf(HWND hwnd) const
{
    for (runtime::ControlIndex i = 0; hwnd && i < m_controls.size(); ++i) {
        if (m_controls[i].hwnd == hwnd)
            return i;
    }
    return none;
}

void Win32Window::readFocus()
{
    // The menu bar's own loop has ended by the time a key reaches the window.
    m_input.menuByDesktop(false);
    const HWND focus = GetFocus();
    if (focus == m_hwnd || (focus && IsChild(m_hwnd, focus))) {
        const runtime::ControlIndex control = controlOf(focus);
        m_input.focusedByDesktop(control == none ? std::nullopt : std::optional(control));
    }
}

void Win32Window::focusOn(std::optional<runtime::ControlIndex> control)
{
    if (GetActiveWindow() != m_hwnd)
        return; // it goes there when the window is next active
    const HWND to = control ? m_controls[*control].hwnd : m_hwnd;
    SetFocus(to);
}

bool Win32Window::handleKey(const MSG &message)
{
    if (message.message == WM_SYSCHAR) {
        // The Alt letters are taken at their key; the character of the one
        // that opens the game menu goes to the desktop's menu handling, which opens
        // it and runs its loop, as Alt+Space's opens the system menu.
        const bool toMenu = std::exchange(m_menuTakesChar, false) || message.wParam == L' ';
        return !toMenu;
    }
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    const WPARAM virtualKey = message.wParam;
    // Alt alone and F10 walk the menu bar, Alt+Space opens the system menu:
    // the desktop's own, as in every window.
    if (virtualKey == VK_MENU || virtualKey == VK_SHIFT || virtualKey == VK_CONTROL || virtualKey == VK_F10 ||
        (virtualKey == VK_SPACE && message.message == WM_SYSKEYDOWN))
        return false;
    runtime::KeyPress press{keyOf(virtualKey), virtualKey >= 'A' && virtualKey <= 'Z' ? char(virtualKey) : char(0)};
    press.shift = GetKeyState(VK_SHIFT) < 0;
    press.alt = message.message == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0;
    press.control = GetKeyState(VK_CONTROL) < 0;
    press.repeat = (message.lParam & (1 << 30)) != 0;
    readFocus();
    const runtime::InputDecision decision = m_input.key(press);
    using Action = runtime::InputDecision::Action;
    // The desktop's own close (WM_CLOSE) is the player's close.
    if (decision.action == Action::ToFocused || decision.action == Action::CloseByPlayer)
        return false; // the text box types it, or moves its caret; or Alt+F4
    apply(decision); // may destroy this window
    // A system key still goes on to the desktop, or Alt's release would
    // open the menu bar as after Alt alone; its character goes no further.
    return message.message != WM_SYSKEYDOWN || virtualKey == VK_F4;
}

void Win32Window::apply(const runtime::InputDecision &decision)
{
    using Action = runtime::InputDecision::Action;
    if (decision.moveFocus) {
        focusOn(decision.focus);
        if (decision.focus && decision.selectAll)
            SendMessageW(m_controls[*decision.focus].hwnd, EM_SETSEL, 0, -1);
    }
    switch (decision.action) {
    case Action::Click:
        deliver(m_controls[decision.control].layout->name, "Click"); // may destroy this window
        break;
    case Action::ChooseQuit:
        deliver(m_layout.menu.quit, "Click");
        break;
    case Action::ChooseAbout:
        deliver(m_layout.menu.about, "Click");
        break;
    case Action::OpenMenu:
        m_menuTakesChar = true;
        break;
    case Action::CloseByPlayer:
        closeByPlayer();
        break;
    default:
        break;
    }
}

void Win32Window::activated(bool active)
{
    if (!active) {
        readFocus();
        return;
    }
    m_runtime.activated(this);
    focusOn(m_input.focus());
}

} // namespace tolvane::win32
