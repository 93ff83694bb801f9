// What a player does to a headless window: clicks that land on whatever lies
// in front, keys as the desktop routes them (Tab, Enter, Space, Alt+letter, the
// menu), typing at the caret, the close control. Each is refused when a player
// could not do it. The tests and the benchmark play the game through these.

#include "platform/headless/window.h"

#include "platform/headless/runtime.h"
#include "resources/accelerator.h"
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
        if (c.container != container || c.kind == ControlKind::Timer || !m_controls[i].visible)
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
    const int x = left + (right - left) / 2;
    const int y = top + (bottom - top) / 2;
    const auto front = hit({}, x, y);
    m_menuOpen = false;
    m_runtime.activate(this);
    if (!front)
        return true;
    clickControl(*front);
    return true;
}

bool HeadlessWindow::clickControl(runtime::ControlIndex i)
{
    const ControlLayout &c = m_layout.controls[i];
    if (takesFocus(c.kind))
        m_focus = i;
    if (c.kind == ControlKind::TextBox)
        m_controls[i].caret = m_controls[i].text.size();
    if (c.kind == ControlKind::CommandButton || c.kind == ControlKind::Image) {
        raise(c.name, "Click");
        return true;
    }
    return false;
}

bool HeadlessWindow::chooseMenu(std::string_view item)
{
    if (!reachable() || !m_layout.menu.present())
        return false;
    const MenuBarLayout &menu = m_layout.menu;
    m_menuOpen = false;
    m_runtime.activate(this);
    if (sameName(item, menu.quit))
        raise(menu.quit, "Click");
    else if (sameName(item, menu.about))
        raise(menu.about, "Click");
    else
        return false;
    return true;
}

bool HeadlessWindow::type(std::string_view textBox, std::string_view text)
{
    const auto i = find(textBox);
    if (!i || m_layout.controls[*i].kind != ControlKind::TextBox || !click(textBox))
        return false;
    if (m_focus == i)
        insertText(text);
    return true;
}

bool HeadlessWindow::press(Key key)
{
    if (!reachable())
        return false;
    m_runtime.activate(this);
    if (m_menuOpen) {
        m_menuOpen = false;
        return true;
    }
    switch (key) {
    case Key::Tab:
    case Key::BackTab:
        moveFocus(key == Key::BackTab);
        return true;
    case Key::Enter:
    case Key::Space:
        // A focused button clicks; no button is any window's default, so
        // Enter anywhere else does nothing. Space in a text box is typed.
        if (m_focus && m_layout.controls[*m_focus].kind == ControlKind::CommandButton) {
            raise(m_layout.controls[*m_focus].name, "Click");
        } else if (m_focus && key == Key::Space && m_layout.controls[*m_focus].kind == ControlKind::TextBox) {
            insertText(" ");
        }
        return true;
    case Key::Left:
    case Key::Right:
        moveCaret(key == Key::Left);
        return true;
    case Key::Escape:
    case Key::Up:
    case Key::Down:
        return true;
    }
    return true;
}

bool HeadlessWindow::pressAlt(char letter)
{
    if (!reachable())
        return false;
    m_runtime.activate(this);
    const char wanted = letter >= 'a' && letter <= 'z' ? char(letter - 'a' + 'A') : letter;
    m_menuOpen = false;
    const MenuBarLayout &menu = m_layout.menu;
    if (menu.present() && wanted == acceleratorOf(gameMenuCaption)) {
        m_menuOpen = true;
        return true;
    }
    if (menu.present() && wanted == acceleratorOf(aboutItemCaption)) {
        raise(menu.about, "Click");
        return true;
    }
    for (runtime::ControlIndex i = 0; i < m_controls.size(); ++i) {
        const ControlLayout &c = m_layout.controls[i];
        if (c.kind == ControlKind::CommandButton && canFocus(i) && acceleratorOf(m_controls[i].caption) == wanted) {
            m_focus = i;
            raise(c.name, "Click");
            return true;
        }
    }
    return true;
}

bool HeadlessWindow::pressLetter(char letter)
{
    if (!reachable())
        return false;
    const char wanted = letter >= 'a' && letter <= 'z' ? char(letter - 'a' + 'A') : letter;
    if (m_menuOpen) {
        m_menuOpen = false;
        if (wanted == acceleratorOf(quitItemCaption))
            raise(m_layout.menu.quit, "Click");
        return true;
    }
    if (m_focus && m_layout.controls[*m_focus].kind == ControlKind::TextBox)
        insertText(std::string(1, letter));
    return true;
}

bool HeadlessWindow::typeText(std::string_view text)
{
    if (!reachable())
        return false;
    insertText(text);
    return true;
}

void HeadlessWindow::insertText(std::string_view text)
{
    if (!m_focus || m_layout.controls[*m_focus].kind != ControlKind::TextBox)
        return;
    ControlState &box = m_controls[*m_focus];
    box.caret = std::min(box.caret, box.text.size());
    box.text.insert(box.caret, text);
    box.caret += text.size();
}

void HeadlessWindow::moveCaret(bool left)
{
    if (!m_focus || m_layout.controls[*m_focus].kind != ControlKind::TextBox)
        return;
    ControlState &box = m_controls[*m_focus];
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
    hide();
    for (runtime::ControlIndex i = 0; i < m_controls.size(); ++i) {
        if (m_layout.controls[i].kind == ControlKind::Timer)
            setTimerEnabled(i, false);
    }
    m_events.closedByPlayer();
    return true;
}

} // namespace tolvane::headless
