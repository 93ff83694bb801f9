#pragma once

// The suite's own small checking: groups of expectations, each group printed
// PASS or FAIL with what failed, and the count at the end. Plain C++, so that
// it runs wherever a runtime does (under Wine, in a browser page).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::conformance {

class Checks {
public:
    // Runs a group; `only`, when not empty, runs only the groups whose names contain it.
    void group(std::string_view name, const std::function<void()> &body);
    void expect(bool ok, const std::string &what);
    // The last line: "N passed, N failed".
    int finish() const;

    std::string only;
    std::string runtimeName;

private:
    std::vector<std::string> m_faults;
    int m_passed = 0;
    int m_failed = 0;
};

std::string quoted(std::string_view text);

} // namespace tolvane::conformance
