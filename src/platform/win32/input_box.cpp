// The input box: a dialog template built in memory, run by the dialog
// manager in a loop of its own.

#include "platform/win32/input_box.h"

#include "platform/win32/text.h"
#include "runtime/input_box.h"

#include <vector>

namespace tolvane::win32 {

namespace {

// A dialog template built in memory.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short cx, short cy, const wchar_t *face, WORD points, WORD items)
    {
        dword(style);
        dword(0); // extended style
        word(items);
        word(0), word(0), word(static_cast<WORD>(cx)), word(static_cast<WORD>(cy));
        word(0); // no menu
        word(0); // the dialog class
        word(0); // no title: set when it opens
        word(points);
        text(face);
    }

    // One control of a predefined class (0x80 button, 0x81 edit, 0x82 static).
    void item(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id, WORD classAtom,
              const wchar_t *title)
    {
        while (m_words.size() % 2 != 0)
            word(0); // each item starts on a DWORD boundary
        dword(style | WS_CHILD | WS_VISIBLE);
        dword(exStyle);
        word(static_cast<WORD>(x)), word(static_cast<WORD>(y)), word(static_cast<WORD>(cx)),
            word(static_cast<WORD>(cy));
        word(id);
        word(0xFFFF), word(classAtom);
        text(title);
        word(0); // no creation data
    }

    const DLGTEMPLATE *get() const { return reinterpret_cast<const DLGTEMPLATE *>(m_words.data()); }

private:
    void word(WORD w) { m_words.push_back(w); }
    void dword(DWORD d) { word(LOWORD(d)), word(HIWORD(d)); }
    void text(const wchar_t *s)
    {
        for (; *s; ++s)
            word(*s);
        word(0);
    }
    std::vector<WORD> m_words;
};

constexpr WORD promptId = 200;
constexpr WORD fieldId = 201;

struct State {
    HWND &open;
    const std::wstring &prompt;
    const std::wstring &title;
    std::wstring &typed;
};

INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *state = reinterpret_cast<State *>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<State *>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        state->open = dialog;
        SetWindowTextW(dialog, state->title.c_str());
        SetDlgItemTextW(dialog, promptId, state->prompt.c_str());
        SendDlgItemMessageW(dialog, fieldId, EM_SETLIMITTEXT, 0, 0);
        RECT box;
        GetWindowRect(dialog, &box);
        const runtime::BoxPlace place =
            runtime::inputBoxPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), box.right - box.left);
        SetWindowPos(dialog, HWND_TOP, place.left, place.top, 0, 0, SWP_NOSIZE);
        SetForegroundWindow(dialog);
        SetFocus(GetDlgItem(dialog, fieldId));
        return FALSE; // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            HWND field = GetDlgItem(dialog, fieldId);
            const int length = GetWindowTextLengthW(field);
            state->typed.assign(static_cast<std::size_t>(length) + 1, L'\0');
            state->typed.resize(static_cast<std::size_t>(GetWindowTextW(field, state->typed.data(), length + 1)));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

bool runInputBox(HINSTANCE instance, HWND owner, const std::wstring &prompt, const std::wstring &title, HWND &open,
                 std::wstring &typed)
{
    // Dialog units of MS Sans Serif 8 pt: the prompt at the left, the two
    // buttons at the right, the field across the bottom.
    DialogTemplate dialog(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 262, 84, L"MS Sans Serif",
                          8, 4);
    dialog.item(SS_LEFT | SS_NOPREFIX, 0, 7, 7, 190, 46, promptId, 0x82, L"");
    dialog.item(BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 204, 6, 52, 14, IDOK, 0x80, widen(runtime::inputBoxOk).c_str());
    dialog.item(BS_PUSHBUTTON | WS_TABSTOP, 0, 204, 23, 52, 14, IDCANCEL, 0x80, widen(runtime::inputBoxCancel).c_str());
    dialog.item(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, 7, 62, 249, 12, fieldId, 0x81, L"");

    State state{open, prompt, title, typed};
    const INT_PTR result =
        DialogBoxIndirectParamW(instance, dialog.get(), owner, procedure, reinterpret_cast<LPARAM>(&state));
    open = nullptr;
    return result == IDOK;
}

} // namespace tolvane::win32
