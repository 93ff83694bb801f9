#pragma once

// The runtime for web browsers: the page is the desktop (page.h),
// and this side keeps the game's message loop. The loop delivers the player's
// input and the windows' timers one at a time, then gives the page back to
// the browser until the next is due (Asyncify pauses the program's stack
// there). The input box and the error box run the same loop inside the
// handler that opened them, so the core waits in them as on the desktop,
// its timers ticking.

#include "resources/picture_id.h"
#include "runtime/activation_order.h"
#include "runtime/runtime.h"
#include "runtime/timer_schedule.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::conformance {
class WebPlayer;
}

namespace tolvane::web {

class WebWindow;

class WebRuntime final : public runtime::Runtime {
public:
    // `title` names the page: its title, and the page left when the game is over.
    // Where a client area of `largestClient` (twips) does not fit the browser's
    // visible area, the page draws the windows at the scale at which it does.
    explicit WebRuntime(std::string_view title, ClientArea largestClient = {});
    ~WebRuntime() override;

    std::unique_ptr<runtime::Window> createWindow(const ScreenLayout &layout, runtime::PictureSource &pictures,
                                                  runtime::WindowEvents &events) override;
    float displayWidth() const override;
    float displayHeight() const override;
    void errorBox(std::string_view title, std::string_view message) override;
    std::unique_ptr<runtime::Picture> decodePicture(std::span<const unsigned char> file,
                                                    runtime::PixelRect part) const override;

    // For the windows: the page's number of the 2x picture `id`, which the
    // page carries beside the program, decoded by the browser the first time
    // a window asks for it; WebPicture::none where the page has none.
    int sharpPicture(PictureId id);

    // For the windows: their timers, counting from when they are added.
    runtime::TimerSchedule &timers() { return m_timers; }
    // A window in front and active; one leaving the screen, which hands the
    // activation to the one last active before it; one destroyed.
    void activate(WebWindow &window);
    void leaving(WebWindow &window);
    void forget(WebWindow &window);

protected:
    std::string askInputBox(std::string_view prompt, std::string_view title) override;
    int runLoop() override;
    void endNow(int status) override;

private:
    // The conformance suite's player pumps the loop itself and acts inside
    // the boxes' own loops; nothing else reaches these.
    friend class conformance::WebPlayer;

    // One round of the message loop: delivers the next input or the next
    // timer that is due, else sleeps until one is, `longestSleepMs` at most
    // (the players of the tests wait in it as the input box does; while one
    // of their actions is under way, without `timers`).
    void pumpOnce(double longestSleepMs = 1000, bool timers = true);
    // Runs at the start of every round of the message loop, for the player of
    // the tests: what a player does inside the modal boxes' own loops.
    void setLoopHook(std::function<void()> hook) { m_loopHook = std::move(hook); }

    std::array<std::optional<int>, pictureCount> m_sharpPictures;

    bool deliverInput();
    bool fireDueTimer();
    // Places the open box as the core places the input box, and runs the loop until it is answered.
    void waitForBox(int (*state)());

    std::string m_title;
    std::map<int, WebWindow *> m_windows;
    runtime::ActivationOrder<WebWindow> m_activation;
    WebWindow *m_active = nullptr;
    runtime::TimerSchedule m_timers; // on the page's clock
    std::function<void()> m_loopHook;
};

} // namespace tolvane::web
