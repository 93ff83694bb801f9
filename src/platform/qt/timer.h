#pragma once

#include <QObject>

namespace tolvane::qt {

// A window's timer: ticks every interval from the moment its window loads,
// hidden or not, until it is disabled. Every timer of the game is on one
// schedule of the core's (runtime/timer_schedule.h), which keeps the rules,
// woken by one precise Qt timer. (A tick whose handler still waits in the
// name prompt is dropped by the game itself.)
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(int intervalMs, QObject *parent = nullptr);
    ~Timer() override;

    int interval() const { return m_interval; }
    // Counting from now; a timer of 0 ms or less never ticks.
    void start();
    void setEnabled(bool enabled);
    bool isEnabled() const;
    bool isActive() const { return isEnabled(); }

signals:
    void tick();

private:
    int m_interval = 0;
};

} // namespace tolvane::qt
