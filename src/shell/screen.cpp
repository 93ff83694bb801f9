#include "shell/screen.h"

#include "runtime/runtime.h"
#include "runtime/runtime_error.h"
#include "shell/screen_registry.h"

#include <algorithm>

namespace tolvane {

using runtime::RuntimeError;

Screen::Screen(ScreenRegistry &screens, ScreenId id) : m_screens(screens), m_id(id) {}

Screen::~Screen() = default;

bool Screen::isVisible() const { return m_window && m_window->isVisible(); }

void Screen::load()
{
    m_state = State::Loading;
    m_window = m_screens.runtime().createWindow(layout(), m_screens.pictures(), *this);
    ++m_loads;
    dispatch("Form", "Load");
    // The player may have closed the window while its load handler waited.
    m_state = m_window ? State::Loaded : State::Created;
}

void Screen::show()
{
    m_screens.throwIfEnded();
    if (m_state == State::Created)
        load();
    // The load handler may have waited in the input box, during which the
    // game may have ended.
    m_screens.throwIfEnded();
    window().show();
}

void Screen::hide()
{
    m_screens.throwIfEnded();
    if (m_window)
        m_window->hide();
}

void Screen::setVisible(bool visible)
{
    if (visible)
        show();
    else
        hide();
}

void Screen::centre()
{
    const runtime::Runtime &display = m_screens.runtime();
    tolvane::centre(*this, display.displayWidth(), display.displayHeight());
}

std::string Screen::inputBox(std::string_view prompt, std::string_view title)
{
    m_screens.throwIfEnded();
    std::string answer = m_screens.runtime().inputBox(prompt, title);
    m_screens.throwIfEnded();
    return answer;
}

float Screen::width() const { return window().width(); }

float Screen::height() const { return window().height(); }

void Screen::setLeft(float left)
{
    window().setLeft(left);
    m_left = left;
}

void Screen::setTop(float top)
{
    window().setTop(top);
    m_top = top;
}

runtime::Window &Screen::window() const
{
    if (!m_window)
        throw RuntimeError::objectRequired();
    return *m_window;
}

runtime::ControlIndex Screen::controlOf(std::string_view name, ControlKind kind) const
{
    window();
    const std::optional<std::size_t> found = controlNamed(layout(), name);
    if (!found)
        throw RuntimeError::controlNotFound(name);
    if (layout().controls[*found].kind != kind)
        throw RuntimeError::propertyNotSupported(name);
    return *found;
}

control::Label Screen::label(std::string_view name) const { return {*this, controlOf(name, ControlKind::Label)}; }
control::TextBox Screen::textBox(std::string_view name) const { return {*this, controlOf(name, ControlKind::TextBox)}; }
control::Timer Screen::timer(std::string_view name) const { return {*this, controlOf(name, ControlKind::Timer)}; }
control::PictureBox Screen::pictureBox(std::string_view name) const
{
    return {*this, controlOf(name, ControlKind::PictureBox)};
}
control::Image Screen::image(std::string_view name) const { return {*this, controlOf(name, ControlKind::Image)}; }

void Screen::dispatch(std::string_view control, std::string_view event)
{
    if (!m_handlersBound) {
        m_handlers = handlers();
        m_running.assign(m_handlers.size(), false);
        m_handlersBound = true;
    }
    for (std::size_t i = 0; i < m_handlers.size(); ++i) {
        const std::string &bound = m_handlers[i].name;
        const bool matches = bound.size() == control.size() + 1 + event.size() && bound[control.size()] == '_' &&
                             sameName(std::string_view(bound).substr(0, control.size()), control) &&
                             sameName(std::string_view(bound).substr(control.size() + 1), event);
        if (!matches)
            continue;
        if (m_running[i])
            return;
        if (event == "Load")
            ++m_loadHandlerRuns;
        m_running[i] = true;
        struct Done {
            std::vector<bool> &running;
            std::size_t i;
            ~Done() { running[i] = false; }
        } done{m_running, i};
        m_handlers[i].run();
        return;
    }
}

void Screen::controlEvent(std::string_view control, std::string_view event)
{
    // The names may belong to a window that the handler destroys.
    const std::string controlName(control);
    const std::string eventName(event);
    m_screens.guard([&] { dispatch(controlName, eventName); });
}

void Screen::closedByPlayer()
{
    m_window.reset();
    m_state = State::Created;
    m_screens.screenClosedByPlayer();
}

void Screen::discard() { m_window.reset(); }

void Screen::stopTimers()
{
    if (!m_window)
        return;
    const auto &controls = layout().controls;
    for (runtime::ControlIndex i = 0; i < controls.size(); ++i) {
        if (controls[i].kind == ControlKind::Timer)
            m_window->setTimerEnabled(i, false);
    }
}

} // namespace tolvane
