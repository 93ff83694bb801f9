#include "platform/headless/headless_window.h"

#include "platform/headless/headless_runtime.h"
#include "resources/accelerator.h"

#include <algorithm>
#include <stdexcept>

namespace tolvane::headless {

namespace {

constexpr int pictureBoxBorderTwips = 2 * twipsPerPixel;

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
        std::vector<runtime::ControlIndex> order;
        for (runtime::ControlIndex i = 0; i < m_controls.size(); ++i) {
            if (takesFocus(i))
                order.push_back(i);
        }
        std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) {
            return m_layout.controls[a].tabIndex < m_layout.controls[b].tabIndex;
        });
        for (runtime::ControlIndex i : order) {
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

float HeadlessWindow::width() const
{
    const Desktop &d = m_runtime.desktop();
    const int client = (m_layout.clientWidth + twipsPerPixel / 2) / twipsPerPixel;
    return float((d.frameLeft + client + d.frameRight) * twipsPerPixel);
}

float HeadlessWindow::height() const
{
    const Desktop &d = m_runtime.desktop();
    const int client = (m_layout.clientHeight + twipsPerPixel / 2) / twipsPerPixel;
    const int menu = m_layout.menu.present() ? d.menuBarHeight : 0;
    return float((d.frameTop + menu + client + d.frameBottom) * twipsPerPixel);
}

void HeadlessWindow::setCaption(runtime::ControlIndex label, std::string_view text)
{
    m_controls.at(label).caption = std::string(text);
}

void HeadlessWindow::setControlVisible(runtime::ControlIndex control, bool visible)
{
    m_controls.at(control).visible = visible;
    if (!visible && m_focus && !canFocus(*m_focus))
        m_focus.reset();
}

bool HeadlessWindow::controlVisible(runtime::ControlIndex control) const { return m_controls.at(control).visible; }

std::string HeadlessWindow::text(runtime::ControlIndex textBox) const { return m_controls.at(textBox).text; }

void HeadlessWindow::setTimerEnabled(runtime::ControlIndex timer, bool enabled)
{
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

bool HeadlessWindow::takesFocus(runtime::ControlIndex i) const
{
    const ControlKind kind = m_layout.controls[i].kind;
    return kind == ControlKind::TextBox || kind == ControlKind::CommandButton || kind == ControlKind::PictureBox;
}

bool HeadlessWindow::canFocus(runtime::ControlIndex i) const
{
    // A hidden control, or one inside a hidden box, is skipped.
    return takesFocus(i) && shownInItsBoxes(i);
}

bool HeadlessWindow::reachable() const
{
    return m_visible && !m_runtime.promptOpen() && !m_runtime.hasEnded();
}

HeadlessWindow::Rect HeadlessWindow::rectOf(runtime::ControlIndex i) const
{
    const ControlLayout &c = m_layout.controls[i];
    if (c.kind == ControlKind::Image && !c.stretch && c.picture != PictureId::None) {
        const PictureInfo &info = pictureInfo(c.picture);
        return {c.left, c.top, info.width * twipsPerPixel, info.height * twipsPerPixel};
    }
    return {c.left, c.top, c.width, c.height};
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
    // The middle of the control, in its container's inner area...
    const Rect r = rectOf(*i);
    int x = r.left + r.width / 2;
    int y = r.top + r.height / 2;
    // ...then in the client area, to find what lies in front there.
    for (std::string_view container = m_layout.controls[*i].container; !container.empty();) {
        const runtime::ControlIndex box = indexOf(container);
        x += m_layout.controls[box].left + pictureBoxBorderTwips;
        y += m_layout.controls[box].top + pictureBoxBorderTwips;
        container = m_layout.controls[box].container;
    }
    const int clientWidth = m_layout.clientWidth;
    const int clientHeight = m_layout.clientHeight;
    if (x < 0 || y < 0 || x >= clientWidth || y >= clientHeight)
        return false;
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
    if (takesFocus(i))
        m_focus = i;
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
        m_controls[*i].text += text;
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
    case Key::BackTab: {
        std::vector<runtime::ControlIndex> order;
        for (runtime::ControlIndex i = 0; i < m_controls.size(); ++i) {
            if (canFocus(i))
                order.push_back(i);
        }
        if (order.empty())
            return true;
        std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) {
            return m_layout.controls[a].tabIndex < m_layout.controls[b].tabIndex;
        });
        auto at = m_focus ? std::find(order.begin(), order.end(), *m_focus) : order.end();
        const std::size_t n = order.size();
        std::size_t next = 0;
        if (at != order.end()) {
            const std::size_t here = std::size_t(at - order.begin());
            next = key == Key::Tab ? (here + 1) % n : (here + n - 1) % n;
        } else if (key == Key::BackTab) {
            next = n - 1;
        }
        m_focus = order[next];
        return true;
    }
    case Key::Enter:
    case Key::Space:
        // A focused button clicks; no button is any window's default, so
        // Enter anywhere else does nothing. Space in a text box is typed.
        if (m_focus && m_layout.controls[*m_focus].kind == ControlKind::CommandButton) {
            raise(m_layout.controls[*m_focus].name, "Click");
        } else if (m_focus && key == Key::Space && m_layout.controls[*m_focus].kind == ControlKind::TextBox) {
            m_controls[*m_focus].text += ' ';
        }
        return true;
    case Key::Escape:
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
        m_controls[*m_focus].text += letter;
    return true;
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
