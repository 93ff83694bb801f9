#pragma once

// A test that can hang ends as a failure that says what it was waiting for,
// before CTest's own timeout cuts it off with nothing said: a thread of its
// own watches the deadline and, once it passes, prints what the program was
// waiting for and ends it with status 1. Waits that block the program's own
// thread (an X server held by another client, a nested loop that never
// returns) are caught too.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace tolvane::testing {

class Watchdog {
public:
    Watchdog(std::string program, std::chrono::seconds limit);
    ~Watchdog();
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

    // What the program waits for from now on, until the next call.
    void waitingFor(std::string what);

private:
    std::string m_program;
    std::mutex m_mutex;
    std::condition_variable m_done;
    std::string m_waitingFor = "its start";
    bool m_finished = false;
    std::thread m_thread;
};

} // namespace tolvane::testing
