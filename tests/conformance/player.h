#pragma once

// A player at a runtime's desktop: what the conformance suite does to the
// windows of one runtime, and what it sees of them. Each runtime has one
// (headless: plain calls in virtual time; Qt: key and mouse events through
// Qt's own input path; Win32: input handed to the desktop; web: input events
// dispatched by the browser). The suite is written once against this.
//
// Every call is made on the runtime's own thread and returns once the
// runtime has handled the input: the events it raised have been delivered
// (a click on a button has reached WindowEvents before click() returns).

#include "runtime/runtime.h"

#include <functional>
#include <string>
#include <string_view>

namespace tolvane::conformance {

enum class Key { Tab, BackTab, Enter, Space, Escape, Left, Right, Up, Down };

class Player {
public:
    virtual ~Player() = default;

    // "headless", "qt", "win32", "web": the runtime under test.
    virtual std::string_view name() const = 0;
    virtual runtime::Runtime &runtime() = 0;
    // A fresh runtime, as when the program starts again (after a test ended
    // the last one); the windows of the old one are gone by then.
    virtual void renewRuntime() = 0;

    // --- What a player does. Keys go to the window in front (to the input
    // box while it is open), as the desktop routes them.
    virtual void press(Key key) = 0;
    // Alt held with a letter, 'A' to 'Z'.
    virtual void pressAlt(char letter) = 0;
    // A letter key alone, 'A' to 'Z' (typed as its lower-case letter).
    virtual void pressLetter(char letter) = 0;
    virtual void pressAltF4() = 0;
    // The keyboard's auto-repeat of a key held down: one more key-down marked
    // as a repeat (Alt held with `altLetter`, 'A' to 'Z', when it is not 0).
    virtual void pressHeld(Key key, char altLetter = 0) = 0;
    // Text typed into whatever has the focus, any Unicode, as a keyboard or an
    // input method delivers it.
    virtual void type(std::string_view utf8) = 0;
    // A left click in the middle of the part of a control that lies in its
    // window's client area.
    virtual void click(runtime::Window &window, runtime::ControlIndex control) = 0;
    // A menu command chosen with the mouse: "&Quitter" from the "&Jeu" menu,
    // or "&A propos de..." on the bar; `item` is its name in the layout.
    virtual void chooseMenu(runtime::Window &window, std::string_view item) = 0;
    // The close control of the window's title bar.
    virtual void close(runtime::Window &window) = 0;
    // Time passes; the runtime delivers its events meanwhile (in virtual time
    // on the headless runtime).
    virtual void wait(int ms) = 0;
    // The time, in milliseconds from any fixed moment: the runtime's own
    // clock (virtual on the headless runtime).
    virtual long long clock() = 0;

    // --- The input box. `act` runs once, inside the box's own loop, as soon
    // as the next input box is open and on view: the player types, presses
    // keys, clicks its buttons or closes it from there.
    virtual void whenInputBoxOpens(std::function<void()> act) = 0;
    virtual bool inputBoxOpen() = 0;
    // "OK" (true) or "Annuler" (false), clicked with the mouse.
    virtual void clickInputBoxButton(bool ok) = 0;
    virtual void closeInputBox() = 0;
    // The open box's title, prompt and the words on its two buttons.
    struct InputBoxView {
        std::string title, prompt, okText, cancelText;
        // Its outer frame's centre across and top, in display pixels, and the display's size.
        int centreX = 0, top = 0, displayWidth = 0, displayHeight = 0;
    };
    virtual InputBoxView inputBoxView() = 0;

    // --- The error box: `act` runs inside it once it is on view; Enter
    // (press) dismisses it.
    virtual void whenErrorBoxOpens(std::function<void()> act) = 0;
    virtual bool errorBoxOpen() = 0;

    // --- What a player sees.
    // The control with the keyboard focus in this window, by its layout name;
    // empty when no control of the window has it.
    virtual std::string focusedControl(runtime::Window &window) = 0;
    // The window is on view, in front of the game's other windows, and takes the keys.
    virtual bool isActive(runtime::Window &window) = 0;
    // The text a label shows, as a screen reader reads it (no "&"; each line
    // break as "\n").
    virtual std::string shownText(runtime::Window &window, runtime::ControlIndex label) = 0;
};

} // namespace tolvane::conformance
