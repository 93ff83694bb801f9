#include "runtime/timer_schedule.h"

#include <algorithm>

namespace tolvane::runtime {

void TimerSchedule::add(const void *window, ControlIndex control, int interval, double now)
{
    const int counted = interval > 0 ? std::max(1, interval) : 0;
    m_timers.push_back({window, control, counted, now + counted, counted > 0});
}

TimerSchedule::Timer *TimerSchedule::find(const void *window, ControlIndex control)
{
    const auto t = std::find_if(m_timers.begin(), m_timers.end(),
                                [&](const Timer &t) { return t.window == window && t.control == control; });
    return t == m_timers.end() ? nullptr : &*t;
}

void TimerSchedule::setEnabled(const void *window, ControlIndex control, bool enabled, double now)
{
    Timer *timer = find(window, control);
    if (!timer || timer->interval == 0 || timer->enabled == enabled)
        return;
    timer->enabled = enabled;
    if (enabled)
        timer->due = now + timer->interval;
}

bool TimerSchedule::enabled(const void *window, ControlIndex control) const
{
    return std::any_of(m_timers.begin(), m_timers.end(),
                       [&](const Timer &t) { return t.window == window && t.control == control && t.enabled; });
}

void TimerSchedule::forget(const void *window)
{
    std::erase_if(m_timers, [&](const Timer &t) { return t.window == window; });
}

void TimerSchedule::stopAll()
{
    for (Timer &t : m_timers)
        t.enabled = false;
}

std::optional<TimerSchedule::Tick> TimerSchedule::takeDue(double now, bool skipMissed)
{
    Timer *first = nullptr;
    for (Timer &t : m_timers) {
        if (t.enabled && t.due <= now && (!first || t.due < first->due))
            first = &t;
    }
    if (!first)
        return std::nullopt;
    const Tick tick{first->window, first->control, first->due};
    first->due += first->interval;
    if (skipMissed && first->due <= now)
        first->due = now + first->interval;
    return tick;
}

std::optional<double> TimerSchedule::nextDue() const
{
    std::optional<double> next;
    for (const Timer &t : m_timers) {
        if (t.enabled && (!next || t.due < *next))
            next = t.due;
    }
    return next;
}

} // namespace tolvane::runtime
