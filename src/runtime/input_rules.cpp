#include "runtime/input_rules.h"

#include "resources/accelerator.h"
#include "resources/control_rules.h"

#include <algorithm>

namespace tolvane::runtime {

namespace {

using Action = InputDecision::Action;
using Key = KeyPress::Key;

InputDecision act(Action action, ControlIndex control = 0) { return {action, control, false, std::nullopt, false}; }

} // namespace

WindowInput::WindowInput(const ScreenLayout &layout)
    : m_layout(layout), m_tabOrder(tabOrder(layout)), m_visible(layout.controls.size()),
      m_accelerator(layout.controls.size(), 0)
{
    for (ControlIndex i = 0; i < layout.controls.size(); ++i) {
        m_visible[i] = layout.controls[i].visible;
        setCaption(i, layout.controls[i].caption);
    }
}

void WindowInput::setCaption(ControlIndex control, std::string_view caption)
{
    if (m_layout.controls[control].kind == ControlKind::CommandButton)
        m_accelerator[control] = acceleratorOf(caption);
}

bool WindowInput::shownInItsBoxes(ControlIndex control) const
{
    if (!m_visible[control])
        return false;
    for (std::size_t box : containersOf(m_layout, control)) {
        if (!m_visible[box])
            return false;
    }
    return true;
}

bool WindowInput::canFocus(ControlIndex control) const
{
    return takesFocus(m_layout.controls[control].kind) && shownInItsBoxes(control);
}

InputDecision WindowInput::focusOn(std::optional<ControlIndex> control, bool byKeyboard)
{
    m_focus = control;
    const bool textBox = control && m_layout.controls[*control].kind == ControlKind::TextBox;
    return {Action::Nothing, 0, true, control, byKeyboard && textBox};
}

InputDecision WindowInput::shown()
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        const auto first = std::find_if(m_tabOrder.begin(), m_tabOrder.end(), [&](ControlIndex i) { return canFocus(i); });
        return focusOn(first == m_tabOrder.end() ? std::nullopt : std::optional(*first));
    }
    m_menuOpen = false;
    if (m_focus && !canFocus(*m_focus))
        return moveFocus(false);
    return focusOn(m_focus);
}

InputDecision WindowInput::setVisible(ControlIndex control, bool visible)
{
    m_visible[control] = visible;
    if (!visible && m_focus && !canFocus(*m_focus))
        return moveFocus(false);
    return {};
}

// From the focused control (or from before the first, or after the last,
// when none has it) to the next one that can take the focus.
InputDecision WindowInput::moveFocus(bool backwards)
{
    const std::size_t n = m_tabOrder.size();
    const auto at = m_focus ? std::find(m_tabOrder.begin(), m_tabOrder.end(), *m_focus) : m_tabOrder.end();
    const std::size_t here = at == m_tabOrder.end() ? (backwards ? 0 : n - 1) : std::size_t(at - m_tabOrder.begin());
    for (std::size_t step = 1; step <= n; ++step) {
        const ControlIndex next = m_tabOrder[backwards ? (here + n - step) % n : (here + step) % n];
        if (canFocus(next))
            return focusOn(next);
    }
    return focusOn(std::nullopt);
}

InputDecision WindowInput::key(const KeyPress &press)
{
    if (m_menuOpen)
        return menuKey(press);
    const bool altGr = press.alt && press.control;
    if (press.alt && !altGr) {
        if (press.key == Key::F4)
            return press.repeat ? act(Action::Nothing) : act(Action::CloseByPlayer);
        if (press.key == Key::Letter && !press.repeat)
            return altLetter(press.letter);
        return act(Action::Nothing);
    }
    const std::optional<ControlKind> focused =
        m_focus ? std::optional(m_layout.controls[*m_focus].kind) : std::nullopt;
    const bool atButton = focused == ControlKind::CommandButton;
    const bool atTextBox = focused == ControlKind::TextBox;
    switch (press.key) {
    case Key::Tab:
        return press.control ? act(Action::Nothing) : moveFocus(press.shift);
    case Key::Enter:
        return atButton && !press.repeat ? act(Action::Click, *m_focus) : act(Action::Nothing);
    case Key::Space:
        if (atButton)
            return press.repeat ? act(Action::Nothing) : act(Action::Click, *m_focus);
        return act(atTextBox ? Action::ToFocused : Action::Nothing);
    case Key::Escape:
        return act(Action::Nothing); // no button is any window's cancel button
    default:
        return act(atTextBox ? Action::ToFocused : Action::Nothing);
    }
}

InputDecision WindowInput::altLetter(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        letter = char(letter - 'a' + 'A');
    for (ControlIndex i = 0; i < m_layout.controls.size(); ++i) {
        if (m_accelerator[i] == letter && canFocus(i)) {
            m_focus = i;
            return {Action::Click, i, true, i, false};
        }
    }
    if (m_layout.menu.present() && letter == acceleratorOf(gameMenuCaption)) {
        m_menuOpen = true;
        return act(Action::OpenMenu);
    }
    if (m_layout.menu.present() && letter == acceleratorOf(aboutItemCaption))
        return act(Action::ChooseAbout);
    return act(Action::Nothing);
}

InputDecision WindowInput::menuKey(const KeyPress &press)
{
    m_menuOpen = false;
    if (press.repeat)
        return act(Action::CloseMenu);
    const bool quitLetter = press.key == Key::Letter && !press.control && press.letter == acceleratorOf(quitItemCaption);
    if (quitLetter || (press.key == Key::Enter && !press.alt))
        return act(Action::ChooseQuit);
    if (press.alt && !press.control && press.key == Key::Letter) {
        // Another Alt letter closes the menu and is taken as it would be.
        InputDecision next = altLetter(press.letter);
        return next.action == Action::Nothing ? act(Action::CloseMenu) : next;
    }
    return act(Action::CloseMenu);
}

InputDecision WindowInput::click(ControlIndex control)
{
    m_menuOpen = false;
    switch (m_layout.controls[control].kind) {
    case ControlKind::CommandButton:
        m_focus = control;
        return {Action::Click, control, true, control, false};
    case ControlKind::Image:
        return act(Action::Click, control);
    case ControlKind::TextBox:
    case ControlKind::PictureBox:
        return focusOn(control, false);
    default:
        return act(Action::Nothing);
    }
}

void closeAsPlayer(Window &window, const ScreenLayout &layout, WindowEvents &events)
{
    window.hide();
    for (ControlIndex i = 0; i < layout.controls.size(); ++i) {
        if (layout.controls[i].kind == ControlKind::Timer)
            window.setTimerEnabled(i, false);
    }
    events.closedByPlayer();
}

} // namespace tolvane::runtime
