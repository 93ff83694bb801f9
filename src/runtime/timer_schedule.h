#pragma once

// The game's timers, for the runtimes that keep them on one wake-up of
// their own (headless, web, Qt): each counts from when it is added; an interval below 1 ms counts as 1 ms,
// and one of 0 or less never ticks; a disabled timer is silent, and enabling
// it again counts its interval afresh. Times are milliseconds on the
// runtime's clock.

#include "runtime/window.h"

#include <optional>
#include <vector>

namespace tolvane::runtime {

class TimerSchedule {
public:
    // `window` only tells the timers of one window from another's.
    void add(const void *window, ControlIndex control, int interval, double now);
    void setEnabled(const void *window, ControlIndex control, bool enabled, double now);
    bool enabled(const void *window, ControlIndex control) const;
    // The window's timers are gone.
    void forget(const void *window);
    // No timer ticks again.
    void stopAll();

    struct Tick {
        const void *window;
        ControlIndex control;
        double due;
    };
    // The timer due first at or before `now` (among those due together, the
    // first added), its next tick counted. With `skipMissed`, a timer that
    // fell more than an interval behind (the program slept) next ticks one
    // interval from `now` instead of catching up tick by tick.
    std::optional<Tick> takeDue(double now, bool skipMissed = false);
    // When the next enabled timer is due; none if no timer is.
    std::optional<double> nextDue() const;

private:
    struct Timer {
        const void *window;
        ControlIndex control;
        int interval; // 0: never ticks
        double due;
        bool enabled;
    };
    Timer *find(const void *window, ControlIndex control);
    std::vector<Timer> m_timers; // in the order added
};

} // namespace tolvane::runtime
