#pragma once

// What the player's keys and clicks mean on one game window, decided once
// for every runtime. A runtime passes the input up as it came (the key, its
// modifiers, whether it is an auto-repeat; a click on control N; the close
// control) and applies the decision to its own widgets, so that the
// native focus, the caret and screen readers follow.
//
// The rules:
//  - First show: the focus goes to the first control of tabOrder() that can
//    take it (visible, inside visible picture boxes); later shows give it
//    back to the control that last had it.
//  - Tab and Shift+Tab move it round the controls that can take it; a held
//    Tab keeps moving it. A focused control that loses its Visible (or whose
//    picture box does) hands the focus to the next one.
//  - Alt+letter, by the letter key (whatever character the keyboard types
//    with Alt or Option: Option+R types "®" on a Mac): first a command button that can
//    take the focus and whose caption marks that letter (focused, then
//    clicked); else a menu title: "&Jeu" opens, "&A propos de..." runs; else
//    nothing, and no sound. In the open "&Jeu", Q (or Enter, on its one
//    highlighted item) chooses "&Quitter", Escape and any other key close it.
//  - Enter clicks a focused command button; Space clicks it too, and is
//    typed in a text box. Letters, arrows and the editing keys do only what
//    the focused control does: a text box types and moves its caret.
//  - An auto-repeated key never clicks nor opens anything; it still types,
//    moves the caret and moves the focus.
//  - A click: a command button takes the focus and clicks, an image clicks,
//    a text box or a picture box takes the focus, a label nothing.
//  - Alt+F4 is the player's close (closeAsPlayer).

#include "resources/screen_layout.h"
#include "runtime/window.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::runtime {

// A key as the keyboard reports it, by its place on the keyboard.
struct KeyPress {
    enum class Key { Other, Tab, Enter, Space, Escape, Left, Right, Up, Down, F4, Letter };
    Key key = Key::Other;
    // 'A'..'Z' for Key::Letter: the letter on the key as the keyboard's layout
    // names it (its virtual key), not the character it types with Alt or Option.
    char letter = 0;
    bool shift = false;
    bool alt = false;     // Alt, or Option on a Mac
    bool control = false; // Ctrl (with Alt: AltGr, which types a character)
    bool repeat = false;  // the key held down, repeating
};

// What the window does with one input. When `moveFocus` is set the focus
// goes first to `focus` (none: it leaves every control); with `selectAll`,
// the text box it reaches has its whole text selected, as a box reached by
// the keyboard in a dialog (a click puts the caret where it lands instead).
struct InputDecision {
    enum class Action {
        Nothing,
        Click,         // `control` raises its Click
        ChooseQuit,    // the menu command "&Quitter"
        ChooseAbout,   // the menu command "&A propos de..."
        OpenMenu,      // "&Jeu" opens
        CloseMenu,     // the open menu closes
        ToFocused,     // the focused text box takes the key: types it, moves its caret
        CloseByPlayer, // closeAsPlayer
    };
    Action action = Action::Nothing;
    ControlIndex control = 0;
    bool moveFocus = false;
    std::optional<ControlIndex> focus;
    bool selectAll = false;

    bool operator==(const InputDecision &) const = default;
};

// The focus and the menu of one window, and the rules above applied to them.
class WindowInput {
public:
    explicit WindowInput(const ScreenLayout &layout);

    // What the game does to the window.
    // The focus on show(): the first control, or the one that had it.
    InputDecision shown();
    // A control's own Visible flag; hiding a focused control (or its box) moves the focus on.
    InputDecision setVisible(ControlIndex control, bool visible);
    // A button's caption, for its "&" letter.
    void setCaption(ControlIndex control, std::string_view caption);

    // What the player does.
    InputDecision key(const KeyPress &press);
    // A click on the control in front where the player clicked.
    InputDecision click(ControlIndex control);
    // The window's own widgets moved the focus (a native click, a screen
    // reader), or opened or closed the menu (the mouse).
    void focusedByDesktop(std::optional<ControlIndex> control) { m_focus = control; }
    void menuByDesktop(bool open) { m_menuOpen = open; }

    std::optional<ControlIndex> focus() const { return m_focus; }
    bool menuOpen() const { return m_menuOpen; }
    bool visible(ControlIndex control) const { return m_visible[control]; }
    // Whether the control and the boxes that hold it are all visible.
    bool shownInItsBoxes(ControlIndex control) const;
    bool canFocus(ControlIndex control) const;

private:
    InputDecision moveFocus(bool backwards);
    InputDecision focusOn(std::optional<ControlIndex> control, bool byKeyboard = true);
    InputDecision altLetter(char letter);
    InputDecision menuKey(const KeyPress &press);

    const ScreenLayout &m_layout;
    std::vector<ControlIndex> m_tabOrder;
    std::vector<bool> m_visible;
    std::vector<char> m_accelerator; // a button's "&" letter in upper case, 0 for none
    std::optional<ControlIndex> m_focus;
    bool m_shownOnce = false;
    bool m_menuOpen = false;
};

// The player's close of a window (its close control, Alt+F4), the same on
// every runtime: out of view, its timers stopped, then the screen is told.
void closeAsPlayer(Window &window, const ScreenLayout &layout, WindowEvents &events);

} // namespace tolvane::runtime
