// Start-up of Windows programs, side by side: from the launch (CreateProcess)
// to the program's first top-level window on view (a window of its main
// thread with WS_VISIBLE, looked for every millisecond: Wine raises no
// EVENT_OBJECT_SHOW for windows), then the program is ended. The programs
// run in turn, RUNS times each, so that a busy moment of the machine falls on
// all of them alike; the medians are printed, and each program's ratio to the
// last one, the baseline.
//
//     startup_timer.exe RUNS game.exe ... baseline.exe
//     startup_timer.exe        10 runs of tolvane.exe, two folders up as the
//                              build lays it out, and of the bare window beside

#include "platform/win32/text.h"
#include "platform/win32/win32.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK visibleWindow(HWND hwnd, LPARAM found)
{
    if (!IsWindowVisible(hwnd))
        return TRUE;
    *reinterpret_cast<bool *>(found) = true;
    return FALSE;
}

// Milliseconds from launch to the first window shown, or -1.
double timeStartUp(const std::wstring &program)
{
    LARGE_INTEGER frequency, start, shownAt{};
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    std::wstring command = L"\"" + program + L"\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child))
        return -1;
    const DWORD until = GetTickCount() + 10000;
    bool shown = false;
    while (!shown && GetTickCount() < until) {
        EnumThreadWindows(child.dwThreadId, visibleWindow, reinterpret_cast<LPARAM>(&shown));
        if (shown)
            QueryPerformanceCounter(&shownAt);
        else
            Sleep(1);
    }
    TerminateProcess(child.hProcess, 0);
    WaitForSingleObject(child.hProcess, 5000);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    if (!shown)
        return -1;
    return double(shownAt.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

std::wstring nameOf(const std::wstring &path) { return path.substr(path.find_last_of(L"\\/") + 1); }

} // namespace

int wmain(int argc, wchar_t **argv)
{
    std::vector<std::wstring> programs(argv + std::min(argc, 2), argv + argc);
    int runs = argc > 1 ? _wtoi(argv[1]) : 10;
    if (programs.empty()) {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring here = path;
        here.erase(here.find_last_of(L"\\/"));
        std::wstring top = here;
        for (int up = 0; up < 2; ++up)
            top.erase(top.find_last_of(L"\\/"));
        programs = {top + L"\\tolvane.exe", here + L"\\tolvane-bench-bare-win32.exe"};
    }
    if (runs < 1 || programs.size() < 2) {
        std::fprintf(stderr, "usage: startup_timer [RUNS program.exe ... baseline.exe]\n");
        return 2;
    }
    timeBeginPeriod(1);
    // One run of each first, unmeasured: the system's caches warm for all alike.
    for (const auto &program : programs)
        timeStartUp(program);
    std::vector<std::vector<double>> times(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const double ms = timeStartUp(programs[p]);
            if (ms < 0) {
                std::fprintf(stderr, "startup_timer: %ls showed no window\n", programs[p].c_str());
                return 1;
            }
            times[p].push_back(ms);
        }
    }
    timeEndPeriod(1);
    const double baseline = median(times.back());
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const auto [low, high] = std::minmax_element(times[p].begin(), times[p].end());
        std::printf("%-28s launch to first window shown: median %6.1f ms (%5.1f-%5.1f, %d runs)   %4.2f x %ls\n",
                    tolvane::win32::narrow(nameOf(programs[p])).c_str(), median(times[p]), *low, *high, runs,
                    median(times[p]) / baseline, nameOf(programs.back()).c_str());
    }
    return 0;
}
