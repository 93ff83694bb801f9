#pragma once

// The eighteen slots, one screen instance each for the whole run, created by
// the first reference and never destroyed before the end. Also the event
// boundary: every handler run starts here, and End and untrapped errors end
// the game from here.

#include "platform/runtime_error.h"
#include "resources/screen_id.h"
#include "shell/screen.h"

#include <array>
#include <functional>
#include <memory>

namespace tolvane {

class ScreenRegistry {
public:
    using Factory = std::function<std::unique_ptr<Screen>(ScreenRegistry &, ScreenId)>;

    enum class Ending { Running, Quit, LastWindowClosed, Error };

    explicit ScreenRegistry(Factory factory);
    ~ScreenRegistry();
    ScreenRegistry(const ScreenRegistry &) = delete;
    ScreenRegistry &operator=(const ScreenRegistry &) = delete;

    // Reference a screen: its instance, created on the first reference.
    Screen &get(ScreenId id);
    // The instance if the slot holds one yet; never creates it.
    Screen *find(ScreenId id) const;

    // Loads the start-up screen, running its load handler, then shows it.
    void start();

    // End: closes every window at once and ends the program with `status`;
    // throws to stop the calling handler.
    [[noreturn]] void end(int status = 0);

    // Runs one handler at the event boundary: End stops it quietly, an
    // untrapped runtime error stops it and ends the game with the error box.
    void guard(const std::function<void()> &handler);

    bool hasEnded() const { return m_ending != Ending::Running; }
    Ending ending() const { return m_ending; }
    int exitStatus() const { return m_status; }
    void throwIfEnded() const;

    // The player closed a window with its close control.
    void screenClosedByPlayer();

    // How the program really ends, and how the error box is shown; tests
    // replace both so that they can watch an ending.
    void setExitHook(std::function<void(int status)> hook) { m_exitHook = std::move(hook); }
    void setErrorBox(std::function<void(const RuntimeError &)> box) { m_errorBox = std::move(box); }

private:
    void shutDown(Ending why, int status);
    void fail(const RuntimeError &error);

    Factory m_factory;
    std::array<std::unique_ptr<Screen>, screenCount> m_slots;
    Ending m_ending = Ending::Running;
    bool m_failing = false;
    int m_status = 0;
    std::function<void(int)> m_exitHook;
    std::function<void(const RuntimeError &)> m_errorBox;
};

} // namespace tolvane
