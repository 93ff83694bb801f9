#pragma once

// Groups of checks for the Win32 test programs: each group runs, prints PASS
// or FAIL with every fault it met, and the program's status counts them.
// TOLVANE_WIN32_ONLY=part-of-a-name runs only the groups whose name has it.

#include "platform/win32/text.h"
#include "platform/win32/win32.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace tolvane::win32::testing {

class Groups {
public:
    Groups()
    {
        wchar_t filter[256] = {};
        if (GetEnvironmentVariableW(L"TOLVANE_WIN32_ONLY", filter, 256) > 0)
            m_only = narrow(filter);
    }

    void run(const char *name, const std::function<void()> &body)
    {
        if (!m_only.empty() && std::string(name).find(m_only) == std::string::npos)
            return;
        m_faults.clear();
        const auto start = std::chrono::steady_clock::now();
        body();
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        (m_faults.empty() ? m_passed : m_failed) += 1;
        std::printf("%s %s (%lld ms)\n", m_faults.empty() ? "PASS" : "FAIL", name, static_cast<long long>(ms));
        for (const std::string &fault : m_faults)
            std::printf("    %s\n", fault.c_str());
        std::fflush(stdout);
    }

    void expect(bool ok, const std::string &what)
    {
        if (!ok)
            m_faults.push_back(what);
    }

    int status() const
    {
        std::printf("%d passed, %d failed\n", m_passed, m_failed);
        return m_failed == 0 ? 0 : 1;
    }

private:
    std::string m_only;
    std::vector<std::string> m_faults;
    int m_passed = 0;
    int m_failed = 0;
};

} // namespace tolvane::win32::testing
