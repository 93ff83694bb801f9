// A game window's focus and the keys it handles itself: Tab and Shift+Tab by
// TabIndex, Enter, Escape and Alt+letter.

#include "platform/win32/window.h"

#include "resources/accelerator.h"
#include "resources/control_rules.h"

#include <cctype>

namespace tolvane::win32 {

bool Win32Window::canTakeFocus(runtime::ControlIndex index) const
{
    const Control &c = m_controls[index];
    if (!c.hwnd || !c.visible || !IsWindowEnabled(c.hwnd))
        return false;
    // Inside a picture box that is out of view, nothing can take it either.
    for (std::size_t box : containersOf(m_layout, index)) {
        if (!m_controls[box].visible)
            return false;
    }
    return true;
}

HWND Win32Window::firstFocusable() const
{
    for (runtime::ControlIndex i : m_tabOrder) {
        if (canTakeFocus(i))
            return m_controls[i].hwnd;
    }
    return nullptr;
}

void Win32Window::moveFocus(bool backwards, HWND focus)
{
    if (m_tabOrder.empty())
        return;
    std::size_t at = m_tabOrder.size();
    for (std::size_t k = 0; k < m_tabOrder.size(); ++k) {
        if (m_controls[m_tabOrder[k]].hwnd == focus)
            at = k;
    }
    const std::size_t n = m_tabOrder.size();
    for (std::size_t step = 1; step <= n; ++step) {
        std::size_t k;
        if (at == n)
            k = backwards ? n - step : step - 1;
        else
            k = backwards ? (at + n - step) % n : (at + step) % n;
        if (canTakeFocus(m_tabOrder[k])) {
            HWND next = m_controls[m_tabOrder[k]].hwnd;
            SetFocus(next);
            // A text box reached by Tab has its text selected, as in a dialog.
            if (m_controls[m_tabOrder[k]].layout->kind == ControlKind::TextBox)
                SendMessageW(next, EM_SETSEL, 0, -1);
            return;
        }
    }
}

bool Win32Window::handleKey(const MSG &message)
{
    if (message.message == WM_SYSCHAR)
        return handleAltLetter(static_cast<wchar_t>(message.wParam));
    if (message.message != WM_KEYDOWN)
        return false;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (message.wParam == VK_TAB && !control) {
        moveFocus(GetKeyState(VK_SHIFT) < 0, GetFocus());
        return true;
    }
    if (message.wParam == VK_RETURN) {
        // No button is the default one: Enter clicks the focused button, and
        // does nothing anywhere else (an answer box submits nothing).
        HWND focus = GetFocus();
        for (std::size_t i = 0; i < m_controls.size(); ++i) {
            if (m_controls[i].hwnd == focus && m_controls[i].layout->kind == ControlKind::CommandButton) {
                if ((message.lParam & (1 << 30)) == 0) // not a key repeat
                    deliver(m_controls[i].layout->name, "Click");
                return true;
            }
        }
        return true;
    }
    // No cancel button either; a text box would only beep at it.
    return message.wParam == VK_ESCAPE;
}

bool Win32Window::handleAltLetter(wchar_t typed)
{
    if (typed == L' ')
        return false; // Alt+Space: the window's system menu
    const char letter = typed < 0x80 ? static_cast<char>(std::toupper(static_cast<unsigned char>(typed))) : 0;
    if (letter == 0)
        return true;
    // A button on view with that letter: focused and clicked.
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i].layout->kind == ControlKind::CommandButton && m_controls[i].accelerator == letter &&
            canTakeFocus(i)) {
            SetFocus(m_controls[i].hwnd);
            deliver(m_controls[i].layout->name, "Click"); // may destroy this window
            return true;
        }
    }
    // A menu title with that letter: the desktop's menu handling opens it.
    if (m_layout.menu.present() && (letter == acceleratorOf(gameMenuCaption) || letter == acceleratorOf(aboutItemCaption)))
        return false;
    return true; // nothing, and no sound
}

void Win32Window::activated(bool active)
{
    // A window that is not a dialog gives the focus back to the control
    // that had it when it was last active.
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(m_hwnd, focus))
            m_lastFocus = focus;
    } else if (m_lastFocus && IsWindowVisible(m_lastFocus)) {
        SetFocus(m_lastFocus);
    } else if (HWND first = firstFocusable()) {
        SetFocus(first);
    }
}

} // namespace tolvane::win32
