#include "web/web_player.h"

#include "platform/web/window.h"
#include "web/player_page.h"

#include <emscripten.h>

#include <sstream>
#include <utility>

namespace tolvane::conformance {

namespace {

web::WebWindow &onPage(runtime::Window &window) { return dynamic_cast<web::WebWindow &>(window); }

std::string readText(const std::function<int(char *, int)> &read)
{
    std::string text(256, '\0');
    const int length = read(text.data(), int(text.size()) + 1);
    if (length > int(text.size())) {
        text.assign(std::size_t(length), '\0');
        read(text.data(), length + 1);
    }
    text.resize(std::size_t(length));
    return text;
}

const char *keyName(Key key)
{
    switch (key) {
    case Key::Tab: return "Tab";
    case Key::BackTab: return "BackTab";
    case Key::Enter: return "Enter";
    case Key::Space: return "Space";
    case Key::Escape: return "Escape";
    case Key::Left: return "Left";
    case Key::Right: return "Right";
    case Key::Up: return "Up";
    case Key::Down: return "Down";
    }
    return "";
}

} // namespace

WebPlayer::WebPlayer() { renewRuntime(); }

void WebPlayer::renewRuntime()
{
    m_runtime.reset();
    m_runtime = std::make_unique<web::WebRuntime>("LE TOLVANE VIRAIL", largestClientArea());
    m_runtime->setLoopHook([this] { actInBoxes(); });
}

void WebPlayer::actInBoxes()
{
    const int box = player_open_box();
    std::function<void()> act;
    if (box == 1 && m_inputBoxAct)
        act = std::exchange(m_inputBoxAct, nullptr);
    else if (box == 2 && m_errorBoxAct)
        act = std::exchange(m_errorBoxAct, nullptr);
    if (act)
        act();
}

void WebPlayer::perform(const char *kind, std::string_view text, int window, int control)
{
    // The input is delivered as it comes; the timers wait until the action is
    // over, as a desktop's do while it handles a click or a key.
    const int request = player_request(kind, std::string(text).c_str(), window, control);
    while (!player_request_done(request))
        m_runtime->pumpOnce(1000, false);
}

void WebPlayer::press(Key key) { perform("key", keyName(key)); }

void WebPlayer::pressAlt(char letter) { perform("alt", std::string(1, letter)); }

void WebPlayer::pressLetter(char letter) { perform("letter", std::string(1, letter)); }

void WebPlayer::pressAltF4() { perform("altF4"); }

void WebPlayer::type(std::string_view utf8) { perform("type", utf8); }

void WebPlayer::click(runtime::Window &window, runtime::ControlIndex control)
{
    perform("click", {}, onPage(window).id(), int(control));
}

void WebPlayer::chooseMenu(runtime::Window &window, std::string_view item)
{
    const MenuBarLayout &menu = onPage(window).layout().menu;
    perform("menu", sameName(item, menu.quit) ? "quit" : sameName(item, menu.about) ? "about" : "", onPage(window).id());
}

void WebPlayer::close(runtime::Window &window) { perform("close", {}, onPage(window).id()); }

void WebPlayer::wait(int ms)
{
    const double until = emscripten_get_now() + ms;
    for (double now = emscripten_get_now(); now < until; now = emscripten_get_now())
        m_runtime->pumpOnce(until - now);
}

long long WebPlayer::clock() { return static_cast<long long>(emscripten_get_now()); }

bool WebPlayer::inputBoxOpen() { return player_open_box() == 1; }

bool WebPlayer::errorBoxOpen() { return player_open_box() == 2; }

void WebPlayer::clickInputBoxButton(bool ok) { perform("box", ok ? "OK" : "Annuler"); }

void WebPlayer::closeInputBox() { perform("box", "close"); }

Player::InputBoxView WebPlayer::inputBoxView()
{
    std::istringstream fields(readText(player_input_box_view));
    InputBoxView view;
    std::string number;
    std::getline(fields, view.title, '\x1f');
    std::getline(fields, view.prompt, '\x1f');
    std::getline(fields, view.okText, '\x1f');
    std::getline(fields, view.cancelText, '\x1f');
    for (int *value : {&view.centreX, &view.top, &view.displayWidth, &view.displayHeight}) {
        std::getline(fields, number, '\x1f');
        *value = number.empty() ? 0 : std::stoi(number);
    }
    return view;
}

std::string WebPlayer::focusedControl(runtime::Window &window)
{
    const int control = player_focused_control(onPage(window).id());
    return control < 0 ? std::string() : std::string(onPage(window).layout().controls[std::size_t(control)].name);
}

bool WebPlayer::isActive(runtime::Window &window) { return window.isVisible() && player_is_active(onPage(window).id()); }

std::string WebPlayer::shownText(runtime::Window &window, runtime::ControlIndex label)
{
    const int id = onPage(window).id();
    return readText([&](char *buffer, int size) { return player_shown_text(id, int(label), buffer, size); });
}

} // namespace tolvane::conformance
