// A game window's frame: made from its layout (whole or not at all), its
// menu bar, shown, hidden and placed, and the messages that reach it.

#include "platform/win32/window.h"

#include "platform/win32/accessibility.h"
#include "platform/win32/activation.h"

#include "platform/win32/runtime.h"
#include "platform/win32/text.h"
#include "resources/control_rules.h"
#include "runtime/runtime_error.h"

#include <windowsx.h>

namespace tolvane::win32 {

namespace {

constexpr UINT quitCommand = 1001;
constexpr UINT aboutCommand = 1002;
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD windowExStyle = WS_EX_CONTROLPARENT;

} // namespace

Win32Window::Win32Window(Win32Runtime &runtime, const ScreenLayout &layout, runtime::PictureSource &pictures,
                         runtime::WindowEvents &events)
    : m_runtime(runtime), m_layout(layout), m_pictures(pictures), m_events(events), m_input(layout)
{
    m_backColour = colourOf(layout.backColour, COLOR_BTNFACE);

    // The outer frame from the client area, menu bar included, before the
    // window exists: its Width and Height are known before it is first shown.
    // Every size is at the display's dots per inch; a window made on a display
    // of another scale is laid out again once it knows its own.
    m_dpi = runtime.displayDpi();
    const RECT outer = outerFrame();

    auto client = std::make_unique<Surface>();
    client->window = this;
    m_surfaces.push_back(std::move(client));

    // The design position is the client area's; only the About box keeps it.
    m_hwnd = CreateWindowExW(windowExStyle, L"TolvaneForm", widen(layout.caption).c_str(), windowStyle,
                             pixelsFromTwips(layout.clientLeft, m_dpi) + outer.left,
                             pixelsFromTwips(layout.clientTop, m_dpi) + outer.top,
                             outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, runtime.instance(),
                             m_surfaces[0].get());
    if (!m_hwnd)
        throw runtime::RuntimeError::windowOperationFailed();
    // Only a window made whole is known to the runtime and has its timers
    // counting: one that fails half way leaves nothing behind.
    try {
        m_surfaces[0]->hwnd = m_hwnd;
        // Its pictures may still be decoding on another thread: asked for once
        // the window exists, so that the two overlap.
        m_background = pictureAtDpi(layout.backgroundPicture);
        buildMenuBar();
        fitMenuBar();
        buildControls();
        if (const int own = static_cast<int>(GetDpiForWindow(m_hwnd)); own != m_dpi)
            scaleTo(own);
        runtime.add(this);
    } catch (...) {
        discard();
        throw;
    }
    startTimers();
}

RECT Win32Window::outerFrame() const
{
    RECT outer{0, 0, pixelsFromTwips(m_layout.clientWidth, m_dpi), pixelsFromTwips(m_layout.clientHeight, m_dpi)};
    AdjustWindowRectExForDpi(&outer, windowStyle, m_layout.menu.present(), windowExStyle, static_cast<UINT>(m_dpi));
    return outer;
}

void Win32Window::fitMenuBar()
{
    // A menu bar too narrow for its entries wraps onto a second line: grow the
    // window so that the client area stays the layout's.
    const int clientWidth = pixelsFromTwips(m_layout.clientWidth, m_dpi);
    const int clientHeight = pixelsFromTwips(m_layout.clientHeight, m_dpi);
    RECT actual;
    GetClientRect(m_hwnd, &actual);
    RECT window;
    GetWindowRect(m_hwnd, &window);
    if (actual.bottom != clientHeight || actual.right != clientWidth) {
        SetWindowPos(m_hwnd, nullptr, 0, 0, (window.right - window.left) + clientWidth - actual.right,
                     (window.bottom - window.top) + clientHeight - actual.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetWindowRect(m_hwnd, &window);
    }
    m_outerWidth = window.right - window.left;
    m_outerHeight = window.bottom - window.top;
}

Win32Window::~Win32Window()
{
    m_runtime.remove(this);
    discard();
}

void Win32Window::discard()
{
    for (auto &surface : m_surfaces) {
        if (surface->hwnd)
            SetWindowLongPtrW(surface->hwnd, GWLP_USERDATA, 0);
    }
    if (m_hwnd)
        DestroyWindow(m_hwnd); // its timers, children and menu go with it
    m_hwnd = nullptr;
}

void Win32Window::buildMenuBar()
{
    if (!m_layout.menu.present())
        return;
    HMENU bar = CreateMenu();
    HMENU game = CreatePopupMenu();
    AppendMenuW(game, MF_STRING, quitCommand, widen(quitItemCaption).c_str());
    AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(game), widen(gameMenuCaption).c_str());
    // A command on the bar itself, without a menu of its own.
    AppendMenuW(bar, MF_STRING, aboutCommand, widen(aboutItemCaption).c_str());
    SetMenu(m_hwnd, bar); // destroyed with the window
}

void Win32Window::show()
{
    const runtime::InputDecision focus = m_input.shown();
    ShowWindow(m_hwnd, SW_SHOW);
    BringWindowToTop(m_hwnd);
    SetForegroundWindow(m_hwnd);
    apply(focus); // once active; else its activation puts the focus there (WM_ACTIVATE)
    // A window shown while the input box waits (a timer's doing) stays behind it.
    if (HWND box = m_runtime.inputBoxWindow()) {
        SetWindowPos(box, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(box);
    }
}

void Win32Window::hide()
{
    // The game's window last active before this one takes over; else none does.
    if (GetActiveWindow() == m_hwnd && IsWindowVisible(m_hwnd)) {
        if (Win32Window *next = m_runtime.lastActiveBut(this))
            SetActiveWindow(next->handle());
        else
            keepActivationInGame(m_hwnd);
    }
    ShowWindow(m_hwnd, SW_HIDE);
}

void Win32Window::closeByPlayer() { runtime::closeAsPlayer(*this, m_layout, m_events); }

bool Win32Window::isVisible() const { return IsWindowVisible(m_hwnd) != FALSE; }

void Win32Window::setLeft(float twips)
{
    const int left = runtime::windowPixels(twips, m_dpi);
    RECT rect;
    GetWindowRect(m_hwnd, &rect);
    SetWindowPos(m_hwnd, nullptr, left, rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::setTop(float twips)
{
    const int top = runtime::windowPixels(twips, m_dpi);
    RECT rect;
    GetWindowRect(m_hwnd, &rect);
    SetWindowPos(m_hwnd, nullptr, rect.left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float Win32Window::width() const { return twipsFromPixels(m_outerWidth, m_dpi); }
float Win32Window::height() const { return twipsFromPixels(m_outerHeight, m_dpi); }


void Win32Window::deliver(std::string_view control, std::string_view event)
{
    if (m_runtime.ended())
        return;
    m_events.controlEvent(control, event); // may destroy this window
}

LRESULT CALLBACK Win32Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *create = reinterpret_cast<CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        if (auto *surface = static_cast<Surface *>(create->lpCreateParams); surface && !surface->hwnd)
            surface->hwnd = hwnd;
    }
    auto *surface = reinterpret_cast<Surface *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!surface || !surface->window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return surface->window->handle(*surface, message, wParam, lParam);
}

LRESULT Win32Window::handle(Surface &surface, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hwnd = surface.hwnd;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_GETOBJECT:
        return answerAccessibilityQuery(surface.box, hwnd, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        paint(surface, dc, ps.rcPaint);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        mouseButton(surface, message == WM_LBUTTONDOWN, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0; // `this` may be gone
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        if (lParam == 0 && HIWORD(wParam) == 0) { // a menu command
            if (id == quitCommand)
                deliver(m_layout.menu.quit, "Click");
            else if (id == aboutCommand)
                deliver(m_layout.menu.about, "Click");
            return 0;
        }
        if (HIWORD(wParam) == BN_CLICKED && id >= firstControlId && id - firstControlId < m_controls.size() &&
            m_controls[id - firstControlId].layout->kind == ControlKind::CommandButton)
            apply(m_input.click(id - firstControlId)); // may destroy this window
        return 0;
    }
    default:
        break;
    }
    if (surface.box != none) {
        // A picture box: its sunken edge, inside its rectangle.
        if (message == WM_NCCALCSIZE) {
            RECT &client = *reinterpret_cast<RECT *>(lParam);
            const int edge = pictureBoxEdgePixels(m_dpi);
            InflateRect(&client, -edge, -edge);
            return 0;
        }
        if (message == WM_NCPAINT) {
            paintEdge(hwnd);
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (hwnd != m_hwnd) // the frame still being made
        return DefWindowProcW(hwnd, message, wParam, lParam);

    switch (message) {
    case pressedByAssistiveTechnology:
        // Taken as a click of the mouse; gone out of view since it was asked, it is not pressed.
        if (wParam < m_controls.size() && m_input.shownInItsBoxes(wParam))
            apply(m_input.click(wParam)); // may destroy this window
        return 0;
    case WM_TIMER: {
        const std::size_t index = wParam - firstControlId;
        if (index >= m_controls.size() || !m_controls[index].timerOn)
            return 0;
        // The game itself drops a tick whose handler still waits in the name prompt.
        deliver(m_controls[index].layout->name, "Timer");
        return 0;
    }
    case WM_DPICHANGED: {
        // Moved to a display of another scale: laid out again at its DPI,
        // where the desktop suggests.
        const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
        scaleTo(HIWORD(wParam));
        SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_ACTIVATE:
        activated(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_CLOSE: {
        // The player's close: out of view, timers stopped, then the owner is told.
        if (!m_runtime.ended())
            closeByPlayer(); // may destroy this window
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace tolvane::win32
