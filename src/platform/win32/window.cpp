#include "platform/win32/window.h"

#include "platform/win32/accessibility.h"
#include "platform/win32/activation.h"
#include "platform/win32/runtime.h"
#include "platform/win32/text.h"
#include "runtime/runtime_error.h"

#include <algorithm>
#include <cmath>
#include <strings.h>
#include <utility>

namespace tolvane::win32 {

namespace {

constexpr UINT firstControlId = 100; // child windows: 100 + their index; 1 and 2 (IDOK, IDCANCEL) stay unused
constexpr UINT quitCommand = 1001;
constexpr UINT aboutCommand = 1002;
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD windowExStyle = WS_EX_CONTROLPARENT;

int pixels(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel)); }

COLORREF resolve(const Colour &colour, int systemDefault)
{
    switch (colour.source) {
    case Colour::Source::Rgb:
        return RGB((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
    case Colour::Source::Highlight:
        return GetSysColor(COLOR_HIGHLIGHT);
    case Colour::Source::ActiveBorder:
        return GetSysColor(COLOR_ACTIVEBORDER);
    case Colour::Source::Default:
        break;
    }
    return GetSysColor(systemDefault);
}

bool isChildWindow(ControlKind kind)
{
    return kind == ControlKind::CommandButton || kind == ControlKind::TextBox || kind == ControlKind::PictureBox;
}

} // namespace

Win32Window::Win32Window(Win32Runtime &runtime, const ScreenLayout &layout, runtime::PictureSource &pictures,
                         runtime::WindowEvents &events)
    : m_runtime(runtime), m_layout(layout), m_events(events)
{
    m_backColour = resolve(layout.backColour, COLOR_BTNFACE);
    m_background = static_cast<const Win32Picture *>(pictures.picture(layout.backgroundPicture));

    // The outer frame from the client area, menu bar included, before the
    // window exists: its Width and Height are known before it is first shown.
    const int clientWidth = pixels(layout.clientWidth);
    const int clientHeight = pixels(layout.clientHeight);
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, windowStyle, layout.menu.present(), windowExStyle);

    auto client = std::make_unique<Surface>();
    client->window = this;
    m_surfaces.push_back(std::move(client));

    // The design position is the client area's; only the About box keeps it.
    m_hwnd = CreateWindowExW(windowExStyle, L"TolvaneForm", widen(layout.caption).c_str(), windowStyle,
                             pixels(layout.clientLeft) + outer.left, pixels(layout.clientTop) + outer.top,
                             outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, runtime.instance(),
                             m_surfaces[0].get());
    if (!m_hwnd)
        throw runtime::RuntimeError::windowOperationFailed();
    m_surfaces[0]->hwnd = m_hwnd;
    runtime.add(this);

    buildMenuBar();
    // A menu bar too narrow for its entries wraps onto a second line: grow the
    // window so that the client area stays the layout's.
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

    buildControls(pictures);
}

Win32Window::~Win32Window()
{
    m_runtime.remove(this);
    for (auto &surface : m_surfaces) {
        if (surface->hwnd)
            SetWindowLongPtrW(surface->hwnd, GWLP_USERDATA, 0);
    }
    if (m_hwnd)
        DestroyWindow(m_hwnd); // the menu goes with it
}

void Win32Window::buildMenuBar()
{
    if (!m_layout.menu.present())
        return;
    m_menu = CreateMenu();
    HMENU game = CreatePopupMenu();
    AppendMenuW(game, MF_STRING, quitCommand, widen(quitItemCaption).c_str());
    AppendMenuW(m_menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(game), widen(gameMenuCaption).c_str());
    // A command on the bar itself, without a menu of its own.
    AppendMenuW(m_menu, MF_STRING, aboutCommand, widen(aboutItemCaption).c_str());
    SetMenu(m_hwnd, m_menu);
}

void Win32Window::buildControls(runtime::PictureSource &pictures)
{
    const std::span<const ControlLayout> layouts = m_layout.controls;
    m_controls.resize(layouts.size());
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        Control &c = m_controls[i];
        c.layout = &layouts[i];
        c.visible = layouts[i].visible;
        c.caption = drawnCaption(layouts[i].caption);
        if (!layouts[i].container.empty()) {
            const runtime::ControlIndex box = indexOf(layouts[i].container);
            for (std::size_t s = 1; s < m_surfaces.size(); ++s) {
                if (m_surfaces[s]->box == box)
                    c.surface = s;
            }
        }
        const ControlLayout &l = layouts[i];
        c.rect = {pixels(l.left), pixels(l.top), pixels(l.left) + pixels(l.width), pixels(l.top) + pixels(l.height)};
        if (l.picture != PictureId::None)
            c.picture = static_cast<const Win32Picture *>(pictures.picture(l.picture));
        if (l.kind == ControlKind::Image && !l.stretch && l.picture != PictureId::None) {
            // An image that is not stretched takes its picture's own size.
            const PictureInfo &info = pictureInfo(l.picture);
            c.rect.right = c.rect.left + info.width;
            c.rect.bottom = c.rect.top + info.height;
        }
        if (l.kind == ControlKind::PictureBox) {
            // Its inner area draws the labels and images it holds; its
            // children lie in it.
            auto surface = std::make_unique<Surface>();
            surface->window = this;
            surface->box = i;
            m_surfaces.push_back(std::move(surface));
        }
        if (l.kind == ControlKind::Label || l.kind == ControlKind::Image)
            m_surfaces[c.surface]->windowless.push_back(i);
        if (l.kind == ControlKind::Timer) {
            // Counting from the window's creation.
            c.timerOn = SetTimer(m_hwnd, firstControlId + i, static_cast<UINT>(std::max(1, l.interval)), nullptr) != 0;
        }
    }

    // Child windows, created in TabIndex order, so that the desktop's own
    // notion of order (the dialog manager's, assistive technology's) is the game's.
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        if (isChildWindow(layouts[i].kind))
            m_tabOrder.push_back(i);
    }
    std::stable_sort(m_tabOrder.begin(), m_tabOrder.end(),
                     [&](auto a, auto b) { return layouts[a].tabIndex < layouts[b].tabIndex; });
    for (runtime::ControlIndex i : m_tabOrder) {
        Control &c = m_controls[i];
        const ControlLayout &l = layouts[i];
        HWND parent = m_surfaces[c.surface]->hwnd;
        DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | (c.visible ? WS_VISIBLE : 0);
        DWORD exStyle = 0;
        const wchar_t *className = nullptr;
        std::wstring title;
        LPVOID create = nullptr;
        switch (l.kind) {
        case ControlKind::CommandButton:
            className = L"BUTTON";
            style |= BS_PUSHBUTTON; // never the default button
            title = widen(l.caption);
            break;
        case ControlKind::TextBox:
            className = L"EDIT";
            style |= ES_LEFT | ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::PictureBox: {
            className = L"TolvanePictureBox";
            style |= WS_CLIPCHILDREN;
            // The 2-px sunken edge; the controls it holds are the dialog manager's too.
            exStyle = WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT;
            for (auto &surface : m_surfaces) {
                if (surface->box == i)
                    create = surface.get();
            }
            break;
        }
        default:
            continue;
        }
        c.hwnd = CreateWindowExW(exStyle, className, title.c_str(), style, c.rect.left, c.rect.top,
                                 c.rect.right - c.rect.left, c.rect.bottom - c.rect.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(firstControlId + i)),
                                 m_runtime.instance(), create);
        if (!c.hwnd)
            throw runtime::RuntimeError::windowOperationFailed();
        if (l.kind != ControlKind::PictureBox)
            SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_runtime.fonts().get(l.font)), FALSE);
        if (l.kind == ControlKind::TextBox)
            SendMessageW(c.hwnd, EM_SETLIMITTEXT, 0, 0); // no length limit
        if (l.kind == ControlKind::PictureBox) {
            for (auto &surface : m_surfaces) {
                if (surface->box == i)
                    surface->hwnd = c.hwnd;
            }
        }
    }
    // Child windows come before the windowless controls in every layout, so
    // they lie above them: windowless controls are painted by their surface,
    // under its children. Among child windows, the first in the layout is in front.
    for (std::size_t i = layouts.size(); i-- > 0;) {
        if (m_controls[i].hwnd)
            SetWindowPos(m_controls[i].hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

runtime::ControlIndex Win32Window::indexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        if (sameName(m_layout.controls[i].name, name))
            return i;
    }
    return none;
}

HWND Win32Window::controlWindow(std::string_view name) const
{
    const runtime::ControlIndex i = indexOf(name);
    return i == none || i >= m_controls.size() ? nullptr : m_controls[i].hwnd;
}

RECT Win32Window::controlRect(std::string_view name) const
{
    const runtime::ControlIndex i = indexOf(name);
    if (i == none || i >= m_controls.size())
        return {};
    RECT rect = m_controls[i].rect;
    const Surface &surface = *m_surfaces[m_controls[i].surface];
    if (surface.hwnd != m_hwnd)
        MapWindowPoints(surface.hwnd, m_hwnd, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

UINT Win32Window::menuCommand(std::string_view name) const
{
    if (!m_layout.menu.present())
        return 0;
    if (sameName(name, m_layout.menu.quit))
        return quitCommand;
    if (sameName(name, m_layout.menu.about))
        return aboutCommand;
    return 0;
}

bool Win32Window::timerEnabled(std::string_view name) const
{
    const runtime::ControlIndex i = indexOf(name);
    return i != none && i < m_controls.size() && m_controls[i].timerOn;
}

Win32Window *Win32Window::owning(HWND handle)
{
    auto *surface = handle ? reinterpret_cast<Surface *>(GetWindowLongPtrW(handle, GWLP_USERDATA)) : nullptr;
    return surface ? surface->window : nullptr;
}

const Win32Window::Control &Win32Window::checked(runtime::ControlIndex index) const
{
    if (index >= m_controls.size())
        throw runtime::RuntimeError::controlNotFound(std::to_string(index));
    return m_controls[index];
}

Win32Window::Control &Win32Window::checked(runtime::ControlIndex index)
{
    return const_cast<Control &>(std::as_const(*this).checked(index));
}

// --- The window itself

void Win32Window::show()
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_lastFocus = firstFocusable();
    }
    // Showing activates it, and its activation gives the focus back (WM_ACTIVATE).
    ShowWindow(m_hwnd, SW_SHOW);
    BringWindowToTop(m_hwnd);
    SetForegroundWindow(m_hwnd);
    if (GetActiveWindow() == m_hwnd && m_lastFocus && IsWindowVisible(m_lastFocus))
        SetFocus(m_lastFocus);
    // A window shown while the input box waits (a timer's doing) stays behind it.
    if (HWND box = m_runtime.inputBoxWindow()) {
        SetWindowPos(box, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(box);
    }
}

void Win32Window::hide()
{
    keepActivationInGame(m_hwnd);
    ShowWindow(m_hwnd, SW_HIDE);
}

bool Win32Window::isVisible() const { return IsWindowVisible(m_hwnd) != FALSE; }

void Win32Window::setLeft(float twips)
{
    if (!std::isfinite(twips) || std::fabs(twips) > 1.0e8f)
        throw runtime::RuntimeError::windowOperationFailed();
    RECT rect;
    GetWindowRect(m_hwnd, &rect);
    SetWindowPos(m_hwnd, nullptr, static_cast<int>(std::lround(twips / twipsPerPixel)), rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::setTop(float twips)
{
    if (!std::isfinite(twips) || std::fabs(twips) > 1.0e8f)
        throw runtime::RuntimeError::windowOperationFailed();
    RECT rect;
    GetWindowRect(m_hwnd, &rect);
    SetWindowPos(m_hwnd, nullptr, rect.left, static_cast<int>(std::lround(twips / twipsPerPixel)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float Win32Window::width() const { return static_cast<float>(m_outerWidth * twipsPerPixel); }
float Win32Window::height() const { return static_cast<float>(m_outerHeight * twipsPerPixel); }

// --- Controls

void Win32Window::setCaption(runtime::ControlIndex label, std::string_view text)
{
    Control &c = checked(label);
    c.caption = drawnCaption(text);
    announce(m_hwnd, EVENT_OBJECT_NAMECHANGE, label);
    if (c.hwnd)
        SetWindowTextW(c.hwnd, widen(text).c_str());
    else
        invalidate(c);
}

void Win32Window::setControlVisible(runtime::ControlIndex control, bool visible)
{
    Control &c = checked(control);
    if (c.visible == visible)
        return;
    c.visible = visible;
    announce(m_hwnd, visible ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE, control);
    if (!c.hwnd) {
        invalidate(c);
        return;
    }
    if (!visible) {
        // The focus leaves a control that goes out of view.
        HWND focus = GetFocus();
        if (focus && (focus == c.hwnd || IsChild(c.hwnd, focus))) {
            ShowWindow(c.hwnd, SW_HIDE);
            moveFocus(false);
            return;
        }
    }
    ShowWindow(c.hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32Window::controlVisible(runtime::ControlIndex control) const { return checked(control).visible; }

std::string Win32Window::text(runtime::ControlIndex textBox) const
{
    const Control &c = checked(textBox);
    if (!c.hwnd)
        return {};
    const int length = GetWindowTextLengthW(c.hwnd);
    std::wstring typed(static_cast<std::size_t>(length) + 1, L'\0');
    typed.resize(static_cast<std::size_t>(GetWindowTextW(c.hwnd, typed.data(), length + 1)));
    return narrow(typed);
}

void Win32Window::setTimerEnabled(runtime::ControlIndex timer, bool enabled)
{
    Control &c = checked(timer);
    if (c.layout->kind != ControlKind::Timer || c.timerOn == enabled)
        return;
    const UINT_PTR id = firstControlId + timer;
    c.timerOn = enabled ? SetTimer(m_hwnd, id, static_cast<UINT>(std::max(1, c.layout->interval)), nullptr) != 0
                        : (KillTimer(m_hwnd, id), false);
}

void Win32Window::stopTimers()
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i].timerOn) {
            KillTimer(m_hwnd, firstControlId + i);
            m_controls[i].timerOn = false;
        }
    }
}

void Win32Window::invalidate(const Control &control)
{
    const Surface &surface = *m_surfaces[control.surface];
    InvalidateRect(surface.hwnd, &control.rect, FALSE);
}

void Win32Window::deliver(std::string_view control, std::string_view event)
{
    if (m_runtime.ended())
        return;
    m_events.controlEvent(control, event); // may destroy this window
}

// --- Focus and keys

bool Win32Window::canTakeFocus(runtime::ControlIndex index) const
{
    const Control &c = m_controls[index];
    if (!c.hwnd || !c.visible || !IsWindowEnabled(c.hwnd))
        return false;
    // Inside a picture box that is out of view, nothing can take it either.
    for (std::size_t s = c.surface; s != 0;) {
        const runtime::ControlIndex box = m_surfaces[s]->box;
        if (!m_controls[box].visible)
            return false;
        s = m_controls[box].surface;
    }
    return true;
}

HWND Win32Window::firstFocusable() const
{
    for (runtime::ControlIndex i : m_tabOrder) {
        if (canTakeFocus(i))
            return m_controls[i].hwnd;
    }
    return nullptr;
}

void Win32Window::moveFocus(bool backwards)
{
    if (m_tabOrder.empty())
        return;
    HWND focus = GetFocus();
    std::size_t at = m_tabOrder.size();
    for (std::size_t k = 0; k < m_tabOrder.size(); ++k) {
        if (m_controls[m_tabOrder[k]].hwnd == focus)
            at = k;
    }
    const std::size_t n = m_tabOrder.size();
    for (std::size_t step = 1; step <= n; ++step) {
        std::size_t k;
        if (at == n)
            k = backwards ? n - step : step - 1;
        else
            k = backwards ? (at + n - step) % n : (at + step) % n;
        if (canTakeFocus(m_tabOrder[k])) {
            HWND next = m_controls[m_tabOrder[k]].hwnd;
            SetFocus(next);
            // A text box reached by Tab has its text selected, as in a dialog.
            if (m_controls[m_tabOrder[k]].layout->kind == ControlKind::TextBox)
                SendMessageW(next, EM_SETSEL, 0, -1);
            return;
        }
    }
}

bool Win32Window::handleKey(const MSG &message)
{
    if (message.message != WM_KEYDOWN)
        return false;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (message.wParam == VK_TAB && !control) {
        moveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (message.wParam == VK_RETURN) {
        // No button is the default one: Enter clicks the focused button, and
        // does nothing anywhere else (an answer box submits nothing).
        HWND focus = GetFocus();
        for (std::size_t i = 0; i < m_controls.size(); ++i) {
            if (m_controls[i].hwnd == focus && m_controls[i].layout->kind == ControlKind::CommandButton) {
                if ((message.lParam & (1 << 30)) == 0) // not a key repeat
                    deliver(m_controls[i].layout->name, "Click");
                return true;
            }
        }
        return true;
    }
    return false;
}

// --- Painting and the mouse

void Win32Window::paint(Surface &surface, HDC dc, const RECT &area)
{
    RECT client;
    GetClientRect(surface.hwnd, &client);
    // Drawn off screen, then copied: no flicker under the pictures.
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom));
    HGDIOBJ previousBitmap = SelectObject(buffer, bitmap);

    if (surface.box == none) {
        HBRUSH back = CreateSolidBrush(m_backColour);
        FillRect(buffer, &client, back);
        DeleteObject(back);
        if (m_background)
            m_background->draw(buffer, 0, 0);
    } else {
        const Control &box = m_controls[surface.box];
        HBRUSH back = CreateSolidBrush(resolve(box.layout->backColour, COLOR_BTNFACE));
        FillRect(buffer, &client, back);
        DeleteObject(back);
        if (box.picture)
            box.picture->draw(buffer, 0, 0); // natural size from the inner corner, clipped
    }

    // Back to front: the last of the layout first.
    SetBkMode(buffer, TRANSPARENT);
    for (auto it = surface.windowless.rbegin(); it != surface.windowless.rend(); ++it) {
        const Control &c = m_controls[*it];
        if (!c.visible)
            continue;
        RECT clip;
        if (!IntersectRect(&clip, &c.rect, &area))
            continue;
        const int saved = SaveDC(buffer);
        IntersectClipRect(buffer, c.rect.left, c.rect.top, c.rect.right, c.rect.bottom);
        if (c.layout->kind == ControlKind::Image) {
            if (c.picture)
                c.picture->draw(buffer, c.rect.left, c.rect.top, c.layout->stretch, c.rect.right - c.rect.left,
                                c.rect.bottom - c.rect.top);
        } else if (!c.caption.empty()) {
            // Transparent, left-aligned, wrapped at word boundaries, clipped;
            // "&" underlines the next letter.
            SelectObject(buffer, m_runtime.fonts().get(c.layout->font));
            SetTextColor(buffer, resolve(c.layout->foreColour, COLOR_BTNTEXT));
            RECT text = c.rect;
            DrawTextW(buffer, c.caption.c_str(), static_cast<int>(c.caption.size()), &text,
                      DT_LEFT | DT_TOP | DT_WORDBREAK);
        }
        RestoreDC(buffer, saved);
    }

    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer, area.left, area.top,
           SRCCOPY);
    SelectObject(buffer, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

runtime::ControlIndex Win32Window::hitTest(const Surface &surface, POINT point) const
{
    for (runtime::ControlIndex i : surface.windowless) { // front to back
        if (m_controls[i].visible && PtInRect(&m_controls[i].rect, point))
            return i;
    }
    return none;
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
    const bool topLevel = hwnd == m_hwnd;
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
    case WM_LBUTTONDOWN: {
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        m_pressed = hitTest(surface, point);
        if (!topLevel)
            SetFocus(hwnd); // a picture box takes the focus when clicked
        if (m_pressed != none)
            SetCapture(hwnd);
        return 0;
    }
    case WM_LBUTTONUP: {
        if (GetCapture() == hwnd)
            ReleaseCapture();
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const runtime::ControlIndex pressed = m_pressed;
        m_pressed = none;
        if (pressed != none && hitTest(surface, point) == pressed)
            deliver(m_controls[pressed].layout->name, "Click"); // may destroy this window
        return 0;
    }
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
            deliver(m_controls[id - firstControlId].layout->name, "Click");
        return 0;
    }
    default:
        break;
    }
    if (!topLevel)
        return DefWindowProcW(hwnd, message, wParam, lParam);

    switch (message) {
    case pressedByAssistiveTechnology:
        if (wParam < m_controls.size() && m_controls[wParam].visible)
            deliver(m_controls[wParam].layout->name, "Click"); // may destroy this window
        return 0;
    case WM_TIMER: {
        const std::size_t index = wParam - firstControlId;
        if (index >= m_controls.size() || !m_controls[index].timerOn)
            return 0;
        // The game itself drops a tick whose handler still waits in the name prompt.
        deliver(m_controls[index].layout->name, "Timer");
        return 0;
    }
    case WM_ACTIVATE:
        // A window that is not a dialog gives the focus back to the control
        // that had it when it was last active.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(m_hwnd, focus))
                m_lastFocus = focus;
        } else if (m_lastFocus && IsWindowVisible(m_lastFocus)) {
            SetFocus(m_lastFocus);
        } else if (HWND first = firstFocusable()) {
            SetFocus(first);
        }
        return 0;
    case WM_CLOSE: {
        // The player's close: out of view, timers stopped, then the owner is told.
        if (m_runtime.ended())
            return 0;
        ShowWindow(m_hwnd, SW_HIDE);
        stopTimers();
        m_events.closedByPlayer(); // may destroy this window
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace tolvane::win32
