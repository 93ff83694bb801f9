// The program file, tolvane.exe, played from another process as a screen
// reader's user plays it: every window read through MSAA as a screen reader
// reads it (AccessibleObjectFromWindow, its children), answers typed into the
// answer box's value, buttons and the portrait pressed by their default
// action, and what the game tells of its changes heard through WinEvents (the
// greeting, the taunts). Finds tolvane.exe two folders up from itself, as the
// build lays them out.

#include "platform/win32/text.h"
#include "resources/accelerator.h"
#include "resources/control_rules.h"
#include "resources/screen_layout.h"
#include "screens/about_box.h"
#include "shell/quiz_script.h"
#include "accessible_tree.h"
#include "synthetic_input.h"
#include "check_groups.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

using namespace tolvane;
using namespace tolvane::win32::testing;
using tolvane::win32::narrow;
using tolvane::win32::widen;

namespace {

// TOLVANE_WIN32_ONLY=part-of-a-name runs only the groups whose names hold it.
tolvane::testing::Checks groups{tolvane::testing::fromEnvironment("TOLVANE_WIN32_ONLY")};
void expect(bool ok, const std::string &what) { groups.expect(ok, what); }

struct Abandon {}; // the game cannot be played on

DWORD gameProcess = 0;
std::vector<std::wstring> said; // what the screen reader would say on hearing of a change

// A shown control or a new caption: a screen reader fetches the object the
// event names and says it.
void CALLBACK heard(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG id, DWORD, DWORD)
{
    if (object != OBJID_CLIENT || id <= 0 || (event != EVENT_OBJECT_SHOW && event != EVENT_OBJECT_NAMECHANGE))
        return;
    IAccessible *accessible = nullptr;
    VARIANT which;
    VariantInit(&which);
    if (FAILED(AccessibleObjectFromEvent(hwnd, static_cast<DWORD>(object), id, &accessible, &which)) || !accessible)
        return;
    const Read read = readChild(accessible, which.lVal);
    accessible->Release();
    if (!read.name.empty() && !(read.state & STATE_SYSTEM_INVISIBLE))
        said.push_back(read.name);
}

bool pumpUntil(const std::function<bool()> &done, int ms = 8000)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    return true;
}

bool wasSaid(const std::wstring &text) { return std::find(said.begin(), said.end(), text) != said.end(); }

// The game's windows on view.
std::vector<HWND> gameWindows()
{
    std::vector<HWND> found;
    EnumWindows(
        [](HWND hwnd, LPARAM list) {
            wchar_t type[32] = {};
            DWORD process = 0;
            GetWindowThreadProcessId(hwnd, &process);
            GetClassNameW(hwnd, type, 32);
            if (process == gameProcess && IsWindowVisible(hwnd) && std::wstring(type) == L"TolvaneForm")
                reinterpret_cast<std::vector<HWND> *>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Joins lines as a screen reader says them: one space for a line break.
std::wstring spoken(std::wstring text)
{
    std::wstring one;
    for (wchar_t c : text) {
        const bool brk = c == L'\r' || c == L'\n';
        if (!brk)
            one += c;
        else if (one.empty() || one.back() != L' ')
            one += L' ';
    }
    return one;
}

struct Found {
    HWND window = nullptr;
    std::vector<Read> children;
};

// Waits for a game window on view whose tree has a child of that role and name.
Found windowReading(long role, const std::string &name)
{
    Found found;
    const std::wstring wanted = spoken(widen(name));
    const bool there = pumpUntil([&] {
        for (HWND hwnd : gameWindows()) {
            Accessible tree(hwnd);
            if (!tree.object)
                continue;
            std::vector<Read> kids = children(tree.object);
            for (const Read &k : kids)
                if (k.role == role && spoken(k.name) == wanted) {
                    found = {hwnd, kids};
                    return true;
                }
        }
        return false;
    });
    if (!there) {
        expect(false, "no window on view reads \"" + name + "\"");
        throw Abandon{};
    }
    return found;
}

long childNamed(const Found &found, long role, const std::string &name)
{
    for (const Read &k : found.children)
        if (k.role == role && spoken(k.name) == spoken(widen(name)))
            return k.id;
    expect(false, "no child \"" + name + "\" of role " + std::to_string(role));
    throw Abandon{};
}

void press(const Found &found, long role, const std::string &name)
{
    Accessible tree(found.window);
    const long id = childNamed(found, role, name);
    expect(tree.object && tree.object->accDoDefaultAction(child(id)) == S_OK, "\"" + name + "\" cannot be pressed");
}

void typeAnswer(const Found &found, const std::string &answer)
{
    Accessible tree(found.window);
    BSTR value = SysAllocString(widen(answer).c_str());
    const long box = childNamed(found, ROLE_SYSTEM_TEXT, "Réponse");
    expect(tree.object && tree.object->put_accValue(child(box), value) == S_OK, "the answer box takes no value");
    SysFreeString(value);
}

std::string captionOf(ScreenId screen, std::string_view control)
{
    const std::optional<std::size_t> index = controlNamed(layoutOf(screen), control);
    return index ? shownCaption(layoutOf(screen).controls[*index].caption).text : std::string("?");
}

std::wstring gameProgram()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring program = path;
    for (int up = 0; up < 3; ++up)
        program.erase(program.find_last_of(L"\\/"));
    return program + L"\\tolvane.exe";
}

} // namespace

int wmain()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    groups.group("tolvane.exe read and played from another process: the question, the greeting, every verdict, "
               "the About text, the taunts",
               [&] {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION game{};
        std::wstring command = L"\"" + gameProgram() + L"\"";
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &game)) {
            expect(false, "cannot start " + narrow(command));
            return;
        }
        gameProcess = game.dwProcessId;
        HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_NAMECHANGE, nullptr, heard, gameProcess,
                                             0, WINEVENT_OUTOFCONTEXT);
        try {
            windowReading(ROLE_SYSTEM_STATICTEXT, "AU TOLVANE VIRAIL !!!");
            HWND prompt = nullptr;
            if (!pumpUntil([&] {
                    prompt = FindWindowW(L"#32770", L"MARZELLE TE DEMANDE TON NOM");
                    return prompt && IsWindowVisible(prompt);
                })) {
                expect(false, "the name prompt never came");
                throw Abandon{};
            }
            // The prompt is a dialog of Windows' own: its box and button by their classes.
            SendMessageW(FindWindowExW(prompt, nullptr, L"Edit", nullptr), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(L"Zoé"));
            PostMessageW(GetDlgItem(prompt, IDOK), BM_CLICK, 0, 0);

            for (const QuizStep &step : quizScript) {
                const Found question = windowReading(ROLE_SYSTEM_STATICTEXT, step.questionText());
                if (step.number == 1) {
                    windowReading(ROLE_SYSTEM_STATICTEXT, "Zoé!");
                    expect(pumpUntil([] { return wasSaid(L"Zoé!"); }), "the greeting was never heard");
                    // The About box, from the menu bar, by its letter.
                    SetForegroundWindow(question.window);
                    sendKeys({{VK_MENU, 'A'}});
                    const Found about = windowReading(ROLE_SYSTEM_STATICTEXT, AboutBox::aboutText());
                    PostMessageW(about.window, WM_CLOSE, 0, 0);
                    pumpUntil([&] { return !IsWindowVisible(about.window); });
                }
                // The last answer is wrong, to read a miss too.
                const bool right = step.number < 5;
                typeAnswer(question, right ? std::string(step.acceptedAnswer) : "non");
                press(question, ROLE_SYSTEM_PUSHBUTTON, shownCaption(step.answerCaption).text);
                const Verdict &verdict = right ? step.match : step.miss;
                const Found judged = windowReading(ROLE_SYSTEM_STATICTEXT, captionOf(verdict.screen, verdict.label));
                press(judged, ROLE_SYSTEM_PUSHBUTTON, captionOf(verdict.screen, verdict.button));
            }

            const Found closing = windowReading(ROLE_SYSTEM_GRAPHIC, "Marzelle fait au revoir de la main");
            for (const char *taunt : {"Label1", "Label2"}) {
                const std::wstring text = widen(captionOf(ScreenId::tolvane17, taunt));
                expect(pumpUntil([&] { return wasSaid(text); }), "the taunt \"" + narrow(text) + "\" was never heard");
            }
            press(closing, ROLE_SYSTEM_GRAPHIC, "Marzelle fait au revoir de la main");
            const std::wstring last = widen(captionOf(ScreenId::tolvane17, "Label3"));
            expect(pumpUntil([&] { return wasSaid(last); }), "the last taunt was never heard");
            // Closing the last window on view ends the game.
            PostMessageW(closing.window, WM_CLOSE, 0, 0);
        } catch (Abandon) {
        }
        UnhookWinEvent(hook);
        DWORD status = STILL_ACTIVE;
        if (WaitForSingleObject(game.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(game.hProcess, 99);
        GetExitCodeProcess(game.hProcess, &status);
        expect(status == 0, "the game ended with status " + std::to_string(status));
        CloseHandle(game.hThread);
        CloseHandle(game.hProcess);
    });
    return groups.finish() == 0 ? 0 : 1;
}
