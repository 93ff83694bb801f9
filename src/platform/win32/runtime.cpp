#include "platform/win32/runtime.h"

#include "platform/win32/pictures.h"
#include "platform/win32/text.h"
#include "platform/win32/window.h"
#include "runtime/runtime_error.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>

namespace tolvane::win32 {

namespace {

void registerClass(HINSTANCE instance, const wchar_t *name, bool topLevel)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Win32Window::procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    if (topLevel) {
        // The program's icon group 1, when the program file carries it.
        windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
        windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0));
    }
    RegisterClassExW(&windowClass);
}

// --- The input box: a dialog template built in memory.

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

struct InputBoxState {
    Win32Runtime *runtime;
    std::wstring prompt;
    std::wstring title;
    std::wstring typed;
};

} // namespace

INT_PTR CALLBACK inputBoxProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *state = reinterpret_cast<InputBoxState *>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<InputBoxState *>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        state->runtime->m_inputBox = dialog;
        SetWindowTextW(dialog, state->title.c_str());
        SetDlgItemTextW(dialog, promptId, state->prompt.c_str());
        SendDlgItemMessageW(dialog, fieldId, EM_SETLIMITTEXT, 0, 0);
        // Centred across the display, a third of the way down.
        RECT box;
        GetWindowRect(dialog, &box);
        const int width = box.right - box.left;
        SetWindowPos(dialog, HWND_TOP, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, GetSystemMetrics(SM_CYSCREEN) / 3,
                     0, 0, SWP_NOSIZE);
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

Win32Runtime::Win32Runtime(HINSTANCE instance) : m_instance(instance)
{
    m_comInitialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    // Today's buttons and text boxes: Common Controls 6, as the manifest asks.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    registerClass(instance, L"TolvaneForm", true);
    registerClass(instance, L"TolvanePictureBox", false);
}

Win32Runtime::~Win32Runtime()
{
    UnregisterClassW(L"TolvaneForm", m_instance);
    UnregisterClassW(L"TolvanePictureBox", m_instance);
    if (m_comInitialised)
        CoUninitialize();
}

std::unique_ptr<runtime::Window> Win32Runtime::createWindow(const ScreenLayout &layout,
                                                            runtime::PictureSource &pictures,
                                                            runtime::WindowEvents &events)
{
    return std::make_unique<Win32Window>(*this, layout, pictures, events);
}

float Win32Runtime::displayWidth() const
{
    return static_cast<float>(GetSystemMetrics(SM_CXSCREEN) * twipsPerPixel);
}

float Win32Runtime::displayHeight() const
{
    return static_cast<float>(GetSystemMetrics(SM_CYSCREEN) * twipsPerPixel);
}

std::string Win32Runtime::inputBox(std::string_view prompt, std::string_view title)
{
    if (m_ended)
        return {};
    // Dialog units of MS Sans Serif 8 pt: the prompt at the left, OK and
    // Annuler at the right, the field across the bottom.
    DialogTemplate dialog(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 262, 84, L"MS Sans Serif",
                          8, 4);
    dialog.item(SS_LEFT | SS_NOPREFIX, 0, 7, 7, 190, 46, promptId, 0x82, L"");
    dialog.item(BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 204, 6, 52, 14, IDOK, 0x80, L"OK");
    dialog.item(BS_PUSHBUTTON | WS_TABSTOP, 0, 204, 23, 52, 14, IDCANCEL, 0x80, L"Annuler");
    dialog.item(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, 7, 62, 249, 12, fieldId, 0x81, L"");

    InputBoxState state{this, widen(prompt), widen(title), {}};
    // The game's windows wait while it is open; their timers go on.
    std::vector<HWND> disabled;
    for (Win32Window *window : m_windows) {
        if (IsWindowEnabled(window->handle())) {
            EnableWindow(window->handle(), FALSE);
            disabled.push_back(window->handle());
        }
    }
    const INT_PTR result =
        DialogBoxIndirectParamW(m_instance, dialog.get(), nullptr, inputBoxProcedure, reinterpret_cast<LPARAM>(&state));
    m_inputBox = nullptr;
    for (HWND window : disabled) {
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    }
    if (result != IDOK || m_ended)
        return {};
    return narrow(state.typed);
}

void Win32Runtime::errorBox(std::string_view title, std::string_view message)
{
    HWND owner = GetActiveWindow();
    MessageBoxW(windowOf(owner) ? owner : nullptr, widen(message).c_str(), widen(title).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

void Win32Runtime::dispatch(MSG &message)
{
    // A loop nested in the input box's (a timer's handler pumping) still
    // gives the box its keys: Enter is OK there, Escape Annuler.
    if (m_inputBox && IsDialogMessageW(m_inputBox, &message))
        return;
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (windowOf(root)) {
        if (windowOf(root)->handleKey(message))
            return; // the window may be gone
        if (IsDialogMessageW(root, &message))
            return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int Win32Runtime::run()
{
    MSG message;
    while (!m_ended) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // Someone asked the program to quit: treat it as End.
            if (!m_ended)
                end(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0)
            break;
        dispatch(message);
    }
    return m_status;
}

void Win32Runtime::end(int status)
{
    if (m_ended)
        return;
    m_ended = true;
    m_status = status;
    // Everything stops at once: the windows leave the screen, no timer ticks
    // again, and an open input box closes as on Cancel.
    for (Win32Window *window : m_windows)
        ShowWindow(window->handle(), SW_HIDE);
    if (m_inputBox)
        EndDialog(m_inputBox, IDCANCEL);
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0); // wakes run()
}

bool Win32Runtime::equalIgnoringCase(std::string_view a, std::string_view b) const
{
    const std::wstring wa = widen(a);
    const std::wstring wb = widen(b);
    return CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, wa.data(), static_cast<int>(wa.size()),
                           wb.data(), static_cast<int>(wb.size()), nullptr, nullptr, 0) == CSTR_EQUAL;
}

std::unique_ptr<runtime::Picture> Win32Runtime::decodePicture(std::span<const unsigned char> file,
                                                              runtime::PixelRect part) const
{
    return decodeWithWic(file, part);
}

void Win32Runtime::add(Win32Window *window) { m_windows.push_back(window); }

void Win32Runtime::remove(Win32Window *window) { std::erase(m_windows, window); }

Win32Window *Win32Runtime::windowOf(HWND handle) const
{
    if (!handle)
        return nullptr;
    for (Win32Window *window : m_windows) {
        if (window->handle() == handle)
            return window;
    }
    return nullptr;
}

} // namespace tolvane::win32
