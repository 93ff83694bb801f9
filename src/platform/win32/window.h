#pragma once

// One game window on Win32: a top-level window whose client area is the
// layout's, with its menu bar; command buttons, text boxes and picture boxes
// as child windows; labels and images drawn by the window itself (or by the
// picture box that holds them), back to front, in WM_PAINT.

#include "platform/win32/pictures.h"
#include "platform/win32/win32.h"
#include "resources/screen_layout.h"
#include "runtime/checks.h"
#include "runtime/input_rules.h"
#include "runtime/window.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane::win32 {

class Win32Runtime;
namespace testing {
struct Probe;
}

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

    HWND handle() const { return m_hwnd; }

    // For assistive technology (accessibility.cpp): the layout, a control by
    // its name without regard to case (none if there is no such control), its
    // child window, where it lies in the client area, its caption as drawn
    // with its "&"; and the game window a handle belongs to, its own or a
    // picture box's, null once that window is gone.
    static constexpr runtime::ControlIndex none = static_cast<runtime::ControlIndex>(-1);
    const ScreenLayout &layout() const { return m_layout; }
    runtime::ControlIndex indexOf(std::string_view name) const;
    HWND controlWindow(std::string_view name) const;
    RECT controlRect(std::string_view name) const;
    const std::wstring &caption(runtime::ControlIndex control) const { return m_controls.at(control).caption; }
    const runtime::WindowInput &input() const { return m_input; }
    static Win32Window *owning(HWND handle);

    // A key for this window, before the focused control sees it: the core's
    // rules (runtime/input_rules.h) decide, and only what they leave to a
    // focused text box reaches it. True when the message was used up; `this`
    // may be gone by then.
    bool handleKey(const MSG &message);


    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend struct testing::Probe;
    static constexpr UINT firstControlId = 100; // child windows: 100 + their index; 1 and 2 (IDOK, IDCANCEL) stay unused

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

    static COLORREF colourOf(const Colour &colour, int systemDefault);

    // The frame (window_frame.cpp).
    LRESULT handle(Surface &surface, UINT message, WPARAM wParam, LPARAM lParam);
    void discard();
    void buildMenuBar();
    // The outer frame of the layout's client area at the window's DPI.
    RECT outerFrame() const;
    void fitMenuBar();
    // Everything laid out again at another DPI.
    void scaleTo(int dpi);
    void deliver(std::string_view control, std::string_view event);

    // The controls (window_controls.cpp).
    void buildControls();
    // A control's rectangle in its container, in pixels at `dpi`.
    static RECT placeAt(const ControlLayout &control, int dpi);
    // The control, once runtime::controlFor has found it and its property.
    const Control &checked(runtime::ControlIndex index, runtime::ControlProperty property) const;
    Control &checked(runtime::ControlIndex index, runtime::ControlProperty property);
    void startTimers();
    void invalidate(const Control &control);
    runtime::ControlIndex hitTest(const Surface &surface, POINT point) const;
    void mouseButton(const Surface &surface, bool down, POINT point);

    // Focus and keys (window_focus.cpp).
    runtime::ControlIndex controlOf(HWND hwnd) const;
    // The rules told where the desktop has the focus (a click, a screen reader).
    void readFocus();
    void focusOn(std::optional<runtime::ControlIndex> control);
    void apply(const runtime::InputDecision &decision);
    void activated(bool active);
    void closeByPlayer();

    // Painting (window_painting.cpp).
    void paint(Surface &surface, HDC dc, const RECT &area);
    // A picture box's sunken edge, pictureBoxEdgePixels wide.
    void paintEdge(HWND box) const;
    // A picture's own pixels at the window's scale.
    int scaled(int pixels) const;
    // The pictures for the window's DPI: from 144 dpi, the 2x files, drawn
    // into the same rectangles as the 1x pictures would be.
    void choosePictures();
    const Win32Picture *pictureAtDpi(PictureId id) const;

    Win32Runtime &m_runtime;
    const ScreenLayout &m_layout;
    runtime::PictureSource &m_pictures;
    runtime::WindowEvents &m_events;
    HWND m_hwnd = nullptr;
    const Win32Picture *m_background = nullptr;
    COLORREF m_backColour = 0;
    int m_dpi = 96;       // the window's dots per inch
    int m_outerWidth = 0; // pixels
    int m_outerHeight = 0;
    std::vector<std::unique_ptr<Surface>> m_surfaces; // [0]: the client area
    std::vector<Control> m_controls;                  // as in the layout
    runtime::WindowInput m_input;
    bool m_menuTakesChar = false; // the next Alt character opens the menu bar's game menu
    runtime::ControlIndex m_pressed = none;
};

} // namespace tolvane::win32
