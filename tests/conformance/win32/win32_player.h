#pragma once

#include "player.h"
#include "platform/win32/runtime.h"

#include <chrono>
#include <functional>
#include <memory>

namespace tolvane::conformance {

// The player at the Win32 runtime: keys, text and clicks handed to the
// desktop as input (SendInput), read back from the runtime's real windows.
//
// The suite runs on a fiber of the runtime's thread, the thread's own fiber
// pumps the messages: an action hands its input to the desktop and lets the
// thread's fiber deliver it, in whatever loop is running then (the runtime's,
// a menu's, the input box's), until a tick of the player's thread timer finds
// the input handled. So a menu opened by Alt+J stays open while the suite
// goes on to press Q, as under a real player's fingers. An act for an input
// or error box runs on a tick inside the box's own loop and waits there,
// pumping; the box returns once its act is done, and the suite waits for it.
class Win32Player final : public Player {
public:
    Win32Player();
    ~Win32Player() override;

    // Runs `suite` on the suite's fiber while this thread pumps messages;
    // returns once it is done.
    void play(const std::function<void()> &suite);

    std::string_view name() const override { return "win32"; }
    runtime::Runtime &runtime() override { return *m_runtime; }
    void renewRuntime() override;

    void press(Key key) override;
    void pressAlt(char letter) override;
    void pressLetter(char letter) override;
    void pressAltF4() override;
    void pressHeld(Key key, char altLetter) override;
    void type(std::string_view utf8) override;
    void click(runtime::Window &window, runtime::ControlIndex control) override;
    void chooseMenu(runtime::Window &window, std::string_view item) override;
    void close(runtime::Window &window) override;
    void wait(int ms) override;
    long long clock() override;

    void whenInputBoxOpens(std::function<void()> act) override { m_inputBoxAct = std::move(act); }
    bool inputBoxOpen() override;
    void clickInputBoxButton(bool ok) override;
    void closeInputBox() override;
    InputBoxView inputBoxView() override;
    void whenErrorBoxOpens(std::function<void()> act) override { m_errorBoxAct = std::move(act); }
    bool errorBoxOpen() override;

    std::string focusedControl(runtime::Window &window) override;
    bool isActive(runtime::Window &window) override;
    std::string shownText(runtime::Window &window, runtime::ControlIndex label) override;

private:
    using Clock = std::chrono::steady_clock;
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    static void CALLBACK suiteFiber(void *self);
    void onTick();
    // Lets the input handed to the desktop, and whatever it set off, be
    // delivered; returns after `ms` at least.
    void settle(int ms = 0);
    // A click at a point of `hwnd`, sent once it would reach `reaches` (none: at once).
    void clickAt(HWND hwnd, POINT client, HWND reaches = nullptr);
    HWND errorBox() const;

    std::unique_ptr<win32::Win32Runtime> m_runtime;
    void *m_threadFiber = nullptr;
    void *m_suiteFiber = nullptr;
    const std::function<void()> *m_suite = nullptr;
    bool m_suiteDone = false;
    bool m_suiteWaiting = false;
    int m_acting = 0;      // acts running, on either fiber
    int m_actsOnSuite = 0; // acts running on the suite's fiber, inside a box it opened
    Clock::time_point m_until{};
    UINT_PTR m_timer = 0;
    std::function<void()> m_inputBoxAct;
    std::function<void()> m_errorBoxAct;
};

} // namespace tolvane::conformance
