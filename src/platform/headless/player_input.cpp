// What a player does to a headless window: clicks that land on whatever lies
// in front, keys as the desktop routes them (Tab, Enter, Space, Alt+letter, the
// menu), typing at the caret, the close control. Each is refused when a player
// could not do it. The tests and the benchmark play the game through these.

#include "platform/headless/window.h"

#include "platform/headless/runtime.h"
#include "resources/control_rules.h"

#include <algorithm>

namespace tolvane::headless {

namespace {

constexpr int pictureBoxBorderTwips = pictureBoxEdge * twipsPerPixel;

} // namespace

bool HeadlessWindow::reachable() const
{
    return m_visible && !m_runtime.inputBoxOpen() && !m_runtime.errorBoxOpen() && !m_runtime.hasEnded();
}

std::optional<runtime::ControlIndex> HeadlessWindow::hit(std::string_view container, int x, int y) const
{
    for (runtime::ControlIndex i = 0; i < m_layout.controls.size(); ++i) {
        const ControlLayout &c = m_layout.controls[i];
        if (c.container != container || c.kind == ControlKind::Timer || !m_input.visible(i))
            continue;
        const Rect r = rectOf(i);
        if (!r.contains(x, y))
            continue;
        if (c.kind == ControlKind::PictureBox) {
            // What the box holds lies above it, clipped to its inner area.
            const int innerX = x - r.left - pictureBoxBorderTwips;
            const int innerY = y - r.top - pictureBoxBorderTwips;
            const bool inside = innerX >= 0 && innerY >= 0 && innerX < r.width - 2 * pictureBoxBorderTwips &&
                                innerY < r.height - 2 * pictureBoxBorderTwips;
            if (inside) {
                if (auto child = hit(c.name, innerX, innerY))
                    return child;
            }
        }
        return i;
    }
    return std::nullopt;
}

bool HeadlessWindow::click(std::string_view control)
{
    const auto i = find(control);
    if (!i || !reachable() || !seen(*i))
        return false;
    // The control's rectangle in the client area, clipped by the boxes that
    // hold it and by the client area itself; the click lands in its middle.
    const Rect r = rectOf(*i);
    int left = r.left, top = r.top, right = r.left + r.width, bottom = r.top + r.height;
    for (std::string_view container = m_layout.controls[*i].container; !container.empty();) {
        const runtime::ControlIndex box = indexOf(container);
        const Rect b = rectOf(box);
        const int dx = b.left + pictureBoxBorderTwips, dy = b.top + pictureBoxBorderTwips;
        left = std::max(left + dx, dx);
        top = std::max(top + dy, dy);
        right = std::min(right + dx, b.left + b.width - pictureBoxBorderTwips);
        bottom = std::min(bottom + dy, b.top + b.height - pictureBoxBorderTwips);
        container = m_layout.controls[box].container;
    }
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, m_layout.clientWidth);
    bottom = std::min(bottom, m_layout.clientHeight);
    if (right <= left || bottom <= top)
        return false;
    const auto front = hit({}, left + (right - left) / 2, top + (bottom - top) / 2);
    m_input.menuByDesktop(false);
    m_runtime.activate(this);
    if (!front)
        return true;
    if (m_layout.controls[*front].kind == ControlKind::TextBox)
        m_controls[*front].caret = m_controls[*front].text.size();
    apply(m_input.click(*front));
    return true;
}

bool HeadlessWindow::chooseMenu(std::string_view item)
{
    if (!reachable() || !m_layout.menu.present())
        return false;
    const MenuBarLayout &menu = m_layout.menu;
    m_input.menuByDesktop(false);
    m_runtime.activate(this);
    if (!sameName(item, menu.quit) && !sameName(item, menu.about))
        return false;
    raise(sameName(item, menu.quit) ? menu.quit : menu.about, "Click");
    return true;
}

bool HeadlessWindow::type(std::string_view textBox, std::string_view text)
{
    const auto i = find(textBox);
    if (!i || m_layout.controls[*i].kind != ControlKind::TextBox || !click(textBox))
        return false;
    if (m_input.focus() == i)
        insertText(text);
    return true;
}

bool HeadlessWindow::key(const runtime::KeyPress &press)
{
    if (!reachable())
        return false;
    m_runtime.activate(this);
    apply(m_input.key(press), &press);
    return true;
}

bool HeadlessWindow::press(Key key, bool repeat)
{
    using K = runtime::KeyPress::Key;
    constexpr K keys[] = {K::Tab, K::Tab, K::Enter, K::Space, K::Escape, K::Left, K::Right, K::Up, K::Down};
    runtime::KeyPress press{keys[int(key)]};
    press.shift = key == Key::BackTab;
    press.repeat = repeat;
    return this->key(press);
}

bool HeadlessWindow::pressAlt(char letter, bool repeat)
{
    runtime::KeyPress press{runtime::KeyPress::Key::Letter, char(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter)};
    press.alt = true;
    press.repeat = repeat;
    return key(press);
}

bool HeadlessWindow::pressLetter(char letter)
{
    return key({runtime::KeyPress::Key::Letter, char(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter)});
}

bool HeadlessWindow::typeText(std::string_view text)
{
    if (!reachable())
        return false;
    insertText(text);
    return true;
}

void HeadlessWindow::apply(const runtime::InputDecision &decision, const runtime::KeyPress *press)
{
    using Action = runtime::InputDecision::Action;
    switch (decision.action) {
    case Action::Click:
        raise(m_layout.controls[decision.control].name, "Click");
        break;
    case Action::ChooseQuit:
        raise(m_layout.menu.quit, "Click");
        break;
    case Action::ChooseAbout:
        raise(m_layout.menu.about, "Click");
        break;
    case Action::ToFocused:
        if (press)
            textBoxKey(*press);
        break;
    case Action::CloseByPlayer:
        close();
        break;
    default: // the focus and the menu are the rules' own state here
        break;
    }
}

// A letter key types its lower-case letter (Shift, its capital); Space a
// space; the arrows move the caret.
void HeadlessWindow::textBoxKey(const runtime::KeyPress &press)
{
    using K = runtime::KeyPress::Key;
    if (press.key == K::Letter && !press.control)
        insertText(std::string(1, press.shift ? press.letter : char(press.letter - 'A' + 'a')));
    else if (press.key == K::Space)
        insertText(" ");
    else if (press.key == K::Left || press.key == K::Right)
        moveCaret(press.key == K::Left);
}

void HeadlessWindow::insertText(std::string_view text)
{
    const auto focus = m_input.focus();
    if (!focus || m_layout.controls[*focus].kind != ControlKind::TextBox)
        return;
    ControlState &box = m_controls[*focus];
    box.caret = std::min(box.caret, box.text.size());
    box.text.insert(box.caret, text);
    box.caret += text.size();
}

void HeadlessWindow::moveCaret(bool left)
{
    ControlState &box = m_controls[*m_input.focus()];
    const auto continuation = [&](std::size_t at) { return (static_cast<unsigned char>(box.text[at]) & 0xC0) == 0x80; };
    if (left && box.caret > 0) {
        do
            --box.caret;
        while (box.caret > 0 && continuation(box.caret));
    } else if (!left && box.caret < box.text.size()) {
        do
            ++box.caret;
        while (box.caret < box.text.size() && continuation(box.caret));
    }
}

bool HeadlessWindow::close()
{
    if (!reachable())
        return false;
    runtime::closeAsPlayer(*this, m_layout, m_events);
    return true;
}

} // namespace tolvane::headless
