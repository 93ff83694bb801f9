#include "platform/qt/timer.h"

#include "runtime/timer_schedule.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace tolvane::qt {

namespace {

// The schedule of every timer, and the one Qt timer that wakes for the next
// tick due. A tick goes out one at a time; one that falls far behind (a
// machine that slept) gets no burst.
class Wake {
public:
    Wake()
    {
        m_clock.start();
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { fire(); });
    }

    double now() const { return double(m_clock.nsecsElapsed()) / 1e6; }
    runtime::TimerSchedule &schedule() { return m_schedule; }

    void arm()
    {
        const auto due = m_schedule.nextDue();
        if (!due) {
            m_timer.stop();
            return;
        }
        m_timer.start(std::max(0, int(std::ceil(*due - now()))));
    }

private:
    void fire()
    {
        if (const auto tick = m_schedule.takeDue(now(), true))
            emit static_cast<Timer *>(const_cast<void *>(tick->window))->tick(); // may run a nested loop
        arm();
    }

    runtime::TimerSchedule m_schedule;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

// Made with the first timer, once the application is there; it lives as
// long as the program.
Wake &wake()
{
    static Wake *only = new Wake;
    return *only;
}

} // namespace

Timer::Timer(int intervalMs, QObject *parent) : QObject(parent), m_interval(intervalMs) {}

Timer::~Timer()
{
    wake().schedule().forget(this);
    wake().arm();
}

void Timer::start()
{
    wake().schedule().forget(this);
    wake().schedule().add(this, 0, m_interval, wake().now());
    wake().arm();
}

void Timer::setEnabled(bool enabled)
{
    wake().schedule().setEnabled(this, 0, enabled, wake().now());
    wake().arm();
}

bool Timer::isEnabled() const { return wake().schedule().enabled(this, 0); }

} // namespace tolvane::qt
