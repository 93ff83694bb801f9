#include "win32/win32_player.h"

#include "platform/win32/text.h"
#include "platform/win32/window.h"
#include "accessible_tree.h"
#include "probe.h"
#include "synthetic_input.h"

#include <algorithm>
#include <utility>

namespace tolvane::conformance {

using win32::testing::Probe;

namespace {

Win32Player *thePlayer = nullptr; // the thread timer's callback has no context of its own

win32::Win32Window &win32Of(runtime::Window &window) { return static_cast<win32::Win32Window &>(window); }

WORD virtualKey(Key key)
{
    switch (key) {
    case Key::Tab:
    case Key::BackTab:
        return VK_TAB;
    case Key::Enter:
        return VK_RETURN;
    case Key::Space:
        return VK_SPACE;
    case Key::Escape:
        return VK_ESCAPE;
    case Key::Left:
        return VK_LEFT;
    case Key::Right:
        return VK_RIGHT;
    case Key::Up:
        return VK_UP;
    case Key::Down:
        return VK_DOWN;
    }
    return 0;
}

// Nothing the thread has still to deliver: no input, posted or sent message.
bool queueQuiet() { return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE)) == 0; }

std::string windowText(HWND hwnd)
{
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return win32::narrow(text);
}

// Longer texts are pasted, as a player would bring them: typed one key at a
// time, a hundred thousand characters would take the edit control minutes.
constexpr std::size_t longestTyped = 200;

void putOnClipboard(const std::wstring &text)
{
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        auto *bytes = static_cast<wchar_t *>(GlobalLock(memory));
        std::copy(text.begin(), text.end(), bytes);
        bytes[text.size()] = L'\0';
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

} // namespace

Win32Player::Win32Player()
{
    thePlayer = this;
    renewRuntime();
}

Win32Player::~Win32Player() { thePlayer = nullptr; }

void Win32Player::renewRuntime()
{
    m_runtime.reset();
    m_runtime = std::make_unique<win32::Win32Runtime>(GetModuleHandleW(nullptr));
}

// --- The two fibers

void Win32Player::play(const std::function<void()> &suite)
{
    m_suite = &suite;
    m_suiteDone = false;
    m_threadFiber = ConvertThreadToFiber(nullptr);
    m_suiteFiber = CreateFiber(0, suiteFiber, this);
    m_timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, tick);
    SwitchToFiber(m_suiteFiber);
    while (!m_suiteDone) {
        MSG message;
        if (GetMessageW(&message, nullptr, 0, 0) > 0)
            Probe::dispatch(*m_runtime, message);
    }
    KillTimer(nullptr, m_timer);
    DeleteFiber(m_suiteFiber);
    ConvertFiberToThread();
}

void CALLBACK Win32Player::suiteFiber(void *self)
{
    auto *player = static_cast<Win32Player *>(self);
    (*player->m_suite)();
    player->m_suiteDone = true;
    SwitchToFiber(player->m_threadFiber); // never comes back
}

void CALLBACK Win32Player::tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (thePlayer)
        thePlayer->onTick();
}

void Win32Player::onTick()
{
    // A box on view with an act waiting for it: the act runs here, inside
    // whichever loop delivered this tick, the box's own among them.
    std::function<void()> act;
    if (m_inputBoxAct && inputBoxOpen())
        act = std::exchange(m_inputBoxAct, {});
    else if (m_errorBoxAct && errorBoxOpen())
        act = std::exchange(m_errorBoxAct, {});
    if (act) {
        // An act on the suite's fiber runs inside a box the suite opened,
        // and must wait inside it.
        const bool onSuite = GetCurrentFiber() == m_suiteFiber;
        m_actsOnSuite += onSuite;
        ++m_acting;
        act();
        --m_acting;
        m_actsOnSuite -= onSuite;
        return;
    }
    // A tick comes only once no input and no posted message waits: what
    // the suite handed to the desktop has been delivered. While an act runs
    // in a box, the suite waits for it, as a player's hands are on the box.
    if (GetCurrentFiber() == m_threadFiber && m_suiteWaiting && m_acting == 0 && Clock::now() >= m_until &&
        queueQuiet()) {
        m_suiteWaiting = false;
        SwitchToFiber(m_suiteFiber);
    }
}

void Win32Player::settle(int ms)
{
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(ms);
    if (GetCurrentFiber() == m_suiteFiber && m_actsOnSuite == 0) {
        m_until = until;
        m_suiteWaiting = true;
        SwitchToFiber(m_threadFiber);
        return;
    }
    // An act inside a box's loop: it pumps here, within that loop, and waits
    // for a tick of its own to find the queue quiet; the box returns only
    // once its act is done.
    bool ticked = false;
    const UINT_PTR mark = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, nullptr);
    while (!(ticked && Clock::now() >= until && queueQuiet())) {
        MSG message;
        if (GetMessageW(&message, nullptr, 0, 0) <= 0)
            continue;
        if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == mark) {
            ticked = true;
            continue;
        }
        if (const HWND box = errorBox(); box && IsDialogMessageW(box, &message))
            continue;
        Probe::dispatch(*m_runtime, message);
    }
    KillTimer(nullptr, mark);
}

// --- What the player does

void Win32Player::press(Key key)
{
    if (key == Key::BackTab)
        win32::testing::sendKeys({{VK_SHIFT, VK_TAB}});
    else
        win32::testing::sendKeys({{virtualKey(key)}});
    settle();
}

void Win32Player::pressAlt(char letter)
{
    win32::testing::sendKeys({{VK_MENU, static_cast<WORD>(letter)}});
    settle();
}

void Win32Player::pressLetter(char letter)
{
    win32::testing::sendKeys({{static_cast<WORD>(letter)}});
    settle();
}

void Win32Player::pressAltF4()
{
    win32::testing::sendKeys({{VK_MENU, VK_F4}});
    settle();
}

void Win32Player::pressHeld(Key key, char altLetter)
{
    // A key-down of a key already down, as the keyboard's auto-repeat sends
    // it to the focused window (Alt held: a system key): no input can say so.
    const WORD code = altLetter ? static_cast<WORD>(altLetter) : virtualKey(key);
    const LPARAM repeat = 1 | (1 << 30) | (altLetter ? (1 << 29) : 0);
    HWND focus = GetFocus() ? GetFocus() : GetActiveWindow();
    PostMessageW(focus, altLetter ? WM_SYSKEYDOWN : WM_KEYDOWN, code, repeat);
    settle();
}

void Win32Player::type(std::string_view utf8)
{
    const std::wstring text = win32::widen(utf8);
    if (text.size() <= longestTyped) {
        win32::testing::sendText(text);
    } else {
        putOnClipboard(text);
        win32::testing::sendKeys({{VK_CONTROL, 'V'}});
    }
    settle();
}

void Win32Player::clickAt(HWND hwnd, POINT client, HWND reaches)
{
    // Sent once the point lies over the window where the desktop has it.
    if (reaches) {
        POINT inReached = client;
        MapWindowPoints(hwnd, reaches, &inReached, 1);
        const Clock::time_point until = Clock::now() + std::chrono::seconds(2);
        while (!win32::testing::pointReaches(reaches, inReached) && Clock::now() < until)
            settle(10);
    }
    win32::testing::sendClick(hwnd, client);
    settle();
}

void Win32Player::click(runtime::Window &window, runtime::ControlIndex control)
{
    win32::Win32Window &w = win32Of(window);
    const std::string_view name = Probe::layout(w).controls[control].name;
    RECT rect = Probe::controlRect(w, name);
    RECT client;
    GetClientRect(w.handle(), &client);
    IntersectRect(&rect, &rect, &client);
    clickAt(w.handle(), {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, w.handle());
}

void Win32Player::chooseMenu(runtime::Window &window, std::string_view item)
{
    win32::Win32Window &w = win32Of(window);
    const MenuBarLayout &menu = Probe::layout(w).menu;
    HMENU bar = GetMenu(w.handle());
    if (!bar)
        return;
    auto clickItem = [&](HMENU owner, int position) {
        RECT rect{};
        if (!GetMenuItemRect(w.handle(), owner, position, &rect))
            return false;
        // The menu bar lies on the window; an open menu's items, on its popup.
        clickAt(GetDesktopWindow(), {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2},
                owner == bar ? w.handle() : nullptr);
        return true;
    };
    if (sameName(item, menu.about)) {
        clickItem(bar, 1); // "&A propos de..." on the bar
    } else if (sameName(item, menu.quit) && clickItem(bar, 0)) {
        // "&Jeu" is open: its first item.
        clickItem(GetSubMenu(bar, 0), 0);
    }
}

void Win32Player::close(runtime::Window &window)
{
    // What the title bar's close control sends.
    PostMessageW(win32Of(window).handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    settle();
}

void Win32Player::wait(int ms) { settle(std::max(ms, 0)); }

long long Win32Player::clock()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
}

// --- The input box and the error box

bool Win32Player::inputBoxOpen()
{
    const HWND box = m_runtime->inputBoxWindow();
    return box && IsWindowVisible(box) && GetActiveWindow() == box;
}

void Win32Player::clickInputBoxButton(bool ok)
{
    if (!inputBoxOpen())
        return; // gone, or behind another window: nothing of it to click
    const HWND button = GetDlgItem(m_runtime->inputBoxWindow(), ok ? IDOK : IDCANCEL);
    RECT rect;
    GetClientRect(button, &rect);
    clickAt(button, {rect.right / 2, rect.bottom / 2}, button);
}

void Win32Player::closeInputBox()
{
    if (!inputBoxOpen())
        return;
    PostMessageW(m_runtime->inputBoxWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
    settle();
}

Player::InputBoxView Win32Player::inputBoxView()
{
    InputBoxView view;
    const HWND box = m_runtime->inputBoxWindow();
    if (!box)
        return view;
    view.title = windowText(box);
    view.prompt = windowText(FindWindowExW(box, nullptr, L"Static", nullptr));
    view.okText = windowText(GetDlgItem(box, IDOK));
    view.cancelText = windowText(GetDlgItem(box, IDCANCEL));
    // Read where it stays: under Wine the X window manager may still move a
    // box it has just mapped, and Wine follows it.
    RECT frame{};
    RECT last{};
    for (int same = 0, reads = 0; same < 2 && reads < 100; ++reads) {
        settle(10);
        GetWindowRect(box, &frame);
        same = EqualRect(&frame, &last) ? same + 1 : 0;
        last = frame;
    }
    view.centreX = (frame.left + frame.right) / 2;
    view.top = frame.top;
    view.displayWidth = GetSystemMetrics(SM_CXSCREEN);
    view.displayHeight = GetSystemMetrics(SM_CYSCREEN);
    return view;
}

HWND Win32Player::errorBox() const
{
    struct Search {
        HWND inputBox;
        HWND found = nullptr;
    } search{m_runtime->inputBoxWindow()};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM param) {
            auto *s = reinterpret_cast<Search *>(param);
            wchar_t name[16] = {};
            GetClassNameW(hwnd, name, 16);
            if (hwnd != s->inputBox && std::wstring(name) == L"#32770" && IsWindowVisible(hwnd)) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool Win32Player::errorBoxOpen()
{
    const HWND box = errorBox();
    return box && GetActiveWindow() == box;
}

// --- What the player sees

std::string Win32Player::focusedControl(runtime::Window &window) { return Probe::focusedControl(win32Of(window)); }

bool Win32Player::isActive(runtime::Window &window)
{
    const HWND hwnd = win32Of(window).handle();
    return IsWindowVisible(hwnd) && IsWindowEnabled(hwnd) && GetActiveWindow() == hwnd;
}

// What a screen reader reads: the label's name from the window's MSAA object.
std::string Win32Player::shownText(runtime::Window &window, runtime::ControlIndex label)
{
    const win32::testing::Accessible client(win32Of(window).handle());
    if (!client.object)
        return "(no accessible object)";
    BSTR name = nullptr;
    client.object->get_accName(win32::testing::child(static_cast<long>(label) + 1), &name);
    return win32::narrow(win32::testing::take(name));
}

} // namespace tolvane::conformance
