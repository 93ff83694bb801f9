#pragma once

// What every MSAA object of the game has alike: oleacc.dll, IDispatch, which
// clients do not use (they call IAccessible's methods directly), the parts of
// IAccessible a game window has nothing for, and the plumbing of answers.

#include "platform/win32/win32.h"

#include <oleacc.h>

#include <optional>
#include <string>
#include <type_traits>

namespace tolvane::win32 {

// oleacc.dll and the allocator of the texts it hands on come in with the
// first query of assistive technology: a player without any never loads them.
// All null where they cannot be loaded.
struct Oleacc {
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&AccessibleObjectFromWindow) objectFromWindow = nullptr;
    decltype(&SysAllocStringLen) allocString = nullptr;
};

inline const Oleacc &oleacc()
{
    // Through the generic function type, which any function pointer converts from.
    const auto exported = [](HMODULE library, const char *name, auto &function) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
    };
    static const Oleacc loaded = [&] {
        Oleacc functions;
        HMODULE library = LoadLibraryW(L"oleacc.dll");
        HMODULE automation = LoadLibraryW(L"oleaut32.dll");
        if (library && automation) {
            exported(library, "LresultFromObject", functions.lresultFromObject);
            exported(library, "AccessibleObjectFromWindow", functions.objectFromWindow);
            exported(automation, "SysAllocStringLen", functions.allocString);
        }
        return functions;
    }();
    return loaded;
}

class AccessibleBase : public IAccessible {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *,
                                     UINT *) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR *help) override
    {
        if (help)
            *help = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT, long *topic) override
    {
        if (file)
            *file = nullptr;
        if (topic)
            *topic = 0;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *selection) override
    {
        if (!selection)
            return E_POINTER;
        clear(selection);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }

protected:
    ~AccessibleBase() = default;

    static void clear(VARIANT *variant) { variant->vt = VT_EMPTY; }
    static HRESULT give(const std::optional<std::wstring> &text, BSTR *out)
    {
        if (!text)
            return DISP_E_MEMBERNOTFOUND;
        *out = oleacc().allocString(text->data(), static_cast<UINT>(text->size()));
        return S_OK;
    }
};

} // namespace tolvane::win32
