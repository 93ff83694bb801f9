#pragma once

// The tests' one way of checking, for every test program that is not a
// GoogleTest or Qt Test one (the conformance suite on each runtime, the Win32
// programs under Wine): groups of expectations, each printed PASS or FAIL with
// what failed and how long it took, and "N passed, N failed" at the end. Plain
// C++, so that it runs wherever a runtime does (under Wine, in a browser page).

#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <string_view>
#include <vector>

namespace tolvane::testing {

class Checks {
public:
    explicit Checks(std::string onlyGroups = {}) : only(std::move(onlyGroups)) {}

    // Runs a group; `only`, when not empty, runs only the groups whose names
    // contain it. A group that throws fails with what it threw.
    void group(std::string_view name, const std::function<void()> &body);
    // May be called from any thread while a group runs.
    void expect(bool ok, const std::string &what);
    // Prints the last line, "N passed, N failed", and returns the failures.
    int finish() const;

    std::string only;
    std::string label; // shown after each group's name, in brackets, when not empty

private:
    std::mutex m_mutex;
    std::vector<std::string> m_faults;
    int m_passed = 0;
    int m_failed = 0;
};

// The value of an environment variable, or "" where it is not set.
std::string fromEnvironment(const char *name);

// A text as a fault message shows it: quoted, cut after 60 bytes.
std::string quoted(std::string_view text);

} // namespace tolvane::testing
