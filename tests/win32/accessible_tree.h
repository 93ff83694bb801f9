#pragma once

// What a screen reader reads of an MSAA object, for the Win32 test programs:
// a child's role, state, name, value and place, and the children in the
// order a screen reader walks them.

#include "platform/win32/win32.h"

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tolvane::win32::testing {

// The object a window gives for its client area, released at the end.
struct Accessible {
    IAccessible *object = nullptr;
    explicit Accessible(HWND hwnd)
    {
        AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void **>(&object));
    }
    ~Accessible()
    {
        if (object)
            object->Release();
    }
    Accessible(const Accessible &) = delete;
    Accessible &operator=(const Accessible &) = delete;
};

inline VARIANT child(long id)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

inline std::wstring take(BSTR text)
{
    std::wstring taken = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return taken;
}

struct Read {
    long id = 0;
    long role = 0;
    long state = 0;
    std::wstring name;
    std::wstring value;
    RECT at{};
};

inline Read readChild(IAccessible *object, long id)
{
    Read r;
    r.id = id;
    BSTR text = nullptr;
    object->get_accName(child(id), &text);
    r.name = take(text);
    text = nullptr;
    object->get_accValue(child(id), &text);
    r.value = take(text);
    VARIANT v;
    VariantInit(&v);
    if (SUCCEEDED(object->get_accRole(child(id), &v)))
        r.role = v.lVal;
    VariantInit(&v);
    if (SUCCEEDED(object->get_accState(child(id), &v)))
        r.state = v.lVal;
    long x = 0, y = 0, width = 0, height = 0;
    object->accLocation(&x, &y, &width, &height, child(id));
    r.at = {x, y, x + width, y + height};
    return r;
}

// The children in the order a screen reader walks them.
inline std::vector<Read> children(IAccessible *object)
{
    long count = 0;
    object->get_accChildCount(&count);
    std::vector<VARIANT> ids(static_cast<std::size_t>(std::max(0L, count)));
    long got = 0;
    AccessibleChildren(object, 0, count, ids.data(), &got);
    std::vector<Read> read;
    for (long i = 0; i < got; ++i) {
        if (ids[static_cast<std::size_t>(i)].vt == VT_I4)
            read.push_back(readChild(object, ids[static_cast<std::size_t>(i)].lVal));
        VariantClear(&ids[static_cast<std::size_t>(i)]);
    }
    return read;
}

} // namespace tolvane::win32::testing
