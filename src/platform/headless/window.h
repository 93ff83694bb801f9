#pragma once

// A window of the headless runtime: its controls as plain state (window.cpp),
// and what a player can do to it (player_input.cpp: click, type, press keys,
// close it), each refused when a player could not do it: the window out of
// view, a box open, the control hidden or covered.

#include "resources/screen_layout.h"
#include "runtime/input_rules.h"
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
    // A label's text as it would be drawn: no marking "&", each line break "\n".
    const std::string &drawnText(std::string_view label) const;
    const std::string &typed(std::string_view textBox) const;
    // Its own Visible flag, and whether it can be seen: its own flag, its
    // container's, and the window's.
    bool ownVisible(std::string_view control) const;
    bool seen(std::string_view control) const;
    bool timerEnabled(std::string_view timer) const;
    bool hasPicture(std::string_view control) const;
    // The control with the keyboard focus; empty if none has it.
    std::string_view focus() const;
    bool menuOpen() const { return m_input.menuOpen(); }

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
    // A key as the keyboard reports it; a letter key types its lower-case letter.
    bool key(const runtime::KeyPress &press);
    enum class Key { Tab, BackTab, Enter, Space, Escape, Left, Right, Up, Down };
    bool press(Key key, bool repeat = false);
    bool pressAlt(char letter, bool repeat = false);
    bool pressLetter(char letter);
    // Text typed at whatever has the focus: a text box takes it.
    bool typeText(std::string_view text);
    // The window's close control, or Alt+F4.
    bool close();

private:
    friend class HeadlessRuntime;

    struct ControlState {
        std::string caption;
        std::string drawn;
        std::string text;
        std::size_t caret = 0; // in a text box, where typing goes
        const runtime::Picture *picture = nullptr;
    };

    // What the rules decided, done here; false once the window may be gone.
    void apply(const runtime::InputDecision &decision, const runtime::KeyPress *press = nullptr);
    // The focused text box's own keys: typing and its caret.
    void textBoxKey(const runtime::KeyPress &press);
    void insertText(std::string_view text);
    void moveCaret(bool left);
    bool seen(runtime::ControlIndex i) const;
    // The control in front at a point of a container, in twips of its inner area.
    std::optional<runtime::ControlIndex> hit(std::string_view container, int x, int y) const;
    // The rectangle of a control in its container's inner area, twips.
    struct Rect {
        int left, top, width, height;
        bool contains(int x, int y) const { return x >= left && y >= top && x < left + width && y < top + height; }
    };
    Rect rectOf(runtime::ControlIndex i) const;
    runtime::ControlIndex indexOf(std::string_view control) const;
    void raise(std::string_view control, std::string_view event);

    HeadlessRuntime &m_runtime;
    const ScreenLayout &m_layout;
    runtime::WindowEvents &m_events;
    std::vector<ControlState> m_controls;
    const runtime::Picture *m_background = nullptr;
    runtime::WindowInput m_input;
    bool m_visible = false;
    float m_left = 0.0f;
    float m_top = 0.0f;
};

} // namespace tolvane::headless
