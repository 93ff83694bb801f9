#include "watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace tolvane::testing {

Watchdog::Watchdog(std::string program, std::chrono::seconds limit) : m_program(std::move(program))
{
    m_thread = std::thread([this, limit] {
        std::unique_lock lock(m_mutex);
        if (m_done.wait_for(lock, limit, [this] { return m_finished; }))
            return;
        std::fprintf(stderr, "FAIL: %s gave up after %lld s waiting for %s\n", m_program.c_str(),
                     static_cast<long long>(limit.count()), m_waitingFor.c_str());
        std::fflush(stderr);
        std::fflush(stdout);
        std::_Exit(1);
    });
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_done.notify_all();
    m_thread.join();
}

void Watchdog::waitingFor(std::string what)
{
    std::lock_guard lock(m_mutex);
    m_waitingFor = std::move(what);
}

} // namespace tolvane::testing
