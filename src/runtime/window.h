#pragma once

// One of the game's top-level windows, as a runtime builds it from its
// layout, and the way it reports what the player and its timers do.

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane::runtime {

// A control's place in its layout's list of controls (ScreenLayout::controls).
using ControlIndex = std::size_t;

// What a window tells the screen that owns it. Either call may end in the
// window's destruction (a click on "&Quitter" ends the game): the runtime
// must not touch the window once a call has returned.
class WindowEvents {
public:
    // A control's event: "Click" from a command button, a menu command or an
    // image, "Timer" from a timer. Menu commands are named as in the layout's
    // menu bar, every other control as in its control list.
    virtual void controlEvent(std::string_view control, std::string_view event) = 0;
    // The player closed the window with its close control. The window is out
    // of view and its timers are stopped.
    virtual void closedByPlayer() = 0;

protected:
    ~WindowEvents() = default;
};

// A window and its controls, built from a ScreenLayout: caption, client size,
// back colour, background picture, menu bar, and every control placed,
// stacked front to back, in tab order, with its start-up values. It is created
// out of view, with its timers counting from that moment, and never gives a
// button the default (Enter) role. Destroying it closes it without that
// counting as the player's close.
class Window {
public:
    virtual ~Window() = default;

    // Makes the window visible and active, in front with the keyboard focus.
    // The first time, the focus goes to the first visible control in tab order
    // that can take it.
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;

    // The outer window, title bar, borders and menu bar included, in twips:
    // Left and Top written, Width and Height read.
    virtual void setLeft(float twips) = 0;
    virtual void setTop(float twips) = 0;
    virtual float width() const = 0;
    virtual float height() const = 0;

    // What the game does to its controls.
    virtual void setCaption(ControlIndex label, std::string_view text) = 0; // UTF-8; "&" marks a letter
    virtual void setControlVisible(ControlIndex control, bool visible) = 0;
    // The control's own Visible flag, whether or not its window is on view.
    virtual bool controlVisible(ControlIndex control) const = 0;
    virtual std::string text(ControlIndex textBox) const = 0; // UTF-8, as typed
    // A disabled timer raises no further Timer event.
    virtual void setTimerEnabled(ControlIndex timer, bool enabled) = 0;
};

} // namespace tolvane::runtime
