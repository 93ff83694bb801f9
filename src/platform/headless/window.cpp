#include "platform/headless/window.h"

#include "platform/headless/runtime.h"
#include "resources/control_rules.h"
#include "runtime/checks.h"

#include <algorithm>
#include <stdexcept>

namespace tolvane::headless {

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
    if (!m_shownOnce) {
        m_shownOnce = true;
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

HeadlessWindow::Rect HeadlessWindow::rectOf(runtime::ControlIndex i) const
{
    const TwipsRect r = controlRect(m_layout.controls[i]);
    return {r.left, r.top, r.width, r.height};
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

void HeadlessWindow::raise(std::string_view control, std::string_view event)
{
    m_events.controlEvent(control, event);
}

} // namespace tolvane::headless
