#pragma once

// A runtime of plain state and a virtual clock, for the tests and the
// benchmark, never for players: windows and controls are remembered, not
// drawn; timers fire in time order as the clock is moved on; the input box
// is answered by a script; error boxes are written down.

#include "runtime/activation_order.h"
#include "runtime/runtime.h"
#include "runtime/timer_schedule.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::headless {

class HeadlessWindow;

// The desktop the game pretends to run on, in pixels.
struct Desktop {
    int displayWidth = 1280;
    int displayHeight = 1024;
    // The frame around every window's client area and menu bar.
    int frameLeft = 4;
    int frameTop = 26;
    int frameRight = 4;
    int frameBottom = 4;
    int menuBarHeight = 20;
};

class HeadlessRuntime final : public runtime::Runtime {
public:
    explicit HeadlessRuntime(Desktop desktop = {});
    ~HeadlessRuntime() override;

    std::unique_ptr<runtime::Window> createWindow(const ScreenLayout &layout, runtime::PictureSource &pictures,
                                                  runtime::WindowEvents &events) override;
    float displayWidth() const override;
    float displayHeight() const override;
    void errorBox(std::string_view title, std::string_view message) override;
    std::unique_ptr<runtime::Picture> decodePicture(std::span<const unsigned char> file,
                                                    runtime::PixelRect part) const override;

    const Desktop &desktop() const { return m_desktop; }

    // The virtual clock, in milliseconds since the runtime was made.
    std::int64_t now() const { return m_now; }
    // Moves the clock on by `ms`, firing each timer as it comes due, in time
    // order (timers due at the same moment in the order they were made).
    void advance(std::int64_t ms);
    // When the next enabled timer is due; -1 if none is.
    std::int64_t nextTimerDue() const;

    // The input box. Each time one opens, the box's player runs inside it (as
    // a player acts inside a real box's own loop): it may type into the field,
    // answer the box, and move the clock on meanwhile, timers firing. A box
    // its player left open is closed as on "Annuler".
    using InputBoxPlayer = std::function<void(std::string_view prompt, std::string_view title)>;
    void setInputBoxPlayer(InputBoxPlayer player) { m_inputBoxPlayer = std::move(player); }
    // While a box is open: its field, and OK (true) or "Annuler" (false).
    void typeIntoInputBox(std::string_view text);
    void answerInputBox(bool ok);
    bool inputBoxOpen() const { return m_box.has_value() && !m_box->answered; }

    // A player who answers every box at once or after a while, with a text
    // and OK, or with "Annuler". By default every box is answered at once
    // with OK and nothing typed.
    struct PromptAnswer {
        std::string text;
        bool ok = true;
        std::int64_t afterMs = 0;
    };
    using PromptScript = std::function<PromptAnswer(std::string_view prompt, std::string_view title)>;
    void setPromptScript(PromptScript script);

    struct Prompt {
        std::string prompt;
        std::string title;
        std::int64_t openedAt;
    };
    // Every box opened, oldest first.
    const std::vector<Prompt> &prompts() const { return m_prompts; }

    // The error box: its player runs inside it; it closes when that returns.
    using ErrorBoxPlayer = std::function<void(std::string_view title, std::string_view message)>;
    void setErrorBoxPlayer(ErrorBoxPlayer player) { m_errorBoxPlayer = std::move(player); }
    bool errorBoxOpen() const { return m_errorBoxOpen; }

    int exitStatus() const { return m_status; }
    // The title and message of every error box shown.
    const std::vector<std::pair<std::string, std::string>> &errorBoxes() const { return m_errorBoxes; }
    int decodes() const { return m_decodes; }

    // The windows alive, oldest first, and the one of a name.
    const std::vector<HeadlessWindow *> &windows() const { return m_windows; }
    HeadlessWindow *window(std::string_view name) const;
    // The window in front with the focus, if any is visible.
    HeadlessWindow *activeWindow() const { return m_active; }

protected:
    std::string askInputBox(std::string_view prompt, std::string_view title) override;
    // Moves the clock on until the game ends; a game left alone ends only by
    // itself, so this gives up after an hour of virtual time and returns -1.
    int runLoop() override;
    void endNow(int status) override;

private:
    friend class HeadlessWindow;

    void activate(HeadlessWindow *window);
    // A window left the screen: the active one hands the activation to the
    // game's window on view that was active most recently.
    void hidden(HeadlessWindow *window);
    void forget(HeadlessWindow *window);
    runtime::TimerSchedule &timers() { return m_timers; }

    Desktop m_desktop;
    std::int64_t m_now = 0;
    runtime::TimerSchedule m_timers;
    std::vector<HeadlessWindow *> m_windows;
    runtime::ActivationOrder<HeadlessWindow> m_activated;
    HeadlessWindow *m_active = nullptr;
    struct OpenBox {
        std::string field;
        bool answered = false;
        bool ok = false;
    };
    InputBoxPlayer m_inputBoxPlayer;
    std::optional<OpenBox> m_box;
    std::vector<Prompt> m_prompts;
    ErrorBoxPlayer m_errorBoxPlayer;
    bool m_errorBoxOpen = false;
    int m_status = 0;
    std::vector<std::pair<std::string, std::string>> m_errorBoxes;
    mutable std::atomic<int> m_decodes{0};
};

} // namespace tolvane::headless
