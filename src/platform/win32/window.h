#pragma once

// One game window on Win32: a top-level window whose client area is the
// layout's, with its menu bar; command buttons, text boxes and picture boxes
// as child windows; labels and images drawn by the window itself (or by the
// picture box that holds them), back to front, in WM_PAINT.

#include "platform/win32/pictures.h"
#include "platform/win32/win32.h"
#include "resources/screen_layout.h"
#include "runtime/window.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane::win32 {

class Win32Runtime;

class Win32Window : public runtime::Window {
public:
    Win32Window(Win32Runtime &runtime, const ScreenLayout &layout, runtime::PictureSource &pictures,
                runtime::WindowEvents &events);
    ~Win32Window() override;
    Win32Window(const Win32Window &) = delete;
    Win32Window &operator=(const Win32Window &) = delete;

    void show() override;
    void hide() override;
    bool isVisible() const override;
    void setLeft(float twips) override;
    void setTop(float twips) override;
    float width() const override;
    float height() const override;
    void setCaption(runtime::ControlIndex label, std::string_view text) override;
    void setControlVisible(runtime::ControlIndex control, bool visible) override;
    bool controlVisible(runtime::ControlIndex control) const override;
    std::string text(runtime::ControlIndex textBox) const override;
    void setTimerEnabled(runtime::ControlIndex timer, bool enabled) override;

    // What tests and the message loop look up. Names compare without regard
    // to letter case, as the game's do.
    HWND handle() const { return m_hwnd; }
    const ScreenLayout &layout() const { return m_layout; }
    static constexpr runtime::ControlIndex none = static_cast<runtime::ControlIndex>(-1);
    runtime::ControlIndex indexOf(std::string_view name) const;
    // The child window of a button, text box or picture box; null for others.
    HWND controlWindow(std::string_view name) const;
    // Where a control lies, in the top-level window's client coordinates.
    RECT controlRect(std::string_view name) const;
    // The WM_COMMAND id of a menu command ("&Quitter", "&A propos de..."), 0 if none.
    UINT menuCommand(std::string_view name) const;
    bool timerEnabled(std::string_view name) const;
    // For assistive technology (accessibility.cpp): the game window a handle
    // belongs to, its own or a picture box's, null once that window is gone;
    // a control's caption as drawn, "&" kept.
    static Win32Window *owning(HWND handle);
    const std::wstring &caption(runtime::ControlIndex control) const { return checked(control).caption; }

    // The keys the game handles itself before the dialog manager sees them:
    // Tab and Shift+Tab in TabIndex order, Enter (a focused button clicks,
    // anything else does nothing). True when the message was used up; `this`
    // may be gone by then.
    bool handleKey(const MSG &message);

    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // The window's client area, or the inside of a picture box: what draws
    // the windowless controls it holds.
    struct Surface {
        Win32Window *window = nullptr;
        HWND hwnd = nullptr;
        runtime::ControlIndex box = none; // none: the window's client area
        std::vector<runtime::ControlIndex> windowless; // front to back
    };
    struct Control {
        const ControlLayout *layout = nullptr;
        HWND hwnd = nullptr;
        std::size_t surface = 0; // where it lies
        RECT rect{};             // pixels, in its surface's client coordinates
        std::wstring caption;
        bool visible = true;
        const Win32Picture *picture = nullptr;
        bool timerOn = false;
    };

    LRESULT handle(Surface &surface, UINT message, WPARAM wParam, LPARAM lParam);
    void buildMenuBar();
    void buildControls(runtime::PictureSource &pictures);
    void paint(Surface &surface, HDC dc, const RECT &area);
    runtime::ControlIndex hitTest(const Surface &surface, POINT point) const;
    bool canTakeFocus(runtime::ControlIndex index) const;
    HWND firstFocusable() const;
    void moveFocus(bool backwards);
    void stopTimers();
    void invalidate(const Control &control);
    void deliver(std::string_view control, std::string_view event);
    const Control &checked(runtime::ControlIndex index) const;
    Control &checked(runtime::ControlIndex index);

    Win32Runtime &m_runtime;
    const ScreenLayout &m_layout;
    runtime::WindowEvents &m_events;
    HWND m_hwnd = nullptr;
    HMENU m_menu = nullptr;
    const Win32Picture *m_background = nullptr;
    COLORREF m_backColour = 0;
    int m_outerWidth = 0; // pixels
    int m_outerHeight = 0;
    std::vector<std::unique_ptr<Surface>> m_surfaces; // [0]: the client area
    std::vector<Control> m_controls;                  // as in the layout
    std::vector<runtime::ControlIndex> m_tabOrder;    // controls that take focus, by TabIndex
    HWND m_lastFocus = nullptr;
    bool m_shownOnce = false;
    runtime::ControlIndex m_pressed = none;
};

} // namespace tolvane::win32
