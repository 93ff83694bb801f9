#pragma once

// The eighteen slots, one screen instance each for the whole run, created by
// the first reference and never destroyed before the end. Also the event
// boundary: every handler run starts here, and End and untrapped errors end
// the game from here.

#include "resources/screen_id.h"
#include "runtime/runtime_error.h"
#include "shell/picture_cache.h"
#include "shell/screen.h"

#include <array>
#include <functional>
#include <memory>
#include <new>
#include <optional>

namespace tolvane {

namespace runtime {
class Runtime;
}

class ScreenRegistry {
public:
    using Factory = std::function<std::unique_ptr<Screen>(ScreenRegistry &, ScreenId)>;

    enum class Ending { Running, Quit, LastWindowClosed, Error };

    ScreenRegistry(runtime::Runtime &runtime, Factory factory);
    ~ScreenRegistry();
    ScreenRegistry(const ScreenRegistry &) = delete;
    ScreenRegistry &operator=(const ScreenRegistry &) = delete;

    runtime::Runtime &runtime() const { return m_runtime; }
    PictureCache &pictures() { return m_pictures; }

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
    template <class Handler> void guard(Handler &&handler);

    bool hasEnded() const { return m_ending != Ending::Running; }
    Ending ending() const { return m_ending; }
    int exitStatus() const { return m_status; }
    // The error that ended the game, if one did.
    const std::optional<runtime::RuntimeError> &failure() const { return m_failure; }
    void throwIfEnded() const;

    // The player closed a window with its close control.
    void screenClosedByPlayer();

private:
    void shutDown(Ending why, int status);
    void fail(const runtime::RuntimeError &error);

    runtime::Runtime &m_runtime;
    Factory m_factory;
    PictureCache m_pictures; // outlives the windows that show its pictures
    std::array<std::unique_ptr<Screen>, screenCount> m_slots;
    Ending m_ending = Ending::Running;
    std::optional<runtime::RuntimeError> m_failure;
    int m_status = 0;
};

template <class Handler> void ScreenRegistry::guard(Handler &&handler)
{
    if (hasEnded() || m_failure)
        return;
    try {
        handler();
    } catch (const runtime::EndOfProgram &) {
    } catch (const runtime::RuntimeError &error) {
        fail(error);
    } catch (const std::bad_alloc &) {
        fail(runtime::RuntimeError::outOfMemory());
    }
}

// The error box's text: the error's number, then its text.
std::string errorBoxText(const runtime::RuntimeError &error);

} // namespace tolvane
