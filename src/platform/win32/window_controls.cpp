// A game window's controls: child windows for buttons, text boxes and
// picture boxes, plain records for labels, images and timers; what the game
// does to them, and a click on a windowless one.

#include "platform/win32/window.h"

#include "platform/win32/accessibility.h"

#include "platform/win32/runtime.h"
#include "platform/win32/text.h"
#include "resources/accelerator.h"
#include "resources/control_rules.h"
#include "resources/picture_scale.h"
#include "runtime/checks.h"

#include <algorithm>
#include <utility>

namespace tolvane::win32 {

void Win32Window::buildControls()
{
    const std::span<const ControlLayout> layouts = m_layout.controls;
    m_controls.resize(layouts.size());
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        Control &c = m_controls[i];
        c.layout = &layouts[i];
        c.visible = layouts[i].visible;
        c.caption = widen(withLineBreaks(layouts[i].caption, "\r\n"));
        if (!layouts[i].container.empty()) {
            const runtime::ControlIndex box = indexOf(layouts[i].container);
            for (std::size_t s = 1; s < m_surfaces.size(); ++s) {
                if (m_surfaces[s]->box == box)
                    c.surface = s;
            }
        }
        const ControlLayout &l = layouts[i];
        c.rect = placeAt(l, m_dpi);
        c.picture = pictureAtDpi(l.picture);
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
    }

    // The controls that take the focus are the child windows, created in
    // TabIndex order, so that the desktop's own notion of order (assistive
    // technology's) is the game's.
    for (runtime::ControlIndex i : tabOrder(m_layout)) {
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
            // Its sunken edge is drawn by the window (WM_NCPAINT), at its DPI.
            exStyle = WS_EX_CONTROLPARENT;
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
            SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_runtime.fonts().get(l.font, m_dpi)), FALSE);
        if (l.kind == ControlKind::TextBox)
            SendMessageW(c.hwnd, EM_SETLIMITTEXT, 0, 0); // no length limit
        if (l.kind == ControlKind::PictureBox) {
            for (auto &surface : m_surfaces) {
                if (surface->box == i)
                    surface->hwnd = c.hwnd;
            }
        }
    }
    // Stacked as created: no two child windows of a layout overlap, and the
    // desktop's order (assistive technology's) stays the TabIndex order.
    // Windowless controls are painted by their surface, under its children.
}

RECT Win32Window::placeAt(const ControlLayout &control, int dpi)
{
    const TwipsRect place = tolvane::controlRect(control);
    const int left = pixelsFromTwips(place.left, dpi), top = pixelsFromTwips(place.top, dpi);
    return {left, top, left + pixelsFromTwips(place.width, dpi), top + pixelsFromTwips(place.height, dpi)};
}

const Win32Picture *Win32Window::pictureAtDpi(PictureId id) const
{
    const int scale = pictureScaleForDpi(id, m_dpi);
    const runtime::Picture *picture = m_pictures.picture(id, scale);
    if (!picture && scale != 1)
        picture = m_pictures.picture(id, 1);
    return static_cast<const Win32Picture *>(picture);
}

void Win32Window::choosePictures()
{
    m_background = pictureAtDpi(m_layout.backgroundPicture);
    for (Control &c : m_controls)
        c.picture = pictureAtDpi(c.layout->picture);
}

void Win32Window::scaleTo(int dpi)
{
    m_dpi = dpi;
    choosePictures();
    const RECT outer = outerFrame();
    SetWindowPos(m_hwnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fitMenuBar();
    for (Control &c : m_controls) {
        c.rect = placeAt(*c.layout, dpi);
        if (!c.hwnd)
            continue;
        SetWindowPos(c.hwnd, nullptr, c.rect.left, c.rect.top, c.rect.right - c.rect.left, c.rect.bottom - c.rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED); // a picture box's edge too
        if (c.layout->kind != ControlKind::PictureBox)
            SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_runtime.fonts().get(c.layout->font, dpi)), TRUE);
    }
    InvalidateRect(m_hwnd, nullptr, FALSE);
    for (std::size_t s = 1; s < m_surfaces.size(); ++s)
        InvalidateRect(m_surfaces[s]->hwnd, nullptr, FALSE);
}

runtime::ControlIndex Win32Window::indexOf(std::string_view name) const
{
    return controlNamed(m_layout, name).value_or(none);
}

HWND Win32Window::controlWindow(std::string_view name) const
{
    const runtime::ControlIndex i = indexOf(name);
    return i == none ? nullptr : m_controls[i].hwnd;
}

RECT Win32Window::controlRect(std::string_view name) const
{
    const runtime::ControlIndex i = indexOf(name);
    if (i == none)
        return {};
    RECT rect = m_controls[i].rect;
    const HWND surface = m_surfaces[m_controls[i].surface]->hwnd;
    if (surface != m_hwnd)
        MapWindowPoints(surface, m_hwnd, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

Win32Window *Win32Window::owning(HWND handle)
{
    auto *surface = handle ? reinterpret_cast<Surface *>(GetWindowLongPtrW(handle, GWLP_USERDATA)) : nullptr;
    return surface ? surface->window : nullptr;
}

const Win32Window::Control &Win32Window::checked(runtime::ControlIndex index, runtime::ControlProperty property) const
{
    runtime::controlFor(m_layout, index, property);
    return m_controls[index];
}

Win32Window::Control &Win32Window::checked(runtime::ControlIndex index, runtime::ControlProperty property)
{
    return const_cast<Control &>(std::as_const(*this).checked(index, property));
}

void Win32Window::setCaption(runtime::ControlIndex label, std::string_view text)
{
    Control &c = checked(label, runtime::ControlProperty::Caption);
    c.caption = widen(withLineBreaks(text, "\r\n"));
    m_input.setCaption(label, text);
    announce(m_hwnd, EVENT_OBJECT_NAMECHANGE, label);
    if (c.hwnd)
        SetWindowTextW(c.hwnd, widen(text).c_str());
    else
        invalidate(c);
}

void Win32Window::setControlVisible(runtime::ControlIndex control, bool visible)
{
    Control &c = checked(control, runtime::ControlProperty::Visible);
    if (c.visible == visible)
        return;
    c.visible = visible;
    announce(m_hwnd, visible ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE, control);
    if (!c.hwnd) {
        invalidate(c);
        m_input.setVisible(control, visible);
        return;
    }
    readFocus();
    ShowWindow(c.hwnd, visible ? SW_SHOWNA : SW_HIDE);
    apply(m_input.setVisible(control, visible)); // a focus that went out of view moves on
}

bool Win32Window::controlVisible(runtime::ControlIndex control) const
{
    return checked(control, runtime::ControlProperty::Visible).visible;
}

std::string Win32Window::text(runtime::ControlIndex textBox) const
{
    const Control &c = checked(textBox, runtime::ControlProperty::Text);
    if (!c.hwnd)
        return {};
    const int length = GetWindowTextLengthW(c.hwnd);
    std::wstring typed(static_cast<std::size_t>(length) + 1, L'\0');
    typed.resize(static_cast<std::size_t>(GetWindowTextW(c.hwnd, typed.data(), length + 1)));
    return narrow(typed);
}

void Win32Window::setTimerEnabled(runtime::ControlIndex timer, bool enabled)
{
    Control &c = checked(timer, runtime::ControlProperty::Enabled);
    if (c.timerOn == enabled)
        return;
    const UINT_PTR id = firstControlId + timer;
    if (c.layout->interval <= 0)
        return; // never ticks
    c.timerOn = enabled ? SetTimer(m_hwnd, id, static_cast<UINT>(c.layout->interval), nullptr) != 0
                        : (KillTimer(m_hwnd, id), false);
}

void Win32Window::startTimers()
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i].layout->kind == ControlKind::Timer)
            setTimerEnabled(i, true);
    }
}

void Win32Window::invalidate(const Control &control)
{
    const Surface &surface = *m_surfaces[control.surface];
    InvalidateRect(surface.hwnd, &control.rect, FALSE);
}

runtime::ControlIndex Win32Window::hitTest(const Surface &surface, POINT point) const
{
    for (runtime::ControlIndex i : surface.windowless) { // front to back
        if (m_controls[i].visible && PtInRect(&m_controls[i].rect, point))
            return i;
    }
    return none;
}

void Win32Window::mouseButton(const Surface &surface, bool down, POINT point)
{
    const HWND hwnd = surface.hwnd;
    if (down) {
        m_pressed = hitTest(surface, point);
        // A label takes no click, and hides what lies behind it from the mouse.
        if (m_pressed != none && m_controls[m_pressed].layout->kind == ControlKind::Label) {
            m_pressed = none;
            return;
        }
        if (hwnd != m_hwnd)
            apply(m_input.click(surface.box)); // a picture box takes the focus
        if (m_pressed != none)
            SetCapture(hwnd);
        return;
    }
    if (GetCapture() == hwnd)
        ReleaseCapture();
    const runtime::ControlIndex pressed = m_pressed;
    m_pressed = none;
    if (pressed != none && hitTest(surface, point) == pressed)
        apply(m_input.click(pressed)); // an image clicks; may destroy this window
}

} // namespace tolvane::win32
