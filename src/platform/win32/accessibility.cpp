#include "platform/win32/accessibility.h"

#include "platform/win32/accessible_base.h"
#include "platform/win32/accessible_reading.h"
#include "platform/win32/window.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>

namespace tolvane::win32 {

namespace {

using runtime::ControlIndex;
constexpr ControlIndex self = Win32Window::none;

LONG childId(ControlIndex control) { return static_cast<LONG>(control + 1); }

// The client area of a game window, or one of its picture boxes, for MSAA.
// Interface ids by __uuidof: MinGW's oleacc import library gives
// IID_IAccessible as an import thunk, not the id, to whatever links it.
// It holds the window by its handle: once the window is gone, every call fails.
class AccessibleControls final : public AccessibleBase, public IEnumVARIANT {
public:
    AccessibleControls(HWND hwnd, ControlIndex box) : m_hwnd(hwnd), m_box(box) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
            *out = static_cast<IAccessible *>(this);
        else if (iid == __uuidof(IEnumVARIANT) && m_box == self)
            *out = static_cast<IEnumVARIANT *>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override
    {
        if (!parent)
            return E_POINTER;
        *parent = nullptr;
        if (!window())
            return CO_E_OBJNOTCONNECTED;
        // A picture box's parent is its window's client area; the client
        // area's is the window itself, as Windows presents it.
        if (m_box != self)
            return oleacc().objectFromWindow(window()->handle(), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IDispatch),
                                              reinterpret_cast<void **>(parent));
        return oleacc().objectFromWindow(m_hwnd, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                          reinterpret_cast<void **>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override
    {
        if (!count)
            return E_POINTER;
        Win32Window *w = window();
        if (!w)
            return CO_E_OBJNOTCONNECTED;
        *count = m_box == self ? static_cast<long>(reading::order(*w).size()) : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        ControlIndex control;
        if (HRESULT failed = resolve(child, control); FAILED(failed))
            return failed;
        // Every control is a simple element of the client area.
        return control == self ? E_INVALIDARG : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        return answer(child, name, [&](const Win32Window &w, ControlIndex c) {
            return std::optional<std::wstring>(reading::nameOf(w, c, m_hwnd));
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override
    {
        return answer(child, value, reading::valueOf);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        return answer(child, description,
                      [](const Win32Window &, ControlIndex) { return std::optional<std::wstring>(); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override
    {
        return number(child, role, reading::roleOf);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override
    {
        return number(child, state, [&](const Win32Window &w, ControlIndex c) { return reading::stateOf(w, c, m_hwnd); });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override
    {
        return answer(child, shortcut, reading::shortcutOf);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *focus) override
    {
        if (!focus)
            return E_POINTER;
        clear(focus);
        Win32Window *w = window();
        if (!w)
            return CO_E_OBJNOTCONNECTED;
        if (const std::optional<ControlIndex> focused = reading::focused(*w, m_box, m_hwnd)) {
            focus->vt = VT_I4;
            focus->lVal = *focused == self ? CHILDID_SELF : childId(*focused);
        }
        return focus->vt == VT_EMPTY ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override
    {
        return answer(child, action, reading::defaultActionOf);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        ControlIndex control;
        if (HRESULT failed = resolve(child, control); FAILED(failed))
            return failed;
        const HWND target = control == self ? m_hwnd : window()->controlWindow(window()->layout().controls[control].name);
        if (flags != SELFLAG_TAKEFOCUS || !target)
            return DISP_E_MEMBERNOTFOUND;
        SetFocus(target);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long *left, long *top, long *width, long *height, VARIANT child) override
    {
        if (!left || !top || !width || !height)
            return E_POINTER;
        ControlIndex control;
        if (HRESULT failed = resolve(child, control); FAILED(failed))
            return failed;
        const RECT rect = reading::placeOf(*window(), control, m_hwnd);
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT *end) override
    {
        if (!end)
            return E_POINTER;
        clear(end);
        ControlIndex from;
        if (HRESULT failed = resolve(start, from); FAILED(failed))
            return failed;
        if (m_box != self)
            return S_FALSE;
        const std::optional<ControlIndex> to = reading::neighbour(*window(), from, direction);
        if (!to)
            return S_FALSE;
        end->vt = VT_I4;
        end->lVal = childId(*to);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT *hit) override
    {
        if (!hit)
            return E_POINTER;
        clear(hit);
        Win32Window *w = window();
        if (!w)
            return CO_E_OBJNOTCONNECTED;
        RECT client;
        GetClientRect(m_hwnd, &client);
        MapWindowPoints(m_hwnd, nullptr, reinterpret_cast<POINT *>(&client), 2);
        const POINT point{x, y};
        if (!PtInRect(&client, point))
            return S_FALSE;
        hit->vt = VT_I4;
        hit->lVal = CHILDID_SELF;
        if (m_box != self)
            return S_OK;
        if (const ControlIndex found = reading::at(*w, point); found != self)
            hit->lVal = childId(found);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        ControlIndex control;
        if (HRESULT failed = resolve(child, control); FAILED(failed))
            return failed;
        Win32Window &w = *window();
        if (!reading::defaultActionOf(w, control))
            return DISP_E_MEMBERNOTFOUND;
        if (!w.input().shownInItsBoxes(control) || !IsWindowVisible(w.handle()) || !IsWindowEnabled(w.handle()))
            return E_FAIL;
        // Posted: the click may open a modal box, and the caller waits for this answer.
        PostMessageW(w.handle(), pressedByAssistiveTechnology, control, 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        ControlIndex control;
        if (HRESULT failed = resolve(child, control); FAILED(failed))
            return failed;
        if (control == self || window()->layout().controls[control].kind != ControlKind::TextBox)
            return DISP_E_MEMBERNOTFOUND;
        SetWindowTextW(window()->controlWindow(window()->layout().controls[control].name), value ? value : L"");
        return S_OK;
    }

    // IEnumVARIANT: the children's ids, in reading order.
    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT *out, ULONG *fetched) override
    {
        if (!out)
            return E_POINTER;
        Win32Window *w = window();
        if (!w)
            return CO_E_OBJNOTCONNECTED;
        const std::vector<ControlIndex> order = reading::order(*w);
        ULONG given = 0;
        for (; given < wanted && m_cursor < order.size(); ++given, ++m_cursor) {
            clear(&out[given]);
            out[given].vt = VT_I4;
            out[given].lVal = childId(order[m_cursor]);
        }
        if (fetched)
            *fetched = given;
        return given == wanted ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override
    {
        Win32Window *w = window();
        if (!w)
            return CO_E_OBJNOTCONNECTED;
        const std::size_t size = reading::order(*w).size();
        m_cursor = std::min(size, m_cursor + count);
        return m_cursor < size || count == 0 ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override
    {
        m_cursor = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT **out) override
    {
        if (!out)
            return E_POINTER;
        auto *clone = new AccessibleControls(m_hwnd, m_box);
        clone->m_cursor = m_cursor;
        *out = clone;
        return S_OK;
    }

private:
    ~AccessibleControls() = default;

    Win32Window *window() const { return Win32Window::owning(m_hwnd); }

    // The control a VARIANT names: self (the client area, or the picture
    // box this object stands for), or a control of the window.
    HRESULT resolve(const VARIANT &child, ControlIndex &control) const
    {
        Win32Window *w = window();
        if (!w)
            return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4)
            return E_INVALIDARG;
        if (child.lVal == CHILDID_SELF) {
            control = m_box;
            return S_OK;
        }
        const auto controls = w->layout().controls;
        if (m_box != self || child.lVal < 1 || static_cast<std::size_t>(child.lVal) > controls.size() ||
            controls[static_cast<std::size_t>(child.lVal - 1)].kind == ControlKind::Timer)
            return E_INVALIDARG;
        control = static_cast<ControlIndex>(child.lVal - 1);
        return S_OK;
    }

    template <typename Read> HRESULT answer(const VARIANT &child, BSTR *out, Read read) const
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        ControlIndex control;
        if (HRESULT failed = resolve(child, control); FAILED(failed))
            return failed;
        return give(read(*window(), control), out);
    }

    template <typename Read> HRESULT number(const VARIANT &child, VARIANT *out, Read read) const
    {
        if (!out)
            return E_POINTER;
        clear(out);
        ControlIndex control;
        if (HRESULT failed = resolve(child, control); FAILED(failed))
            return failed;
        out->vt = VT_I4;
        out->lVal = read(*window(), control);
        return S_OK;
    }

    std::atomic<ULONG> m_references{1};
    HWND m_hwnd;
    ControlIndex m_box;
    std::size_t m_cursor = 0;
};

} // namespace

LRESULT answerAccessibilityQuery(ControlIndex box, HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT) || !oleacc().lresultFromObject)
        return DefWindowProcW(hwnd, WM_GETOBJECT, wParam, lParam);
    auto *controls = new AccessibleControls(hwnd, box);
    const LRESULT answer =
        oleacc().lresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible *>(controls));
    controls->Release();
    return answer;
}

void announce(HWND window, DWORD event, ControlIndex control)
{
    NotifyWinEvent(event, window, OBJID_CLIENT, childId(control));
}

} // namespace tolvane::win32
