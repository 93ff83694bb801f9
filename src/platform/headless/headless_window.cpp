#include "platform/headless/headless_window.h"

#include "platform/headless/headless_runtime.h"
#include "resources/accelerator.h"
#include "resources/control_rules.h"
#include "runtime/checks.h"

#include <algorithm>
#include <stdexcept>

namespace tolvane::headless {

namespace {

constexpr int pictureBoxBorderTwips = pictureBoxEdge * twipsPerPixel;

} // namespace

HeadlessWindow::HeadlessWindow(HeadlessRuntime &runtime, const ScreenLayout &layout,
                               runtime::PictureSource &pictures, runtime::WindowEvents &events)
    : m_runtime(runtime), m_layout(layout), m_events(events), m_controls(layout.controls.size()),
      m_background(pictures.picture(layout.backgroundPicture))
{
    // The design position, until the game moves the window.
    m_left = float(layout.clientLeft);
    m_top = float(layout.clientTop);
    for (runtime::ControlIndex i = 0; i < layout.controls.size(); ++i) {
        const ControlLayout &c = layout.controls[i];
        m_controls[i].caption = std::string(c.caption);
        m_controls[i].visible = c.visible;
        m_controls[i].picture = pictures.picture(c.picture);
        if (c.kind == ControlKind::Timer)
            runtime.addTimer(this, i, c.interval);
    }
}

HeadlessWindow::~HeadlessWindow() { m_runtime.forget(this); }

void HeadlessWindow::show()
{
    if (m_timesShown++ == 0) {
        for (runtime::ControlIndex i : tabOrder(m_layout)) {
            if (canFocus(i)) {
                m_focus = i;
                break;
            }
        }
    }
    m_visible = true;
    m_runtime.activate(this);
}

void HeadlessWindow::hide()
{
    m_visible = false;
    m_menuOpen = false;
    if (m_runtime.activeWindow() == this)
        m_runtime.activate(nullptr);
}

// Kept as given, once checked as every runtime checks it.
void HeadlessWindow::setLeft(float twips)
{
    runtime::windowPixels(twips);
    m_left = twips;
}

void HeadlessWindow::setTop(float twips)
{
    runtime::windowPixels(twips);
    m_top = twips;
}

float HeadlessWindow::width() const
{
    const Desktop &d = m_runtime.desktop();
    return twipsFromPixels(d.frameLeft + pixelsFromTwips(m_layout.clientWidth) + d.frameRight);
}

float HeadlessWindow::height() const
{
    const Desktop &d = m_runtime.desktop();
    const int menu = m_layout.menu.present() ? d.menuBarHeight : 0;
    return twipsFromPixels(d.frameTop + menu + pixelsFromTwips(m_layout.clientHeight) + d.frameBottom);
}

void HeadlessWindow::setCaption(runtime::ControlIndex control, std::string_view text)
{
    runtime::controlFor(m_layout, control, runtime::ControlProperty::Caption);
    m_controls[control].caption = std::string(text);
}

void HeadlessWindow::setControlVisible(runtime::ControlIndex control, bool visible)
{
    runtime::controlFor(m_layout, control, runtime::ControlProperty::Visible);
    m_controls[control].visible = visible;
    // The focus leaves a control going out of view for the next in tab order.
    if (!visible && m_focus && !canFocus(*m_focus))
        moveFocus(false);
}

bool HeadlessWindow::controlVisible(runtime::ControlIndex control) const
{
    runtime::controlFor(m_layout, control, runtime::ControlProperty::Visible);
    return m_controls[control].visible;
}

std::string HeadlessWindow::text(runtime::ControlIndex textBox) const
{
    runtime::controlFor(m_layout, textBox, runtime::ControlProperty::Text);
    return m_controls[textBox].text;
}

void HeadlessWindow::setTimerEnabled(runtime::ControlIndex timer, bool enabled)
{
    runtime::controlFor(m_layout, timer, runtime::ControlProperty::Enabled);
    HeadlessRuntime::TimerEntry *entry = m_runtime.timerOf(this, timer);
    if (!entry || entry->enabled == enabled)
        return;
    entry->enabled = enabled;
    if (enabled)
        entry->due = m_runtime.now() + entry->interval;
}

std::optional<runtime::ControlIndex> HeadlessWindow::find(std::string_view control) const
{
    for (runtime::ControlIndex i = 0; i < m_layout.controls.size(); ++i) {
        if (sameName(m_layout.controls[i].name, control))
            return i;
    }
    return std::nullopt;
}

runtime::ControlIndex HeadlessWindow::indexOf(std::string_view control) const
{
    if (auto i = find(control))
        return *i;
    throw std::out_of_range("no control " + std::string(control) + " on " + std::string(name()));
}

const std::string &HeadlessWindow::caption(std::string_view label) const { return m_controls[indexOf(label)].caption; }
const std::string &HeadlessWindow::typed(std::string_view textBox) const { return m_controls[indexOf(textBox)].text; }
bool HeadlessWindow::ownVisible(std::string_view control) const { return m_controls[indexOf(control)].visible; }
bool HeadlessWindow::seen(std::string_view control) const { return seen(indexOf(control)); }
bool HeadlessWindow::hasPicture(std::string_view control) const { return m_controls[indexOf(control)].picture; }

bool HeadlessWindow::timerEnabled(std::string_view timer) const
{
    const HeadlessRuntime::TimerEntry *entry = m_runtime.timerOf(this, indexOf(timer));
    return entry && entry->enabled;
}

std::string_view HeadlessWindow::focus() const
{
    return m_focus ? m_layout.controls[*m_focus].name : std::string_view();
}

bool HeadlessWindow::seen(runtime::ControlIndex i) const { return m_visible && shownInItsBoxes(i); }

bool HeadlessWindow::shownInItsBoxes(runtime::ControlIndex i) const
{
    for (;;) {
        if (!m_controls[i].visible)
            return false;
        const std::string_view container = m_layout.controls[i].container;
        if (container.empty())
            return true;
        i = indexOf(container);
    }
}

bool HeadlessWindow::canFocus(runtime::ControlIndex i) const
{
    // A hidden control, or one inside a hidden box, is skipped.
    return takesFocus(m_layout.controls[i].kind) && shownInItsBoxes(i);
}

bool HeadlessWindow::reachable() const
{
    return m_visible && !m_runtime.inputBoxOpen() && !m_runtime.errorBoxOpen() && !m_runtime.hasEnded();
}

HeadlessWindow::Rect HeadlessWindow::rectOf(runtime::ControlIndex i) const
{
    const TwipsRect r = controlRect(m_layout.controls[i]);
    return {r.left, r.top, r.width, r.height};
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

void HeadlessWindow::moveFocus(bool backwards)
{
    std::vector<runtime::ControlIndex> order;
    for (runtime::ControlIndex i : tabOrder(m_layout)) {
        if (canFocus(i) || i == m_focus)
            order.push_back(i);
    }
    if (order.empty()) {
        m_focus.reset();
        return;
    }
    const std::size_t n = order.size();
    const auto at = m_focus ? std::find(order.begin(), order.end(), *m_focus) : order.end();
    std::size_t here = at == order.end() ? (backwards ? 0 : n - 1) : std::size_t(at - order.begin());
    for (std::size_t step = 1; step <= n; ++step) {
        const runtime::ControlIndex next = order[backwards ? (here + n - step) % n : (here + step) % n];
        if (canFocus(next)) {
            m_focus = next;
            return;
        }
    }
    m_focus.reset();
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

void HeadlessWindow::raise(std::string_view control, std::string_view event)
{
    m_events.controlEvent(control, event);
}

} // namespace tolvane::headless
