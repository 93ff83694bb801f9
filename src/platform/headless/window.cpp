#include "platform/headless/window.h"

#include "platform/headless/runtime.h"
#include "resources/control_rules.h"
#include "runtime/checks.h"

#include <stdexcept>

namespace tolvane::headless {

HeadlessWindow::HeadlessWindow(HeadlessRuntime &runtime, const ScreenLayout &layout,
                               runtime::PictureSource &pictures, runtime::WindowEvents &events)
    : m_runtime(runtime), m_layout(layout), m_events(events), m_controls(layout.controls.size()),
      m_background(pictures.picture(layout.backgroundPicture)), m_input(layout)
{
    // The design position, until the game moves the window.
    m_left = float(layout.clientLeft);
    m_top = float(layout.clientTop);
    for (runtime::ControlIndex i = 0; i < layout.controls.size(); ++i) {
        const ControlLayout &c = layout.controls[i];
        m_controls[i].caption = std::string(c.caption);
        m_controls[i].drawn = shownCaption(c.caption).text;
        m_controls[i].picture = pictures.picture(c.picture);
        if (c.kind == ControlKind::Timer)
            runtime.timers().add(this, i, c.interval, double(runtime.now()));
    }
}

HeadlessWindow::~HeadlessWindow() { m_runtime.forget(this); }

void HeadlessWindow::show()
{
    m_visible = true;
    m_runtime.activate(this);
    apply(m_input.shown());
}

void HeadlessWindow::hide()
{
    m_visible = false;
    m_input.menuByDesktop(false);
    m_runtime.hidden(this);
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
    m_controls[control].drawn = shownCaption(text).text;
    m_input.setCaption(control, text);
}

void HeadlessWindow::setControlVisible(runtime::ControlIndex control, bool visible)
{
    runtime::controlFor(m_layout, control, runtime::ControlProperty::Visible);
    apply(m_input.setVisible(control, visible));
}

bool HeadlessWindow::controlVisible(runtime::ControlIndex control) const
{
    runtime::controlFor(m_layout, control, runtime::ControlProperty::Visible);
    return m_input.visible(control);
}

std::string HeadlessWindow::text(runtime::ControlIndex textBox) const
{
    runtime::controlFor(m_layout, textBox, runtime::ControlProperty::Text);
    return m_controls[textBox].text;
}

void HeadlessWindow::setTimerEnabled(runtime::ControlIndex timer, bool enabled)
{
    runtime::controlFor(m_layout, timer, runtime::ControlProperty::Enabled);
    m_runtime.timers().setEnabled(this, timer, enabled, double(m_runtime.now()));
}

std::optional<runtime::ControlIndex> HeadlessWindow::find(std::string_view control) const
{
    return controlNamed(m_layout, control);
}

runtime::ControlIndex HeadlessWindow::indexOf(std::string_view control) const
{
    if (auto i = find(control))
        return *i;
    throw std::out_of_range("no control " + std::string(control) + " on " + std::string(name()));
}

const std::string &HeadlessWindow::caption(std::string_view label) const { return m_controls[indexOf(label)].caption; }
const std::string &HeadlessWindow::drawnText(std::string_view label) const { return m_controls[indexOf(label)].drawn; }
const std::string &HeadlessWindow::typed(std::string_view textBox) const { return m_controls[indexOf(textBox)].text; }
bool HeadlessWindow::ownVisible(std::string_view control) const { return m_input.visible(indexOf(control)); }
bool HeadlessWindow::seen(std::string_view control) const { return seen(indexOf(control)); }
bool HeadlessWindow::hasPicture(std::string_view control) const { return m_controls[indexOf(control)].picture; }
bool HeadlessWindow::timerEnabled(std::string_view timer) const { return m_runtime.timers().enabled(this, indexOf(timer)); }

std::string_view HeadlessWindow::focus() const
{
    const auto focus = m_input.focus();
    return focus ? m_layout.controls[*focus].name : std::string_view();
}

bool HeadlessWindow::seen(runtime::ControlIndex i) const { return m_visible && m_input.shownInItsBoxes(i); }

HeadlessWindow::Rect HeadlessWindow::rectOf(runtime::ControlIndex i) const
{
    const TwipsRect r = controlRect(m_layout.controls[i]);
    return {r.left, r.top, r.width, r.height};
}

void HeadlessWindow::raise(std::string_view control, std::string_view event)
{
    m_events.controlEvent(control, event);
}

} // namespace tolvane::headless
