// What the desktop itself sees of the game's windows, on real windows: what
// the manifest brings, the activation kept inside the game when a window
// hides itself from a timer, and the title's face on one line.

#include "platform/win32/runtime.h"
#include "platform/win32/text.h"
#include "platform/win32/window.h"
#include "resources/picture_files.h"
#include "resources/screen_layout.h"
#include "test_groups.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace tolvane;
using tolvane::win32::narrow;
using tolvane::win32::widen;
using tolvane::win32::Win32Runtime;
using tolvane::win32::Win32Window;

namespace {

win32::testing::Groups groups;
void expect(bool ok, const std::string &what) { groups.expect(ok, what); }
std::string str(long v) { return std::to_string(v); }

Win32Runtime *theRuntime = nullptr;

bool pumpUntil(const std::function<bool()> &done, int ms)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!(done && done())) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<long long>(left.count(), 20)),
                                  QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            theRuntime->dispatch(message);
    }
    return true;
}
void pump(int ms) { pumpUntil(nullptr, ms); }

struct Recorder : runtime::WindowEvents {
    std::vector<std::string> events; // "control.Event"
    std::function<void(std::string_view)> hook;
    void controlEvent(std::string_view control, std::string_view event) override
    {
        events.push_back(std::string(control) + "." + std::string(event));
        if (hook)
            hook(control);
    }
    void closedByPlayer() override { events.push_back("closed"); }
};

struct Pictures : runtime::PictureSource {
    std::map<PictureId, std::unique_ptr<runtime::Picture>> decoded;
    const runtime::Picture *picture(PictureId id) override
    {
        if (id == PictureId::None)
            return nullptr;
        auto &slot = decoded[id];
        if (!slot)
            slot = theRuntime->decodePicture(pictureFile(id), {0, 0, pictureInfo(id).width, pictureInfo(id).height});
        return slot.get();
    }
} pictures;

struct Made {
    std::unique_ptr<Recorder> events = std::make_unique<Recorder>();
    std::unique_ptr<runtime::Window> window;
    Win32Window &w() const { return static_cast<Win32Window &>(*window); }
    runtime::ControlIndex at(std::string_view name) const { return w().indexOf(name); }
};

Made make(ScreenId id)
{
    Made m;
    m.window = theRuntime->createWindow(layoutOf(id), pictures, *m.events);
    m.window->setLeft(static_cast<float>(theRuntime->displayWidth() / 2.0 - m.window->width() / 2.0));
    m.window->setTop(static_cast<float>(theRuntime->displayHeight() / 2.0 - m.window->height() / 2.0));
    return m;
}

void showAndWait(Made &m)
{
    m.window->show();
    pumpUntil([&] { return GetForegroundWindow() == m.w().handle(); }, 2000);
    pump(50);
}

// --- Ink

// The box around the pixels of one colour in a part of a window's client area.
RECT inkOf(HWND hwnd, RECT area, COLORREF colour)
{
    RECT ink{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    HDC dc = GetDC(hwnd);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF p = GetPixel(dc, x, y);
            // Anti-aliased edges blend into the backdrop: half the colour counts.
            if (std::abs(GetRValue(p) - GetRValue(colour)) < 64 && std::abs(GetGValue(p) - GetGValue(colour)) < 64 &&
                std::abs(GetBValue(p) - GetBValue(colour)) < 64) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
        }
    ReleaseDC(hwnd, dc);
    return ink;
}

} // namespace

int wmain()
{
    Win32Runtime runtime(GetModuleHandleW(nullptr));
    theRuntime = &runtime;

    groups.run("the manifest at work: Common Controls 6 buttons, per-monitor DPI awareness", [&] {
        Made m = make(ScreenId::TOLVANE2);
        SIZE ideal{};
        // Only Common Controls 6 buttons answer BCM_GETIDEALSIZE.
        expect(SendMessageW(m.w().controlWindow("reponse"), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0,
               "the button is not a Common Controls 6 button");
        expect(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()) == DPI_AWARENESS_PER_MONITOR_AWARE,
               "not aware of each monitor's DPI");
    });

    groups.run("a window hidden from a timer leaves the activation in the game, not with another program", [&] {
        // Another program's window, behind the game's: the next in line for
        // the activation, on a thread of its own.
        HWND other = nullptr;
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        DWORD otherThread = 0;
        std::thread program([&] {
            otherThread = GetCurrentThreadId();
            other = CreateWindowExW(0, L"STATIC", L"un autre programme", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                    300, 200, nullptr, nullptr, nullptr, nullptr);
            SetEvent(ready);
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0)
                DispatchMessageW(&message);
            DestroyWindow(other);
        });
        WaitForSingleObject(ready, INFINITE);
        CloseHandle(ready);

        Made title = make(ScreenId::TOLVANE1);
        Made next = make(ScreenId::TOLVANE2);
        showAndWait(title);
        expect(GetForegroundWindow() == title.w().handle(), "the title is not in front to start with");
        HWND betweenTheTwo = nullptr;
        title.events->hook = [&](std::string_view control) {
            if (control != "tmrtimer")
                return;
            // As the title's advance does: hide this window, show the next.
            title.window->hide();
            betweenTheTwo = GetForegroundWindow();
            next.window->show();
        };
        pumpUntil([&] { return GetForegroundWindow() == next.w().handle(); }, 4000);
        expect(betweenTheTwo != nullptr && betweenTheTwo != other &&
                   GetWindowThreadProcessId(betweenTheTwo, nullptr) == GetCurrentThreadId(),
               "between the hide and the show, another program was in front");
        expect(GetForegroundWindow() == next.w().handle(), "the next window is not in front");

        // Without the game's hand-over, Windows gives the activation to the
        // other program: a window closed by the player.
        SendMessageW(next.w().handle(), WM_CLOSE, 0, 0);
        pumpUntil([&] { return GetForegroundWindow() == other; }, 1000);
        expect(GetForegroundWindow() == other, "the other program's window was never next in line");
        PostThreadMessageW(otherThread, WM_QUIT, 0, 0);
        program.join();
    });

    groups.run("the title's face: AU TOLVANE VIRAIL !!! on one line, as wide and tall as Linux draws it", [&] {
        Made title = make(ScreenId::TOLVANE1);
        const runtime::ControlIndex label = title.at("introsuite");
        title.window->setCaption(label, "AU TOLVANE VIRAIL !!!");
        title.window->setControlVisible(label, true);
        showAndWait(title);
        // The label lies in the picture box that fills the window.
        const HWND box = title.w().controlWindow("Picture1");
        RECT area = title.w().controlRect("introsuite");
        MapWindowPoints(title.w().handle(), box, reinterpret_cast<POINT *>(&area), 2);
        RedrawWindow(title.w().handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        pump(50);
        const RECT ink = inkOf(box, area, RGB(0x80, 0x80, 0xFF));
        // The Qt runtime draws it 286-287 px wide and 29 px tall at 96 dpi.
        const long width = ink.right - ink.left, height = ink.bottom - ink.top;
        expect(std::abs(width - 286) <= 4 && std::abs(height - 29) <= 2,
               "ink " + str(width) + "x" + str(height) + " in the face " + narrow(runtime.fonts().displayFaceInUse()));
    });

    return groups.status();
}
