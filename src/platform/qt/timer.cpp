#include "platform/qt/timer.h"

#include <cmath>

namespace tolvane::qt {

Timer::Timer(int intervalMs, QObject *parent) : QObject(parent), m_interval(intervalMs)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::onTimeout);
}

void Timer::start()
{
    m_enabled = true;
    if (m_interval > 0) // an interval of 0 or less never ticks
        m_timer.start(m_interval);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    if (enabled) {
        start();
    } else {
        m_enabled = false;
        m_timer.stop();
    }
}

void Timer::onTimeout()
{
    if (m_enabled)
        emit tick();
}

} // namespace tolvane::qt
