// The Win32 runtime on real windows: every layout built and measured, focus,
// keys, menus, timers, the input box, the error box, the pictures and where
// one of them lands, End. Run under Wine in a virtual display by
// tests/win32/run_under_wine.sh, or on Windows as it is.

#include "platform/win32/runtime.h"
#include "platform/win32/text.h"
#include "platform/win32/window.h"
#include "answer_cases.h"
#include "probe.h"
#include "synthetic_input.h"
#include "resources/picture_files.h"
#include "resources/screen_layout.h"
#include "runtime/runtime_error.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

using namespace tolvane;
using tolvane::win32::Win32Runtime;
using tolvane::win32::Win32Window;
using tolvane::win32::testing::Probe;

namespace {

int passed = 0;
int failed = 0;
std::vector<std::string> faults; // of the current group

void expect(bool ok, const std::string &what)
{
    if (!ok)
        faults.push_back(what);
}

std::wstring only; // a part of the groups' names to run; empty: all

void group(const char *name, const std::function<void()> &body)
{
    if (!only.empty() && std::string(name).find(tolvane::win32::narrow(only)) == std::string::npos)
        return;
    faults.clear();
    const auto start = std::chrono::steady_clock::now();
    body();
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    if (faults.empty()) {
        ++passed;
        std::printf("PASS %s (%lld ms)\n", name, static_cast<long long>(ms));
    } else {
        ++failed;
        std::printf("FAIL %s (%lld ms)\n", name, static_cast<long long>(ms));
        for (const std::string &fault : faults)
            std::printf("    %s\n", fault.c_str());
    }
    std::fflush(stdout);
}

std::string str(long v) { return std::to_string(v); }

Win32Runtime *theRuntime = nullptr;

// Runs the message loop's step for `ms` milliseconds, or until `done`.
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
            Probe::dispatch(*theRuntime, message);
    }
    return true;
}
void pump(int ms) { pumpUntil(nullptr, ms); }

// The screen's side of a window: what it was told.
struct Recorder : runtime::WindowEvents {
    std::vector<std::string> events; // "control.Event"
    int closes = 0;
    std::function<void(std::string_view, std::string_view)> hook;
    void controlEvent(std::string_view control, std::string_view event) override
    {
        events.push_back(std::string(control) + "." + std::string(event));
        if (hook)
            hook(control, event);
    }
    void closedByPlayer() override { ++closes; }
    int count(const std::string &e) const
    {
        int n = 0;
        for (const auto &x : events)
            n += x == e;
        return n;
    }
};

// Each picture decoded once, whole, shared by every window.
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
};

Made make(ScreenId id)
{
    Made m;
    m.window = theRuntime->createWindow(layoutOf(id), pictures, *m.events);
    return m;
}

// Centres as the game's load handlers do.
void centre(runtime::Window &window)
{
    window.setLeft(static_cast<float>(theRuntime->displayWidth() / 2.0 - window.width() / 2.0));
    window.setTop(static_cast<float>(theRuntime->displayHeight() / 2.0 - window.height() / 2.0));
}

// Key chords pressed one after the other, all handed to the desktop at once:
// a menu opened by the first runs its own loop while the next ones arrive.
void keys(std::initializer_list<std::initializer_list<WORD>> chords)
{
    win32::testing::sendKeys(chords);
    pump(120);
}
void send(std::initializer_list<WORD> down) { keys({down}); }

void typeText(const std::wstring &text)
{
    win32::testing::sendText(text);
    pump(100);
}

std::string focusName(const Win32Window &w)
{
    HWND focus = GetFocus();
    for (const ControlLayout &c : Probe::layout(w).controls) {
        if (Probe::controlWindow(w, c.name) && Probe::controlWindow(w, c.name) == focus)
            return std::string(c.name);
    }
    return focus ? "(another window)" : "(none)";
}

void showAndWait(runtime::Window &window)
{
    window.show();
    pumpUntil([&] { return GetForegroundWindow() == static_cast<Win32Window &>(window).handle(); }, 2000);
    pump(100);
}

COLORREF clientPixel(HWND hwnd, int x, int y)
{
    HDC dc = GetDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
}

bool close_to(COLORREF a, int r, int g, int b, int tolerance)
{
    return std::abs(GetRValue(a) - r) <= tolerance && std::abs(GetGValue(a) - g) <= tolerance &&
           std::abs(GetBValue(a) - b) <= tolerance;
}

std::string rgbText(COLORREF c)
{
    return "(" + str(GetRValue(c)) + "," + str(GetGValue(c)) + "," + str(GetBValue(c)) + ")";
}

} // namespace

int wmain()
{
    // TOLVANE_WIN32_ONLY=part-of-a-name runs only the groups that match.
    wchar_t filter[256] = {};
    if (GetEnvironmentVariableW(L"TOLVANE_WIN32_ONLY", filter, 256) > 0)
        only = filter;
    Win32Runtime runtime(GetModuleHandleW(nullptr));
    theRuntime = &runtime;
    const int px = twipsPerPixel;

    group("the eighteen windows: client size, outer frame, menus, controls, centring, first focus", [&] {
        for (int s = 0; s < screenCount; ++s) {
            const ScreenLayout &layout = layoutOf(static_cast<ScreenId>(s));
            const std::string name(layout.name);
            Made m = make(layout.id);
            HWND hwnd = m.w().handle();
            expect(!IsWindowVisible(hwnd), name + ": visible before show()");
            RECT client, outer;
            GetClientRect(hwnd, &client);
            GetWindowRect(hwnd, &outer);
            expect(client.right == std::lround(layout.clientWidth / 15.0) &&
                       client.bottom == std::lround(layout.clientHeight / 15.0),
                   name + ": client " + str(client.right) + "x" + str(client.bottom));
            RECT adjusted{0, 0, client.right, client.bottom};
            AdjustWindowRectEx(&adjusted, GetWindowLongW(hwnd, GWL_STYLE), layout.menu.present(),
                               GetWindowLongW(hwnd, GWL_EXSTYLE));
            const int ow = outer.right - outer.left, oh = outer.bottom - outer.top;
            expect(ow == adjusted.right - adjusted.left && oh == adjusted.bottom - adjusted.top,
                   name + ": outer " + str(ow) + "x" + str(oh));
            expect(m.window->width() == float(ow * px) && m.window->height() == float(oh * px),
                   name + ": Width/Height in twips");
            wchar_t caption[128] = {};
            GetWindowTextW(hwnd, caption, 128);
            expect(win32::narrow(caption) == layout.caption, name + ": caption");

            HMENU menu = GetMenu(hwnd);
            expect((menu != nullptr) == layout.menu.present(), name + ": menu bar");
            if (menu) {
                wchar_t text[64];
                GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
                expect(std::wstring(text) == L"&Jeu", name + ": first menu");
                GetMenuStringW(GetSubMenu(menu, 0), 0, text, 64, MF_BYPOSITION);
                expect(std::wstring(text) == L"&Quitter", name + ": quit item");
                GetMenuStringW(menu, 1, text, 64, MF_BYPOSITION);
                expect(std::wstring(text) == L"&A propos de..." && GetSubMenu(menu, 1) == nullptr,
                       name + ": about command on the bar");
            }

            for (const ControlLayout &c : layout.controls) {
                HWND child = Probe::controlWindow(m.w(), c.name);
                const bool windowed = c.kind == ControlKind::CommandButton || c.kind == ControlKind::TextBox ||
                                      c.kind == ControlKind::PictureBox;
                expect((child != nullptr) == windowed, name + "." + std::string(c.name) + ": child window or not");
                if (!child)
                    continue;
                RECT r;
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT *>(&r), 2);
                const bool inBox = !c.container.empty();
                expect(r.left == std::lround(c.left / 15.0) && r.top == std::lround(c.top / 15.0) &&
                           r.right - r.left == std::lround(c.width / 15.0) &&
                           r.bottom - r.top == std::lround(c.height / 15.0),
                       name + "." + std::string(c.name) + ": placed at " + str(r.left) + "," + str(r.top));
                expect(inBox == (GetParent(child) != hwnd), name + "." + std::string(c.name) + ": container");
                expect(((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0) == c.visible,
                       name + "." + std::string(c.name) + ": visible at start");
                if (c.kind == ControlKind::PictureBox) {
                    RECT inner;
                    GetClientRect(child, &inner);
                    expect(inner.right == r.right - r.left - 4 && inner.bottom == r.bottom - r.top - 4,
                           name + "." + std::string(c.name) + ": 2-px border");
                }
                if (c.kind == ControlKind::CommandButton) {
                    const LONG style = GetWindowLongW(child, GWL_STYLE) & 0x0F;
                    expect(style == BS_PUSHBUTTON, name + "." + std::string(c.name) + ": not a default button");
                }
            }

            // Centring on the outer frame, exactly.
            centre(*m.window);
            GetWindowRect(hwnd, &outer);
            const double left = runtime.displayWidth() / 2.0 - m.window->width() / 2.0;
            const double top = runtime.displayHeight() / 2.0 - m.window->height() / 2.0;
            expect(outer.left == std::lround(left / 15) && outer.top == std::lround(top / 15),
                   name + ": centred at " + str(outer.left) + "," + str(outer.top));

            // The focus on show: the first control in tab order that can take it.
            std::string first;
            int best = 1 << 30;
            for (const ControlLayout &c : layout.controls) {
                const bool focusable = c.kind == ControlKind::CommandButton || c.kind == ControlKind::TextBox ||
                                       c.kind == ControlKind::PictureBox;
                bool shown = c.visible;
                if (!c.container.empty())
                    for (const ControlLayout &box : layout.controls)
                        if (box.name == c.container)
                            shown = shown && box.visible;
                if (focusable && shown && c.tabIndex < best) {
                    best = c.tabIndex;
                    first = c.name;
                }
            }
            showAndWait(*m.window);
            expect(m.window->isVisible(), name + ": shown");
            expect(first.empty() || focusName(m.w()) == first, name + ": focus on " + focusName(m.w()) + ", not " + first);
            m.window->hide();
            expect(!m.window->isVisible(), name + ": hidden");
        }
    });

    group("Tab order, Enter in an answer box, Alt+letter, the menus (tolvane5)", [&] {
        Made m = make(ScreenId::tolvane5);
        centre(*m.window);
        showAndWait(*m.window);
        std::vector<std::string> order{focusName(m.w())};
        for (int i = 0; i < 4; ++i) {
            send({VK_TAB});
            order.push_back(focusName(m.w()));
        }
        expect(order == std::vector<std::string>{"Picture1", "Picture2", "LUNDI", "REPONDRE2", "Picture1"},
               "Tab: " + order[0] + " " + order[1] + " " + order[2] + " " + order[3] + " " + order[4]);
        send({VK_SHIFT, VK_TAB});
        expect(focusName(m.w()) == "REPONDRE2", "Shift+Tab back to REPONDRE2, not " + focusName(m.w()));
        send({VK_SHIFT, VK_TAB});
        expect(focusName(m.w()) == "LUNDI", "Shift+Tab back to LUNDI");
        typeText(L"lundi étroit");
        send({VK_RETURN});
        expect(m.events->events.empty(), "Enter in the answer box did something");
        expect(m.window->text(Probe::indexOf(m.w(), "LUNDI")) == "lundi étroit",
               "typed text: " + m.window->text(Probe::indexOf(m.w(), "LUNDI")));
        send({VK_MENU, 'R'});
        expect(m.events->count("REPONDRE2.Click") == 1, "Alt+R clicks Répondre");
        keys({{VK_MENU, 'J'}, {'Q'}});
        expect(m.events->count("quitter.Click") == 1, "Alt+J, Q: Quitter");
        send({VK_MENU, 'A'});
        expect(m.events->count("aproposde12.Click") == 1, "Alt+A: A propos de...");
        // A long answer scrolls sideways and is kept whole.
        SetFocus(Probe::controlWindow(m.w(), "LUNDI"));
        const std::wstring longAnswer(300, L'x');
        typeText(longAnswer);
        expect(m.window->text(Probe::indexOf(m.w(), "LUNDI")).size() >= 300, "no length limit");
        // Clicks on the menu commands reach the screen by their names.
        SendMessageW(m.w().handle(), WM_COMMAND, Probe::menuCommand(m.w(), "quitter"), 0);
        expect(m.events->count("quitter.Click") == 2, "menu command by message");
    });

    group("keys that do nothing: letters at a picture box or button, arrows, an Alt+letter that matches nothing", [&] {
        Made m = make(ScreenId::TOLVANE2);
        centre(*m.window);
        showAndWait(*m.window);
        // The desktop's own menu handling (it beeps when no menu title has
        // the letter) is what an unmatched Alt+letter must never reach.
        static int menuKeys = 0;
        menuKeys = 0;
        HHOOK hook = SetWindowsHookExW(
            WH_CALLWNDPROC,
            [](int code, WPARAM wp, LPARAM lp) -> LRESULT {
                const auto *call = reinterpret_cast<const CWPSTRUCT *>(lp);
                if (code == HC_ACTION && call->message == WM_SYSCOMMAND && (call->wParam & 0xFFF0) == SC_KEYMENU)
                    ++menuKeys;
                return CallNextHookEx(nullptr, code, wp, lp);
            },
            nullptr, GetCurrentThreadId());
        expect(focusName(m.w()) == "Picture1", "focus on Picture1, not " + focusName(m.w()));
        send({'R'});
        send({'E'});
        expect(m.events->events.empty(), "a letter typed at the focused picture box clicked Répondre");
        for (WORD arrow : {VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP}) {
            send({arrow});
            expect(focusName(m.w()) == "Picture1", "an arrow key moved the focus to " + focusName(m.w()));
        }
        send({VK_MENU, 'X'});
        expect(m.events->events.empty() && focusName(m.w()) == "Picture1", "Alt+X did something");
        expect(menuKeys == 0, "Alt+X reached the menu bar, which beeps");
        SetFocus(Probe::controlWindow(m.w(), "reponse"));
        send({'R'});
        expect(m.events->events.empty(), "R typed at the focused button clicked it");
        send({VK_DOWN});
        expect(focusName(m.w()) == "reponse", "Down at the button moved the focus to " + focusName(m.w()));
        UnhookWindowsHookEx(hook);

        Made v = make(ScreenId::tolvane3);
        centre(*v.window);
        showAndWait(*v.window);
        send({'S'});
        expect(v.events->events.empty(), "S typed at the focused Suite clicked it");
    });

    group("Enter and Space on a focused button; no menu on a verdict screen (tolvane3)", [&] {
        Made m = make(ScreenId::tolvane3);
        centre(*m.window);
        showAndWait(*m.window);
        expect(focusName(m.w()) == "suite", "focus on suite");
        send({VK_RETURN});
        expect(m.events->count("suite.Click") == 1, "Enter clicks suite");
        send({VK_SPACE});
        expect(m.events->count("suite.Click") == 2, "Space clicks suite");
        send({VK_MENU, 'S'});
        expect(m.events->count("suite.Click") == 3, "Alt+S clicks suite");
        keys({{VK_MENU, 'J'}, {VK_ESCAPE}});
        expect(m.events->events.size() == 3, "Alt+J does nothing there");
    });

    group("title screen: focus inside its picture box, a hidden button's letter, Alt+J opens the menu", [&] {
        Made m = make(ScreenId::TOLVANE1);
        m.window->setTimerEnabled(Probe::indexOf(m.w(), "Timer1"), false);
        m.window->setTimerEnabled(Probe::indexOf(m.w(), "tmrtimer"), false);
        centre(*m.window);
        showAndWait(*m.window);
        expect(focusName(m.w()) == "Picture1", "focus on Picture1");
        send({VK_TAB});
        expect(focusName(m.w()) == "Picture2", "Tab into the box reaches Picture2, not " + focusName(m.w()));
        keys({{VK_MENU, 'J'}, {'Q'}});
        expect(m.events->count("jouer.Click") == 0, "the hidden Jouer button clicked");
        expect(m.events->count("quitter.Click") == 1, "Alt+J, Q: quitter");
        // The hidden button shown again answers to its letter.
        m.window->setControlVisible(Probe::indexOf(m.w(), "jouer"), true);
        send({VK_MENU, 'J'});
        expect(m.events->count("jouer.Click") == 1, "Alt+J clicks Jouer once shown");
    });

    group("timers count from creation, stop when disabled, and keep ticking hidden", [&] {
        Made m = make(ScreenId::TOLVANE1); // tmrtimer 1500 ms, Timer1 3000 ms
        const auto start = std::chrono::steady_clock::now();
        pumpUntil([&] { return m.events->count("tmrtimer.Timer") == 1; }, 2500);
        const auto first = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        expect(first >= 1400 && first <= 2500, "first tick after " + str(first) + " ms");
        pumpUntil([&] { return m.events->count("Timer1.Timer") == 1; }, 2500);
        expect(m.events->count("tmrtimer.Timer") == 2, "tmrtimer ticks twice by 3000 ms");
        m.window->setTimerEnabled(Probe::indexOf(m.w(), "tmrtimer"), false);
        m.window->setTimerEnabled(Probe::indexOf(m.w(), "Timer1"), false);
        pump(1700);
        expect(m.events->count("tmrtimer.Timer") == 2 && m.events->count("Timer1.Timer") == 1, "a disabled timer ticked");
    });

    group("the player's close; a window destroyed by its own event", [&] {
        Made m = make(ScreenId::frmapropos);
        showAndWait(*m.window);
        SendMessageW(m.w().handle(), WM_CLOSE, 0, 0);
        expect(m.events->closes == 1 && !m.window->isVisible(), "close: told once, out of view");
        Made q = make(ScreenId::tolvane17);
        q.events->hook = [&](std::string_view control, std::string_view) {
            if (control == "Image1")
                q.window.reset();
        };
        centre(*q.window);
        showAndWait(*q.window);
        HWND hwnd = q.w().handle();
        RECT portrait = Probe::controlRect(q.w(), "Image1");
        const LPARAM at = MAKELPARAM(portrait.left + 20, portrait.top + 20);
        PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(hwnd, WM_LBUTTONUP, 0, at);
        pump(200);
        expect(!q.window && !IsWindow(hwnd), "the window destroyed in its click is gone");
        expect(q.events->count("Image1.Click") == 1, "the portrait's click");
    });

    group("a window whose picture box cannot be made leaves nothing behind", [&] {
        // Without its class, the title's picture boxes cannot be created.
        WNDCLASSEXW boxClass{};
        boxClass.cbSize = sizeof boxClass;
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        GetClassInfoExW(instance, L"TolvanePictureBox", &boxClass);
        UnregisterClassW(L"TolvanePictureBox", instance);
        Recorder events;
        bool threw = false;
        try {
            theRuntime->createWindow(layoutOf(ScreenId::TOLVANE1), pictures, events);
        } catch (const tolvane::runtime::RuntimeError &) {
            threw = true;
        }
        RegisterClassExW(&boxClass);
        expect(threw, "no RuntimeError from a window that could not be made");
        int left = 0;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND hwnd, LPARAM count) {
                wchar_t name[64] = {};
                GetClassNameW(hwnd, name, 64);
                *reinterpret_cast<int *>(count) += std::wstring(name) == L"TolvaneForm";
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&left));
        expect(left == 0, str(left) + " half-made window left behind");
        // Its timers (1500 ms) would tick into a window that is gone.
        pump(1700);
        expect(events.events.empty(), "a half-made window's timer ticked");
    });

    group("the closing screen: clicks on images, labels in front, the splat shown", [&] {
        Made m = make(ScreenId::tolvane17);
        m.window->setTimerEnabled(Probe::indexOf(m.w(), "Timer1"), false);
        m.window->setTimerEnabled(Probe::indexOf(m.w(), "Timer2"), false);
        centre(*m.window);
        showAndWait(*m.window);
        RECT portrait = Probe::controlRect(m.w(), "Image1");
        const POINT middle{(portrait.left + portrait.right) / 2, (portrait.top + portrait.bottom) / 2};
        win32::testing::sendClick(m.w().handle(), middle);
        pump(200);
        expect(m.events->count("Image1.Click") == 1, "a real click on the portrait");
        m.window->setControlVisible(Probe::indexOf(m.w(), "Image3"), true);
        m.window->setControlVisible(Probe::indexOf(m.w(), "Label3"), true);
        UpdateWindow(m.w().handle());
        pump(100);
        // The splat, 600 px left of and 136 px above the client area, now
        // covers the backdrop; the labels stay in front of it.
        auto *splat = static_cast<const win32::Win32Picture *>(pictures.picture(PictureId::splat));
        for (auto [x, y] : {std::pair{270, 5}, {150, 200}, {450, 300}}) {
            const unsigned char *p = splat->bits() + ((y + 136) * splat->part().width + x + 600) * 4;
            const COLORREF seen = clientPixel(m.w().handle(), x, y);
            expect(close_to(seen, p[2], p[1], p[0], 8), "splat at " + str(x) + "," + str(y) + " is " + rgbText(seen));
        }
        expect(m.window->controlVisible(Probe::indexOf(m.w(), "Image3")), "Image3 visible");
        const RECT label = Probe::controlRect(m.w(), "Label3");
        int green = 0;
        HDC dc = GetDC(m.w().handle());
        for (int y = label.top; y < label.bottom; ++y)
            for (int x = label.left; x < label.right; ++x)
                green += close_to(GetPixel(dc, x, y), 0, 255, 0, 0);
        ReleaseDC(m.w().handle(), dc);
        expect(green > 100, "Label3's green text in front of the splat: " + str(green) + " pixels");
    });

    group("pictures: every file decodes at its size, GIF transparency, a part, another thread", [&] {
        for (const PictureInfo &info : pictureInventory) {
            auto picture = runtime.decodePicture(pictureFile(info.id), {0, 0, info.width, info.height});
            auto *p = static_cast<win32::Win32Picture *>(picture.get());
            expect(p && p->fullWidth() == info.width && p->fullHeight() == info.height,
                   std::string(info.name) + " decodes at its size");
        }
        auto dot = runtime.decodePicture(pictureFile(PictureId::blankdot), {0, 0, 1, 1});
        auto *d = static_cast<win32::Win32Picture *>(dot.get());
        expect(d && d->translucent() && d->bits()[3] == 0, "blankdot's pixel is transparent");
        auto backdrop = runtime.decodePicture(pictureFile(PictureId::backdrop), {0, 96, 543, 496});
        auto *b = static_cast<win32::Win32Picture *>(backdrop.get());
        expect(b && b->part() == runtime::PixelRect{0, 96, 543, 496} && !b->translucent(), "a part of the backdrop");
        std::unique_ptr<runtime::Picture> fromThread;
        std::thread([&] { fromThread = runtime.decodePicture(pictureFile(PictureId::splat), {600, 136, 586, 504}); })
            .join();
        expect(fromThread != nullptr, "splat decoded on another thread");
        const unsigned char junk[] = {1, 2, 3, 4, 5};
        expect(runtime.decodePicture(junk, {0, 0, 1, 1}) == nullptr, "junk is not a picture");
    });

    group("pixels: the logo in its picture box and the backdrop behind (TOLVANE2), a verdict over its portrait", [&] {
        Made m = make(ScreenId::TOLVANE2);
        centre(*m.window);
        showAndWait(*m.window);
        UpdateWindow(m.w().handle());
        auto *logo = static_cast<const win32::Win32Picture *>(pictures.picture(PictureId::logo));
        auto *backdrop = static_cast<const win32::Win32Picture *>(pictures.picture(PictureId::backdrop));
        int misses = 0;
        std::string firstMiss;
        for (auto [x, y] : {std::pair{0, 0}, {10, 20}, {47, 60}, {90, 110}, {30, 90}}) {
            const unsigned char *p = logo->bits() + (y * logo->part().width + x) * 4;
            const COLORREF seen = clientPixel(m.w().handle(), 360 / 15 + 2 + x, 5040 / 15 + 2 + y);
            if (!close_to(seen, p[2], p[1], p[0], 8) && misses++ == 0)
                firstMiss = "logo (" + str(x) + "," + str(y) + ") is " + rgbText(seen);
        }
        expect(misses == 0, firstMiss);
        // The backdrop's pixel row 96 lies at the client area's top edge.
        for (auto [x, y] : {std::pair{200, 5}, {300, 150}, {150, 250}}) {
            const unsigned char *p = backdrop->bits() + ((y + 96) * backdrop->part().width + x) * 4;
            const COLORREF seen = clientPixel(m.w().handle(), x, y);
            expect(close_to(seen, p[2], p[1], p[0], 8), "backdrop at " + str(x) + "," + str(y) + " is " + rgbText(seen));
        }
        Made v = make(ScreenId::tolvane3);
        centre(*v.window);
        showAndWait(*v.window);
        UpdateWindow(v.w().handle());
        const RECT label = Probe::controlRect(v.w(), "CORRECT");
        int cyan = 0;
        HDC dc = GetDC(v.w().handle());
        for (int y = label.top; y < label.bottom; ++y)
            for (int x = label.left; x < label.right; ++x)
                cyan += close_to(GetPixel(dc, x, y), 0, 255, 255, 0);
        ReleaseDC(v.w().handle(), dc);
        expect(cyan > 40, "cyan text of the verdict drawn over the portrait: " + str(cyan) + " pixels");
    });

    group("fonts: MS Sans Serif, and the display face or its built-in stand-in", [&] {
        HDC dc = GetDC(nullptr);
        wchar_t face[LF_FACESIZE];
        HGDIOBJ old = SelectObject(dc, runtime.fonts().get({displayFace, 24.0, 700}));
        GetTextFaceW(dc, LF_FACESIZE, face);
        expect(std::wstring(face) == runtime.fonts().displayFaceInUse(), "display face in use: " + win32::narrow(face));
        expect(runtime.fonts().displayFaceInUse() == L"Odessa LET" || runtime.fonts().displayFaceInUse() == L"Lobster Two",
               "display face");
        SelectObject(dc, runtime.fonts().get(windowFont));
        GetTextFaceW(dc, LF_FACESIZE, face);
        TEXTMETRICW metrics;
        GetTextMetricsW(dc, &metrics);
        // Windows has MS Sans Serif itself; Wine may draw it with a face of
        // the host's that it finds closer at some sizes.
        const bool underWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
        expect(underWine || std::wstring(face) == L"MS Sans Serif" || std::wstring(face) == L"Microsoft Sans Serif",
               "window font: " + win32::narrow(face));
        if (underWine)
            std::printf("    (under Wine, MS Sans Serif 8 pt is drawn with %s)\n", win32::narrow(face).c_str());
        expect(metrics.tmHeight >= 11 && metrics.tmHeight <= 16, "8 pt is about 13 px high: " + str(metrics.tmHeight));
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
    });

    group("the comparison ignoring case by the user's locale: the answer table", [&] {
        for (const tolvane::testing::AnswerCase &c : tolvane::testing::answerCases) {
            expect(runtime.equalIgnoringCase(c.typed, c.accepted) == c.matches, c.name);
            expect(runtime.equalIgnoringCase(c.accepted, c.typed) == c.matches, std::string(c.name) + ", turned round");
        }
    });

    // Runs `act` on the open input box from inside its own loop.
    static std::function<void(HWND)> onInputBox;
    auto whenInputBoxOpens = [&](std::function<void(HWND)> act) {
        onInputBox = std::move(act);
        SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
            if (HWND box = theRuntime->inputBoxWindow()) {
                KillTimer(nullptr, id);
                onInputBox(box);
            }
        });
    };

    group("the input box: typed text on OK, empty on Cancel, placed a third down, timers go on", [&] {
        Made title = make(ScreenId::TOLVANE1);
        std::string seenTitle;
        RECT seenRect{};
        whenInputBoxOpens([&](HWND box) {
            wchar_t text[128];
            GetWindowTextW(box, text, 128);
            seenTitle = win32::narrow(text);
            GetWindowRect(box, &seenRect);
            SetForegroundWindow(box);
            typeText(L"  Zoé ");
            send({VK_RETURN});
        });
        const std::string name = runtime.inputBox("Quel est ton nom jeune bon à rien ?", "MARZELLE TE DEMANDE TON NOM");
        expect(name == "  Zoé ", "typed name: '" + name + "'");
        expect(seenTitle == "MARZELLE TE DEMANDE TON NOM", "title: " + seenTitle);
        const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
        const int centreX = (seenRect.left + seenRect.right) / 2;
        expect(std::abs(centreX - sw / 2) <= 1 && std::abs(seenRect.top - sh / 3) <= 1,
               "placed at " + str(seenRect.left) + "," + str(seenRect.top));

        whenInputBoxOpens([&](HWND box) {
            SetForegroundWindow(box);
            typeText(L"abc");
            SendMessageW(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
        });
        expect(runtime.inputBox("?", "t").empty(), "Cancel gives the empty text");

        // Taking one's time: the title's timers tick under the box.
        whenInputBoxOpens([&](HWND box) {
            pumpUntil([&] { return title.events->count("tmrtimer.Timer") >= 1; }, 2500);
            PostMessageW(box, WM_CLOSE, 0, 0);
        });
        expect(runtime.inputBox("?", "t").empty(), "closed gives the empty text");
        expect(title.events->count("tmrtimer.Timer") >= 1, "a timer ticked while the box was open");
    });

    group("the error box, then End closes an open input box and ends run() with its status", [&] {
        std::string seen;
        SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
            HWND box = FindWindowW(L"#32770", L"LE TOLVANE VIRAIL");
            if (!box)
                return;
            KillTimer(nullptr, id);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        runtime.errorBox("LE TOLVANE VIRAIL", "Erreur d'exécution '6':\n\nDépassement de capacité");
        expect(true, "the error box came back");

        Made m = make(ScreenId::TOLVANE1);
        m.events->hook = [&](std::string_view control, std::string_view) {
            if (control == "tmrtimer") {
                // The name prompt opens; Timer1 ends the game under it.
                seen = "[" + runtime.inputBox("Quel est ton nom ?", "nom") + "]";
            }
            if (control == "Timer1")
                runtime.end(3);
        };
        m.window->show();
        const int status = runtime.run();
        expect(status == 3, "run() returned " + str(status));
        expect(seen == "[]", "the input box closed as on Cancel: " + seen);
        expect(!m.window->isVisible(), "End hides the windows");
        const std::size_t before = m.events->events.size();
        pump(1700);
        expect(m.events->events.size() == before, "no event after End");
    });

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
