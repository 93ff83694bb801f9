#include "platform/web/runtime.h"

#include "platform/web/page.h"
#include "platform/web/picture.h"
#include "platform/web/window.h"
#include "resources/control_rules.h"
#include "runtime/desktop_words.h"
#include "runtime/input_box.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

namespace tolvane::web {

namespace {

// The page's number of each window, never given twice while the page lives.
int nextWindow = 1;

} // namespace

WebRuntime::WebRuntime(std::string_view title, ClientArea largestClient) : m_title(title)
{
    page_start(m_title.c_str(), std::string(runtime::closeControlName).c_str(), pixelsFromTwips(largestClient.width),
               pixelsFromTwips(largestClient.height));
}

WebRuntime::~WebRuntime() = default;

std::unique_ptr<runtime::Window> WebRuntime::createWindow(const ScreenLayout &layout, runtime::PictureSource &pictures,
                                                          runtime::WindowEvents &events)
{
    const int id = nextWindow++;
    auto window = std::make_unique<WebWindow>(*this, id, layout, pictures, events);
    m_windows[id] = window.get();
    return window;
}

float WebRuntime::displayWidth() const { return twipsFromPixels(page_display_width()); }

float WebRuntime::displayHeight() const { return twipsFromPixels(page_display_height()); }

std::string WebRuntime::askInputBox(std::string_view prompt, std::string_view title)
{
    page_input_box_open(std::string(prompt).c_str(), std::string(title).c_str(), std::string(runtime::inputBoxOk).c_str(),
                        std::string(runtime::inputBoxCancel).c_str());
    waitForBox(page_input_box_state);
    const bool ok = !hasEnded() && page_input_box_state() == 1;
    std::string answer = ok ? pageText(page_input_box_text) : std::string();
    page_input_box_close();
    if (m_active)
        m_active->takeFocus();
    return answer;
}

void WebRuntime::errorBox(std::string_view title, std::string_view message)
{
    page_error_box_open(std::string(title).c_str(), std::string(message).c_str(), std::string(runtime::errorBoxOk).c_str());
    waitForBox(page_error_box_state);
    page_error_box_close();
    if (m_active)
        m_active->takeFocus();
}

void WebRuntime::waitForBox(int (*state)())
{
    // Placed again each round: a new size of the display wakes the loop.
    while (!hasEnded() && state() == 0) {
        int displayWidth = 0, displayHeight = 0, outerWidth = 0;
        page_box_measure(&displayWidth, &displayHeight, &outerWidth);
        const runtime::BoxPlace place = runtime::inputBoxPlace(displayWidth, displayHeight, outerWidth);
        page_box_move(place.left, place.top);
        pumpOnce();
    }
}

int WebRuntime::runLoop()
{
    while (!hasEnded())
        pumpOnce();
    return 0;
}

void WebRuntime::endNow(int)
{
    m_timers.stopAll();
    for (const auto &[id, window] : m_windows)
        window->hide();
    page_game_over(std::string(runtime::gameOverMessage).c_str(), std::string(runtime::playAgain).c_str());
}

std::unique_ptr<runtime::Picture> WebRuntime::decodePicture(std::span<const unsigned char> file,
                                                            runtime::PixelRect part) const
{
    if (part.width <= 0 || part.height <= 0)
        return std::make_unique<WebPicture>(WebPicture::none); // no window shows any of it
    return web::decodePicture(file);
}

int WebRuntime::sharpPicture(PictureId id)
{
    std::optional<int> &handle = m_sharpPictures[std::size_t(id) - 1];
    if (!handle) {
        const std::string name = std::string(pictureInfo(id).name) + "@2x";
        handle = page_picture_2x(name.c_str());
        if (*handle != WebPicture::none)
            page_picture_size(*handle, pictureInfo(id).width, pictureInfo(id).height);
    }
    return *handle;
}

void WebRuntime::activate(WebWindow &window)
{
    m_active = &window;
    m_activation.activated(&window);
    page_window_activate(window.id());
}

void WebRuntime::leaving(WebWindow &window)
{
    if (m_active != &window)
        return;
    m_active = m_activation.next(&window, [](WebWindow *w) { return w->isVisible(); });
    if (m_active) {
        activate(*m_active);
        m_active->takeFocus();
    }
}

void WebRuntime::forget(WebWindow &window)
{
    m_timers.forget(&window);
    m_activation.forget(&window);
    m_windows.erase(window.id());
    if (m_active == &window)
        m_active = nullptr;
}

bool WebRuntime::deliverInput()
{
    int window = 0, control = 0, detail = 0;
    const int kind = page_next_input(&window, &control, &detail);
    if (kind == 0)
        return false;
    const auto found = m_windows.find(window);
    if (found == m_windows.end())
        return true; // the window went before its input could be delivered
    if (kind == 1) {
        found->second->clicked(control);
    } else if (kind == 3) {
        runtime::KeyPress press{runtime::KeyPress::Key(control), char(detail & 0xFF)};
        press.shift = detail & 256;
        press.alt = detail & 512;
        press.control = detail & 1024;
        press.repeat = detail & 2048;
        found->second->key(press);
    } else if (kind == 4) {
        if (found->second != m_active && found->second->isVisible()) {
            activate(*found->second);
            found->second->takeFocus();
        }
    } else {
        found->second->closedByPlayer();
    }
    return true;
}

bool WebRuntime::fireDueTimer()
{
    // A page that slept past ticks (a tab in the background) gets no burst of them.
    const auto tick = m_timers.takeDue(emscripten_get_now(), true);
    if (!tick)
        return false;
    static_cast<WebWindow *>(const_cast<void *>(tick->window))->timerTicked(tick->control);
    return true;
}

void WebRuntime::pumpOnce(double longestSleepMs, bool timers)
{
    if (m_loopHook)
        m_loopHook();
    // Input first, then the timers that are due, each one event at a time:
    // any of them may end the game or destroy windows. Once the game has
    // ended nothing is delivered, and the loops of the tests only sleep.
    if (!hasEnded() && (deliverInput() || (timers && fireDueTimer())))
        return;
    double sleep = longestSleepMs;
    if (const auto due = m_timers.nextDue(); due && timers)
        sleep = std::min(sleep, *due - emscripten_get_now());
    page_wait(std::max(0, int(std::ceil(sleep))));
}

} // namespace tolvane::web
