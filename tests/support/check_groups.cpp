#include "check_groups.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace tolvane::testing {

void Checks::group(std::string_view name, const std::function<void()> &body)
{
    if (!only.empty() && name.find(only) == std::string_view::npos)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_faults.clear();
    }
    const auto start = std::chrono::steady_clock::now();
    try {
        body();
    } catch (const std::exception &e) {
        expect(false, std::string("threw: ") + e.what());
    } catch (...) {
        expect(false, "threw something that is not an exception");
    }
    const long long ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    const std::string shown = label.empty() ? std::string(name) : std::string(name) + " [" + label + "]";
    std::lock_guard lock(m_mutex);
    if (m_faults.empty()) {
        ++m_passed;
        std::printf("PASS %s (%lld ms)\n", shown.c_str(), ms);
    } else {
        ++m_failed;
        std::printf("FAIL %s (%lld ms)\n", shown.c_str(), ms);
        for (const std::string &fault : m_faults)
            std::printf("    %s\n", fault.c_str());
    }
    std::fflush(stdout);
}

void Checks::expect(bool ok, const std::string &what)
{
    if (ok)
        return;
    std::lock_guard lock(m_mutex);
    m_faults.push_back(what);
}

int Checks::finish() const
{
    std::printf("%d passed, %d failed\n", m_passed, m_failed);
    std::fflush(stdout);
    return m_failed;
}

std::string fromEnvironment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

std::string quoted(std::string_view text)
{
    if (text.size() > 60)
        return "\"" + std::string(text.substr(0, 57)) + "...\" (" + std::to_string(text.size()) + " bytes)";
    return "\"" + std::string(text) + "\"";
}

} // namespace tolvane::testing
