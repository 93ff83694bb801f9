#pragma once

// A window of the headless runtime: its controls as plain state (window.cpp),
// and what a player can do to it (player_input.cpp: click, type, press keys,
// close it), each refused when a player could not do it: the window out of
// view, a box open, the control hidden or covered.

#include "resources/screen_layout.h"
#include "runtime/picture.h"
#include "runtime/window.h"

#include <optional>
#include <string>
#include <vector>

namespace tolvane::headless {

class HeadlessRuntime;

class HeadlessWindow final : public runtime::Window {
public:
    HeadlessWindow(HeadlessRuntime &runtime, const ScreenLayout &layout, runtime::PictureSource &pictures,
                   runtime::WindowEvents &events);
    ~HeadlessWindow() override;

    // runtime::Window
    void show() override;
    void hide() override;
    bool isVisible() const override { return m_visible; }
    void setLeft(float twips) override;
    void setTop(float twips) override;
    float width() const override;
    float height() const override;
    void setCaption(runtime::ControlIndex label, std::string_view text) override;
    void setControlVisible(runtime::ControlIndex control, bool visible) override;
    bool controlVisible(runtime::ControlIndex control) const override;
    std::string text(runtime::ControlIndex textBox) const override;
    void setTimerEnabled(runtime::ControlIndex timer, bool enabled) override;

    const ScreenLayout &layout() const { return m_layout; }
    std::string_view name() const { return m_layout.name; }
    float left() const { return m_left; }
    float top() const { return m_top; }

    // A control by name (letter case ignored), and what it shows.
    std::optional<runtime::ControlIndex> find(std::string_view control) const;
    const std::string &caption(std::string_view label) const;
    const std::string &typed(std::string_view textBox) const;
    // Its own Visible flag, and whether it can be seen: its own flag, its
    // container's, and the window's.
    bool ownVisible(std::string_view control) const;
    bool seen(std::string_view control) const;
    bool timerEnabled(std::string_view timer) const;
    bool hasPicture(std::string_view control) const;
    // The control with the keyboard focus; empty if none has it.
    std::string_view focus() const;
    bool menuOpen() const { return m_menuOpen; }

    // What a player does. Each returns whether it reached the window: false
    // when a player could not have done it. Any of them may end in this
    // window's destruction (a click on "&Quitter" ends the game), so nothing
    // may touch the window after a call that returned true without looking.
    bool reachable() const;
    // A mouse click at the middle of a control: the control in front there
    // takes it (a label or an image in front swallows it).
    bool click(std::string_view control);
    // A menu command, chosen with the mouse: "quitter" (or the window's own
    // name of it) and the About command.
    bool chooseMenu(std::string_view item);
    // A click into a text box, then the text typed.
    bool type(std::string_view textBox, std::string_view text);
    enum class Key { Tab, BackTab, Enter, Space, Escape, Left, Right, Up, Down };
    bool press(Key key);
    // Alt and a letter; a letter alone while a menu is open.
    bool pressAlt(char letter);
    bool pressLetter(char letter);
    // Text typed at whatever has the focus: a text box takes it.
    bool typeText(std::string_view text);
    // The window's close control, or Alt+F4.
    bool close();

private:
    friend class HeadlessRuntime;

    struct ControlState {
        std::string caption;
        std::string text;
        std::size_t caret = 0; // in a text box, where typing goes
        bool visible = true;
        const runtime::Picture *picture = nullptr;
    };

    // Tab (forwards) or Shift+Tab from the focused control; the focus is
    // dropped when nothing can take it.
    void moveFocus(bool backwards);
    // Typing and the arrow keys in the focused text box.
    void insertText(std::string_view text);
    void moveCaret(bool left);
    bool canFocus(runtime::ControlIndex i) const;
    bool seen(runtime::ControlIndex i) const;
    // Its own Visible flag and those of the boxes that hold it.
    bool shownInItsBoxes(runtime::ControlIndex i) const;
    // The control in front at a point of a container, in twips of its inner area.
    std::optional<runtime::ControlIndex> hit(std::string_view container, int x, int y) const;
    // The rectangle of a control in its container's inner area, twips.
    struct Rect {
        int left, top, width, height;
        bool contains(int x, int y) const { return x >= left && y >= top && x < left + width && y < top + height; }
    };
    Rect rectOf(runtime::ControlIndex i) const;
    runtime::ControlIndex indexOf(std::string_view control) const;
    bool clickControl(runtime::ControlIndex i);
    void raise(std::string_view control, std::string_view event);

    HeadlessRuntime &m_runtime;
    const ScreenLayout &m_layout;
    runtime::WindowEvents &m_events;
    std::vector<ControlState> m_controls;
    const runtime::Picture *m_background = nullptr;
    bool m_visible = false;
    bool m_menuOpen = false;
    bool m_shownOnce = false;
    std::optional<runtime::ControlIndex> m_focus;
    float m_left = 0.0f;
    float m_top = 0.0f;
};

} // namespace tolvane::headless
