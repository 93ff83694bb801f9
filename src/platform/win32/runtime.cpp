#include "platform/win32/runtime.h"

#include "platform/win32/input_box.h"
#include "platform/win32/pictures.h"
#include "platform/win32/text.h"
#include "platform/win32/window.h"
#include "resources/control_rules.h"
#include "runtime/runtime_error.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellscalingapi.h>

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

} // namespace

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

// The display is the primary monitor, where the game's windows open; its size
// and its windows' sizes are measured at its own scale, so that they centre.
int Win32Runtime::displayDpi() const
{
    UINT x = 0;
    UINT y = 0;
    const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (SUCCEEDED(GetDpiForMonitor(primary, MDT_EFFECTIVE_DPI, &x, &y)) && x > 0)
        return static_cast<int>(x);
    return static_cast<int>(GetDpiForSystem());
}

float Win32Runtime::displayWidth() const
{
    return twipsFromPixels(GetSystemMetrics(SM_CXSCREEN), displayDpi());
}

double Win32Runtime::displayPixelRatio() const { return displayDpi() / 96.0; }

float Win32Runtime::displayHeight() const
{
    return twipsFromPixels(GetSystemMetrics(SM_CYSCREEN), displayDpi());
}

std::string Win32Runtime::askInputBox(std::string_view prompt, std::string_view title)
{
    // The box belongs to the game's active window, if any: the dialog
    // manager disables that one while the box is open and gives it the
    // activation back when the box closes. The game's other windows wait
    // too; their timers go on.
    const HWND owner = windowOf(GetActiveWindow()) ? GetActiveWindow() : nullptr;
    std::vector<HWND> disabled;
    for (Win32Window *window : m_windows) {
        if (window->handle() != owner && IsWindowEnabled(window->handle())) {
            EnableWindow(window->handle(), FALSE);
            disabled.push_back(window->handle());
        }
    }
    std::wstring typed;
    const bool ok = runInputBox(m_instance, owner, widen(prompt), widen(title), m_inputBox, typed);
    for (HWND window : disabled) {
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    }
    if (!ok || hasEnded())
        return {};
    return narrow(typed);
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
    // gives the box its keys: Enter is OK there, Escape cancels.
    if (m_inputBox && IsDialogMessageW(m_inputBox, &message))
        return;
    // The game's windows are not dialogs: the dialog manager would take
    // plain letters for "&" letters and arrows for moves of the focus.
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (Win32Window *window = windowOf(root); window && window->handleKey(message))
        return; // the window may be gone
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int Win32Runtime::runLoop()
{
    MSG message;
    while (!hasEnded()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // Someone asked the program to quit: treat it as End.
            end(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0)
            break;
        dispatch(message);
    }
    return 0;
}

void Win32Runtime::endNow(int)
{
    // Everything stops at once: the windows leave the screen, no timer ticks
    // again, and an open input box closes as on Cancel.
    for (Win32Window *window : m_windows)
        ShowWindow(window->handle(), SW_HIDE);
    if (m_inputBox)
        EndDialog(m_inputBox, IDCANCEL);
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0); // wakes run()
}

std::unique_ptr<runtime::Picture> Win32Runtime::decodePicture(std::span<const unsigned char> file,
                                                              runtime::PixelRect part) const
{
    return decodeWithWic(file, part);
}

void Win32Runtime::add(Win32Window *window) { m_windows.push_back(window); }

void Win32Runtime::remove(Win32Window *window)
{
    std::erase(m_windows, window);
    m_activated.forget(window);
}

Win32Window *Win32Runtime::lastActiveBut(Win32Window *leaving) const
{
    return m_activated.next(leaving, [](Win32Window *w) { return w->isVisible() && IsWindowEnabled(w->handle()); });
}

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
