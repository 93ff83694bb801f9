#pragma once

// One of the game's top-level windows, as a runtime builds it from its
// layout, and the way it reports what the player and its timers do.
//
// What a runtime does with a window, the same on every runtime (the
// conformance suite in tests/conformance checks each rule on each one):
//
// Building. A window is built from its ScreenLayout out of view: caption,
// client area of the layout's size, back colour, background picture, the
// common menu bar where the layout has one, and every control placed in its
// container (the client area or a picture box's inner area), stacked front to
// back in layout order, with its start-up caption and visibility. Sizes and
// places convert from twips by pixelsFromTwips (resources/control_rules.h);
// an image that is not stretched takes its picture's size (controlRect); a
// picture box has a sunken edge of pictureBoxEdgePixels. No button is ever
// the window's default (Enter) or cancel (Escape) button.
//
// Pictures. A control's picture is the part the PictureSource decoded,
// drawn where that part lies in the whole picture: natural size from the
// container's or the box's inner top-left corner, clipped; or, for a
// stretched image, scaled to its rectangle axis by axis. A picture the
// source could not give (null) leaves its control empty, and the game goes on.
//
// Timers. Each timer counts from the window's creation: its first Timer
// event comes one Interval later, then one every Interval, whether the window
// is on view or hidden, until it is disabled. A disabled timer raises nothing
// more; enabling it again counts afresh. A timer whose Interval is 0 or less
// never ticks. A tick never interrupts a handler: ticks that come due while
// one runs wait for it to return, then come one at a time. The player's input
// waiting by then may come before them (Win32 and the page deliver waiting
// input first, as desktops deliver timer messages only when no input waits;
// Qt's loop may take either first): the game never counts on a tick coming
// before the player's next input. (runtime/timer_schedule.h schedules the
// timers of every runtime but Win32's.)
//
// Focus and keys. The core decides them (runtime/input_rules.h: WindowInput);
// a runtime passes each key and click up as it came and carries out the
// decision on its own widgets. show() makes the window visible, in front and
// active. The first time, the focus goes to the first control of tabOrder()
// that is visible (and inside visible picture boxes); later, to the control
// that had it when the window was last active. While the window is active:
//  - Tab and Shift+Tab move the focus forwards and backwards through the
//    controls of tabOrder() that can take it, round from the last to the first.
//  - Enter clicks a focused command button and does nothing anywhere else (an
//    answer box submits nothing). Space clicks a focused command button and is
//    typed into a text box.
//  - Alt+letter, in this order: clicks the visible command button whose
//    caption marks that letter (it takes the focus); else opens the "&Jeu"
//    menu (whose "&Quitter" is then chosen by Q, and Escape closes it) or
//    runs "&A propos de..."; else nothing happens and no sound is made. The
//    letter is the key's, whatever character Alt or Option types with it.
//  - Plain letters and the arrow keys do only what the focused control does
//    with them: typed and moved through in a text box, nothing anywhere else.
//  - A held key's auto-repeat never clicks nor opens anything (Enter, Space,
//    Alt+letter); it still types and moves the caret in a text box, and a
//    held Tab keeps moving the focus.
//  - A click on a command button or an image raises its Click; a click on a
//    text box or a picture box gives it the focus; labels take no clicks (an
//    image or picture box behind them does not get it either).
//  - The close control and Alt+F4 close the window as the player's close
//    (runtime::closeAsPlayer): out of view, its timers stopped, then
//    WindowEvents::closedByPlayer.
//  - When the active window leaves the screen (hide, the player's close), the
//    game's window on view that was active most recently becomes active.
//
// Controls. Each operation below first checks its control with
// runtime::controlFor (runtime/checks.h): an index past the layout's
// controls raises RuntimeError::controlNotFound (730), a control whose kind
// lacks the property raises RuntimeError::propertyNotSupported (438). Texts
// cross as UTF-8 and come back exactly as written or typed: any Unicode,
// "&", right-to-left text and a hundred thousand characters included.

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
    // The player closed the window with its close control or Alt+F4. The
    // window is out of view and its timers are stopped.
    virtual void closedByPlayer() = 0;

protected:
    ~WindowEvents() = default;
};

class Window {
public:
    // Destroying a window closes it at once, without that counting as the
    // player's close: no event comes from it any more.
    virtual ~Window() = default;

    // Visible, in front and active, with the focus as above. On a window
    // already on view it only brings it to the front.
    virtual void show() = 0;
    // Out of view; its controls and timers go on as they are.
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;

    // The outer window, title bar, borders and menu bar included, in twips:
    // Left and Top written (by runtime::windowPixels: rounded to the nearest
    // pixel, never clamped, so a window may lie partly off the display; a value
    // that is not a finite number, or lies beyond any display, raises
    // RuntimeError::windowOperationFailed), Width and Height read.
    virtual void setLeft(float twips) = 0;
    virtual void setTop(float twips) = 0;
    virtual float width() const = 0;
    virtual float height() const = 0;

    // Caption of a label or a command button; "&" marks the accelerator.
    virtual void setCaption(ControlIndex control, std::string_view text) = 0;
    // A control's own Visible flag; a hidden control takes neither clicks,
    // focus nor its accelerator, and a control that loses its Visible while
    // focused gives the focus to the next one in tab order.
    virtual void setControlVisible(ControlIndex control, bool visible) = 0;
    // The control's own Visible flag, whether or not its window is on view.
    virtual bool controlVisible(ControlIndex control) const = 0;
    // A text box's text, exactly as typed.
    virtual std::string text(ControlIndex textBox) const = 0;
    // Starts or stops a timer.
    virtual void setTimerEnabled(ControlIndex timer, bool enabled) = 0;
};

} // namespace tolvane::runtime
