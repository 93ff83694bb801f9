#pragma once

#include <QObject>
#include <QTimer>

namespace tolvane::qt {

// A window's timer: ticks every interval from the moment its window loads,
// hidden or not, until it is disabled. (A tick whose handler still waits in
// the name prompt is dropped by the game itself.)
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(int intervalMs, QObject *parent = nullptr);

    int interval() const { return m_interval; }
    bool isEnabled() const { return m_enabled; }
    void start();
    void setEnabled(bool enabled);
    bool isActive() const { return m_timer.isActive(); }

signals:
    void tick();

private:
    void onTimeout();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
};

} // namespace tolvane::qt
