// What the desktop itself sees of the game's windows, on real windows: what
// the manifest brings, the tree a screen reader reads in this process and the
// events that tell it of a change, the activation kept inside the game when a
// window hides itself from a timer, and the title's face on one line. The
// tree read from another process, as a screen reader reads it, is
// test_win32_screen_reader's.

#include "platform/win32/runtime.h"
#include "platform/win32/text.h"
#include "platform/win32/window.h"
#include "resources/accelerator.h"
#include "resources/control_rules.h"
#include "resources/picture_files.h"
#include "resources/screen_layout.h"
#include "accessible_tree.h"
#include "probe.h"
#include "check_groups.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <atomic>
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
using namespace tolvane::win32::testing;

namespace {

// TOLVANE_WIN32_ONLY=part-of-a-name runs only the groups whose names hold it.
tolvane::testing::Checks groups{tolvane::testing::fromEnvironment("TOLVANE_WIN32_ONLY")};

std::atomic<bool> otherDeclines{true};
WNDPROC otherProcedure = nullptr;

LRESULT CALLBACK declineManagersFocus(HWND hwnd, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_MOUSEACTIVATE && otherDeclines)
        return MA_NOACTIVATE;
    return CallWindowProcW(otherProcedure, hwnd, message, w, l);
}

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
            win32::testing::Probe::dispatch(*theRuntime, message);
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
    std::map<std::pair<PictureId, int>, std::unique_ptr<runtime::Picture>> decoded;
    using runtime::PictureSource::picture;
    const runtime::Picture *picture(PictureId id, int scale) override
    {
        if (id == PictureId::None || pictureFile(id, scale).empty())
            return nullptr;
        auto &slot = decoded[{id, scale}];
        if (!slot)
            slot = theRuntime->decodePicture(pictureFile(id, scale),
                                             {0, 0, scale * pictureInfo(id).width, scale * pictureInfo(id).height});
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

// Shown, in front, and with the keyboard focus inside it: the window manager's
// hand-over done.
void showAndWait(Made &m)
{
    m.window->show();
    const HWND hwnd = m.w().handle();
    pumpUntil([&] {
        const HWND focus = GetFocus();
        return GetForegroundWindow() == hwnd && (focus == hwnd || IsChild(hwnd, focus));
    }, 2000);
}

// --- What a screen reader reads

std::string describe(const RECT &r)
{
    return str(r.left) + "," + str(r.top) + " " + str(r.right - r.left) + "x" + str(r.bottom - r.top);
}

const ControlLayout *containerOf(const ScreenLayout &layout, const ControlLayout &c)
{
    for (const ControlLayout &box : layout.controls)
        if (!c.container.empty() && box.name == c.container)
            return &box;
    return nullptr;
}

// What a player can see of a control, on screen: its rectangle cut by the
// picture box holding it and by the window's client area.
RECT seenOnScreen(const Made &m, const ControlLayout &c)
{
    if (HWND own = m.w().controlWindow(c.name)) {
        RECT r;
        GetWindowRect(own, &r);
        return r;
    }
    const HWND hwnd = m.w().handle();
    RECT r = m.w().controlRect(c.name);
    RECT client;
    GetClientRect(hwnd, &client);
    IntersectRect(&r, &r, &client);
    if (const ControlLayout *box = containerOf(m.w().layout(), c)) {
        RECT inner;
        GetClientRect(m.w().controlWindow(box->name), &inner);
        MapWindowPoints(m.w().controlWindow(box->name), hwnd, reinterpret_cast<POINT *>(&inner), 2);
        IntersectRect(&r, &r, &inner);
    }
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT *>(&r), 2);
    return r;
}

long roleOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case ControlKind::TextBox:
        return ROLE_SYSTEM_TEXT;
    case ControlKind::CommandButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    default:
        return ROLE_SYSTEM_GRAPHIC;
    }
}

// What a label is given to say in these checks: its name, with a letter marked.
std::string captionFor(const ControlLayout &c) { return "L&égende " + std::string(c.name); }

// --- What the desktop tells a screen reader of changes

struct Heard {
    DWORD event;
    HWND hwnd;
    long child;
};
std::vector<Heard> heard;

void CALLBACK onWinEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child > 0)
        heard.push_back({event, hwnd, child});
}

bool heardOf(DWORD event, HWND hwnd, long id)
{
    return std::any_of(heard.begin(), heard.end(),
                       [&](const Heard &h) { return h.event == event && h.hwnd == hwnd && h.child == id; });
}

// The name a screen reader fetches for an event, as it does: from the event's window, object and child.
std::wstring nameForEvent(HWND hwnd, long id)
{
    IAccessible *object = nullptr;
    VARIANT which;
    VariantInit(&which);
    if (FAILED(AccessibleObjectFromEvent(hwnd, static_cast<DWORD>(OBJID_CLIENT), id, &object, &which)) || !object)
        return L"(no object)";
    BSTR name = nullptr;
    object->get_accName(which, &name);
    object->Release();
    return take(name);
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

    groups.group("the manifest at work: Common Controls 6 buttons, per-monitor DPI awareness", [&] {
        Made m = make(ScreenId::TOLVANE2);
        SIZE ideal{};
        // Only Common Controls 6 buttons answer BCM_GETIDEALSIZE.
        expect(SendMessageW(m.w().controlWindow("reponse"), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0,
               "the button is not a Common Controls 6 button");
        expect(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()) == DPI_AWARENESS_PER_MONITOR_AWARE,
               "not aware of each monitor's DPI");
    });

    groups.group("every window read by a screen reader: children in tab order then layout order, roles, names, places",
               [&] {
        for (int s = 0; s < screenCount; ++s) {
            const ScreenLayout &layout = layoutOf(static_cast<ScreenId>(s));
            const std::string name(layout.name);
            Made m = make(layout.id);
            for (std::size_t i = 0; i < layout.controls.size(); ++i)
                if (layout.controls[i].kind == ControlKind::Label)
                    m.window->setCaption(i, captionFor(layout.controls[i]));
            showAndWait(m);
            Accessible read(m.w().handle());
            if (!read.object) {
                expect(false, name + ": no accessible object for the window");
                continue;
            }
            Read self = readChild(read.object, CHILDID_SELF);
            expect(self.role == ROLE_SYSTEM_CLIENT && narrow(self.name) == layout.caption,
                   name + ": the client area reads as " + narrow(self.name));

            // What should be read: controls in view, those with a TabIndex by
            // it, then the images as laid out.
            std::map<int, std::string> tabbed;
            std::vector<std::string> expected;
            for (const ControlLayout &c : layout.controls) {
                const ControlLayout *box = containerOf(layout, c);
                if (c.kind == ControlKind::Timer || !c.visible || (box && !box->visible))
                    continue;
                if (c.tabIndex >= 0)
                    tabbed[c.tabIndex] = c.name;
                else
                    expected.push_back(std::string(c.name));
            }
            std::vector<std::string> order;
            for (const auto &[tab, control] : tabbed)
                order.push_back(control);
            order.insert(order.end(), expected.begin(), expected.end());

            const std::vector<Read> kids = children(read.object);
            std::vector<std::string> got;
            for (const Read &k : kids)
                got.push_back(k.id >= 1 && std::size_t(k.id) <= layout.controls.size()
                                  ? std::string(layout.controls[std::size_t(k.id - 1)].name)
                                  : "?" + str(k.id));
            std::string gotText, wantText;
            for (const auto &n : got)
                gotText += n + " ";
            for (const auto &n : order)
                wantText += n + " ";
            expect(got == order, name + ": read as " + gotText + "instead of " + wantText);

            for (const Read &k : kids) {
                if (k.id < 1 || std::size_t(k.id) > layout.controls.size())
                    continue;
                const ControlLayout &c = layout.controls[std::size_t(k.id - 1)];
                const std::string where = name + "." + std::string(c.name);
                expect(k.role == roleOf(c.kind), where + ": role " + str(k.role));
                std::string wantName;
                if (c.kind == ControlKind::Label)
                    wantName = shownCaption(captionFor(c)).text;
                else if (c.kind == ControlKind::CommandButton)
                    wantName = shownCaption(c.caption).text;
                else if (c.kind == ControlKind::TextBox)
                    wantName = "Réponse";
                else
                    wantName = pictureInfo(c.picture).description;
                expect(narrow(k.name) == wantName, where + ": named \"" + narrow(k.name) + "\"");
                expect((k.state & STATE_SYSTEM_INVISIBLE) == 0, where + ": read as out of view");
                const RECT want = seenOnScreen(m, c);
                expect(EqualRect(&k.at, &want) != FALSE, where + ": at " + describe(k.at) + ", not " + describe(want));
            }
            // A control out of view is not read, and says so when asked.
            for (std::size_t i = 0; i < layout.controls.size(); ++i) {
                const ControlLayout &c = layout.controls[i];
                if (c.kind != ControlKind::Timer && !c.visible)
                    expect((readChild(read.object, long(i + 1)).state & STATE_SYSTEM_INVISIBLE) != 0,
                           name + "." + std::string(c.name) + ": hidden, not read as such");
            }
            m.window->hide();
        }
    });

    groups.group("what a screen reader does: press a button or an image, type an answer, find a control by its place",
               [&] {
        Made q = make(ScreenId::TOLVANE2);
        showAndWait(q);
        Accessible read(q.w().handle());
        const long button = long(q.at("reponse") + 1), box = long(q.at("marzelletxt") + 1);
        BSTR text = nullptr;
        read.object->get_accKeyboardShortcut(child(button), &text);
        expect(take(text) == L"Alt+R", "the button's shortcut");
        read.object->get_accDefaultAction(child(button), &text);
        expect(!take(text).empty(), "the button has no default action");
        BSTR answer = SysAllocString(L"Lundi");
        expect(read.object->put_accValue(child(box), answer) == S_OK && q.window->text(q.at("marzelletxt")) == "Lundi",
               "the answer set through its value: " + q.window->text(q.at("marzelletxt")));
        SysFreeString(answer);
        expect(read.object->accDoDefaultAction(child(button)) == S_OK, "pressing the button refused");
        expect(q.events->events.empty(), "the press ran inside the screen reader's call");
        pumpUntil([&] { return !q.events->events.empty(); }, 2000);
        expect(q.events->events == std::vector<std::string>{"reponse.Click"}, "the press did not click the button");
        expect(read.object->accDoDefaultAction(child(long(q.at("nom") + 1))) == DISP_E_MEMBERNOTFOUND,
               "a label can be pressed");

        RECT r;
        GetWindowRect(q.w().controlWindow("reponse"), &r);
        VARIANT hit;
        VariantInit(&hit);
        read.object->accHitTest((r.left + r.right) / 2, (r.top + r.bottom) / 2, &hit);
        expect(hit.vt == VT_I4 && hit.lVal == button, "the button's centre finds " + str(hit.lVal));
        VARIANT first;
        VariantInit(&first);
        read.object->accNavigate(NAVDIR_FIRSTCHILD, child(CHILDID_SELF), &first);
        expect(first.vt == VT_I4 && first.lVal == long(q.at("Picture1") + 1), "the first child is not Picture1");

        Made closing = make(ScreenId::tolvane17);
        showAndWait(closing);
        Accessible portrait(closing.w().handle());
        expect(portrait.object->accDoDefaultAction(child(long(closing.at("Image1") + 1))) == S_OK,
               "pressing the portrait refused");
        pumpUntil([&] { return !closing.events->events.empty(); }, 2000);
        expect(closing.events->events == std::vector<std::string>{"Image1.Click"}, "the press did not click the portrait");

        // A hidden button cannot be pressed; a window gone answers nothing.
        Made title = make(ScreenId::TOLVANE1);
        showAndWait(title);
        Accessible titleRead(title.w().handle());
        expect(titleRead.object->accDoDefaultAction(child(long(title.at("jouer") + 1))) == E_FAIL,
               "the hidden button can be pressed");
        pump(100); // a pause that is itself the thing tested: no click comes of it
        expect(title.events->events.empty(), "the hidden button clicked");
        title.window.reset();
        long count = 0;
        expect(FAILED(titleRead.object->get_accChildCount(&count)), "a destroyed window still answers");
    });

    groups.group("a screen reader told of each change: the greeting written, a taunt shown and hidden", [&] {
        HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_NAMECHANGE, nullptr, onWinEvent,
                                             GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        expect(hook != nullptr, "no WinEvent hook");
        heard.clear();
        Made q = make(ScreenId::TOLVANE2);
        const HWND hwnd = q.w().handle();
        const long greeting = long(q.at("nom") + 1);
        q.window->setCaption(q.at("nom"), "Zoé!");
        expect(pumpUntil([&] { return heardOf(EVENT_OBJECT_NAMECHANGE, hwnd, greeting); }, 2000),
               "no name change heard for the greeting");
        expect(nameForEvent(hwnd, greeting) == L"Zoé!", "the greeting read as " + narrow(nameForEvent(hwnd, greeting)));

        Made closing = make(ScreenId::tolvane17);
        const HWND closingHwnd = closing.w().handle();
        const long taunt = long(closing.at("Label1") + 1);
        closing.window->setControlVisible(closing.at("Label1"), true);
        expect(pumpUntil([&] { return heardOf(EVENT_OBJECT_SHOW, closingHwnd, taunt); }, 2000),
               "no show heard for CONNARD !");
        expect(nameForEvent(closingHwnd, taunt) == L"CONNARD !",
               "the taunt read as " + narrow(nameForEvent(closingHwnd, taunt)));
        closing.window->setControlVisible(closing.at("Label1"), false);
        expect(pumpUntil([&] { return heardOf(EVENT_OBJECT_HIDE, closingHwnd, taunt); }, 2000),
               "no hide heard for CONNARD !");
        UnhookWinEvent(hook);
    });

    groups.group("a window hidden from a timer leaves the activation in the game, not with another program", [&] {
        // Another program's window, behind the game's: the next in line for
        // the activation, on a thread of its own.
        HWND other = nullptr;
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        DWORD otherThread = 0;
        std::thread program([&] {
            otherThread = GetCurrentThreadId();
            other = CreateWindowExW(0, L"STATIC", L"un autre programme", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                    300, 200, nullptr, nullptr, nullptr, nullptr);
            // Under Wine the X window manager also hands the focus on when a
            // window leaves the screen, and Wine asks the window it chose
            // (WM_MOUSEACTIVATE). Windows has no such hand; the other program
            // declines it meanwhile, so that only Windows' own rules are seen.
            otherProcedure = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(other, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(declineManagersFocus)));
            SetEvent(ready);
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0)
                DispatchMessageW(&message);
            DestroyWindow(other);
        });
        WaitForSingleObject(ready, INFINITE);
        CloseHandle(ready);
        // The window manager has handed it the focus before the game's window
        // comes, so that no late hand-over to it falls between the two.
        expect(pumpUntil([&] { return GetForegroundWindow() == other; }, 4000),
               "the other program's window never came to the front");

        Made title = make(ScreenId::TOLVANE1);
        Made next = make(ScreenId::TOLVANE2);
        showAndWait(title);
        expect(GetForegroundWindow() == title.w().handle(), "the title is not in front to start with");
        HWND betweenTheTwo = nullptr;
        bool movedOn = false;
        title.events->hook = [&](std::string_view control) {
            if (control != "tmrtimer" || movedOn)
                return;
            // The game keeps an activation it has: a title that the window
            // manager has meanwhile left behind another program (a late
            // hand-over of its own) is brought back, and tried at the next tick.
            if (GetActiveWindow() != title.w().handle()) {
                title.window->show();
                return;
            }
            // As the title's advance does: hide this window, show the next.
            movedOn = true;
            title.window->hide();
            betweenTheTwo = GetForegroundWindow();
            next.window->show();
        };
        pumpUntil([&] { return GetForegroundWindow() == next.w().handle(); }, 1500 * 3 + 1000);
        expect(betweenTheTwo != nullptr && betweenTheTwo != other &&
                   GetWindowThreadProcessId(betweenTheTwo, nullptr) == GetCurrentThreadId(),
               std::string("between the hide and the show, ") +
                   (betweenTheTwo == nullptr ? "no window was in front"
                    : betweenTheTwo == other ? "the other program was in front"
                                             : "a window of another thread was in front"));
        expect(GetForegroundWindow() == next.w().handle(), "the next window is not in front");
        otherDeclines = false;

        // Without the game's hand-over, Windows gives the activation to the
        // other program: the window hidden behind the runtime's back.
        ShowWindow(next.w().handle(), SW_HIDE);
        pumpUntil([&] { return GetForegroundWindow() == other; }, 1000);
        expect(GetForegroundWindow() == other, "the other program's window was never next in line");
        PostThreadMessageW(otherThread, WM_QUIT, 0, 0);
        program.join();
    });

    groups.group("the title's face: AU TOLVANE VIRAIL !!! on one line, as wide and tall as Linux draws it", [&] {
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
        const RECT ink = inkOf(box, area, RGB(0x80, 0x80, 0xFF));
        // The Qt runtime draws it 286-287 px wide and 29 px tall at 96 dpi.
        const long width = ink.right - ink.left, height = ink.bottom - ink.top;
        expect(std::abs(width - 286) <= 4 && std::abs(height - 29) <= 2,
               "ink " + str(width) + "x" + str(height) + " in the face " + narrow(runtime.fonts().displayFaceInUse()));
    });

    return groups.finish() == 0 ? 0 : 1;
}
