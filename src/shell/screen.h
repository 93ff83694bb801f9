#pragma once

// One registry slot's screen: its window's lifecycle and the delivery of its
// controls' events to its handlers.
//
//   created, not loaded --Show--> loading --load handler returns--> loaded
//   loaded --the player's close control--> created, not loaded
//
// A Show that meets a screen still loading only makes it visible: the load
// handler never runs inside itself, nor does any other handler.

#include "resources/screen_id.h"
#include "resources/screen_layout.h"
#include "runtime/window.h"
#include "shell/centring.h"
#include "shell/controls.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class ScreenRegistry;

class Screen : public runtime::WindowEvents, private Placeable {
public:
    enum class State { Created, Loading, Loaded };

    Screen(ScreenRegistry &screens, ScreenId id);
    virtual ~Screen();
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    ScreenId id() const { return m_id; }
    std::string_view name() const { return nameOf(m_id); }
    const ScreenLayout &layout() const { return layoutOf(m_id); }
    State state() const { return m_state; }
    bool isLoaded() const { return m_state != State::Created; }
    bool isVisible() const;
    int loadCount() const { return m_loads; }
    // How often the load handler ran: once per load, never more.
    int loadHandlerRuns() const { return m_loadHandlerRuns; }

    // The operations handlers use.
    void show();
    void hide();
    void setVisible(bool visible); // only False is ever written
    void centre();
    // The modal input box, from inside a handler: the game may end while it waits.
    std::string inputBox(std::string_view prompt, std::string_view title);

    float left() const { return m_left; }
    float top() const { return m_top; }
    float width() const override; // outer size, twips
    float height() const override;
    void setLeft(float left) override;
    void setTop(float top) override;

    // This screen's controls, by name, letter case ignored; a name the window
    // does not have, or a control of another kind, is a runtime error.
    control::Label label(std::string_view name) const;
    control::TextBox textBox(std::string_view name) const;
    control::Timer timer(std::string_view name) const;
    control::PictureBox pictureBox(std::string_view name) const;
    control::Image image(std::string_view name) const;

    // The window while the screen is loaded; a runtime error otherwise.
    runtime::Window &window() const;
    runtime::Window *windowIfLoaded() const { return m_window.get(); }

    // End: the window closes without counting as the player's close.
    void discard();
    // An error box is coming: no timer of this screen ticks any more.
    void stopTimers();

protected:
    struct Handler {
        std::string name; // control_Event, as bound; compared without letter case
        std::function<void()> run;
    };
    // The screen's handlers, one per bound control event.
    virtual std::vector<Handler> handlers() = 0;

    ScreenRegistry &screens() const { return m_screens; }

private:
    // From the window.
    void controlEvent(std::string_view control, std::string_view event) override;
    void closedByPlayer() override;

    // Delivers one control event ("Form"/"Load" for the load handler) to the
    // handler bound to it; an event without a handler is dropped, and so is
    // one whose handler is still running (waiting in the input box).
    void dispatch(std::string_view control, std::string_view event);
    void load();
    runtime::ControlIndex controlOf(std::string_view name, ControlKind kind) const;

    ScreenRegistry &m_screens;
    ScreenId m_id;
    State m_state = State::Created;
    std::unique_ptr<runtime::Window> m_window;
    std::vector<Handler> m_handlers;
    std::vector<bool> m_running; // per handler: it has not returned yet
    bool m_handlersBound = false;
    int m_loads = 0;
    int m_loadHandlerRuns = 0;
    float m_left = 0.0f;
    float m_top = 0.0f;
};

} // namespace tolvane
