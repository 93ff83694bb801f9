#include "headless/headless_player.h"

#include "platform/headless/window.h"

#include <utility>

namespace tolvane::conformance {

using headless::HeadlessWindow;

namespace {
HeadlessWindow &headlessOf(runtime::Window &window) { return static_cast<HeadlessWindow &>(window); }
} // namespace

HeadlessPlayer::HeadlessPlayer() { renewRuntime(); }

void HeadlessPlayer::renewRuntime()
{
    m_runtime = std::make_unique<headless::HeadlessRuntime>();
    listen();
}

// Each box runs the act registered for it, once; a box with none is left
// unanswered, and so closes as on "Annuler".
void HeadlessPlayer::listen()
{
    m_runtime->setInputBoxPlayer([this](std::string_view, std::string_view) {
        if (auto act = std::exchange(m_inputBoxAct, {}))
            act();
    });
    m_runtime->setErrorBoxPlayer([this](std::string_view, std::string_view) {
        if (auto act = std::exchange(m_errorBoxAct, {}))
            act();
    });
}

HeadlessWindow *HeadlessPlayer::active() const
{
    HeadlessWindow *window = m_runtime->activeWindow();
    return window && window->isVisible() ? window : nullptr;
}

void HeadlessPlayer::press(Key key)
{
    if (m_runtime->inputBoxOpen()) {
        if (key == Key::Enter || key == Key::Escape)
            m_runtime->answerInputBox(key == Key::Enter);
        else if (key == Key::Space)
            m_runtime->typeIntoInputBox(" ");
        return;
    }
    if (HeadlessWindow *window = active())
        window->press(HeadlessWindow::Key(int(key)));
}

void HeadlessPlayer::pressAlt(char letter)
{
    if (HeadlessWindow *window = active(); window && !m_runtime->inputBoxOpen())
        window->pressAlt(letter);
}

void HeadlessPlayer::pressLetter(char letter)
{
    if (m_runtime->inputBoxOpen())
        m_runtime->typeIntoInputBox(std::string(1, char(letter - 'A' + 'a')));
    else if (HeadlessWindow *window = active())
        window->pressLetter(letter);
}

void HeadlessPlayer::pressAltF4()
{
    if (m_runtime->inputBoxOpen())
        m_runtime->answerInputBox(false);
    else if (HeadlessWindow *window = active())
        window->close();
}

void HeadlessPlayer::pressHeld(Key key, char altLetter)
{
    HeadlessWindow *window = active();
    if (!window || m_runtime->inputBoxOpen())
        return;
    if (altLetter)
        window->pressAlt(altLetter, true);
    else
        window->press(HeadlessWindow::Key(int(key)), true);
}

void HeadlessPlayer::type(std::string_view utf8)
{
    if (m_runtime->inputBoxOpen())
        m_runtime->typeIntoInputBox(utf8);
    else if (HeadlessWindow *window = active())
        window->typeText(utf8);
}

void HeadlessPlayer::click(runtime::Window &window, runtime::ControlIndex control)
{
    HeadlessWindow &w = headlessOf(window);
    w.click(w.layout().controls[control].name);
}

void HeadlessPlayer::chooseMenu(runtime::Window &window, std::string_view item) { headlessOf(window).chooseMenu(item); }

void HeadlessPlayer::close(runtime::Window &window) { headlessOf(window).close(); }

void HeadlessPlayer::whenInputBoxOpens(std::function<void()> act) { m_inputBoxAct = std::move(act); }

void HeadlessPlayer::whenErrorBoxOpens(std::function<void()> act) { m_errorBoxAct = std::move(act); }

Player::InputBoxView HeadlessPlayer::inputBoxView()
{
    InputBoxView view;
    if (!m_runtime->prompts().empty()) {
        view.title = m_runtime->prompts().back().title;
        view.prompt = m_runtime->prompts().back().prompt;
    }
    view.okText = "OK";
    view.cancelText = "Annuler";
    view.displayWidth = m_runtime->desktop().displayWidth;
    view.displayHeight = m_runtime->desktop().displayHeight;
    view.centreX = view.displayWidth / 2;
    view.top = view.displayHeight / 3;
    return view;
}

std::string HeadlessPlayer::focusedControl(runtime::Window &window) { return std::string(headlessOf(window).focus()); }

bool HeadlessPlayer::isActive(runtime::Window &window) { return active() == &headlessOf(window); }

std::string HeadlessPlayer::shownText(runtime::Window &window, runtime::ControlIndex label)
{
    HeadlessWindow &w = headlessOf(window);
    return w.drawnText(w.layout().controls[label].name);
}

} // namespace tolvane::conformance
