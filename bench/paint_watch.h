#pragma once

// What every bench program shares: a monotonic clock, the process's peak
// resident memory, and an application object that tells when a window has
// been painted.
//
// "Painted" is the end of the paint pass that drew the window: Qt delivers an
// Expose (first show) or an UpdateRequest (later repaints) to the window, and
// inside that delivery the window, then each of its controls, receive their
// Paint and the backing store is flushed. When that enclosing delivery
// returns, the whole window is on the screen.

#include <QApplication>

#include <cstdint>
#include <functional>
#include <string_view>

class QWidget;

namespace tolvane::bench {

// CLOCK_MONOTONIC, in nanoseconds; the same clock in every process.
std::int64_t monotonicNs();

// VmHWM of this process, in kilobytes; -1 if it cannot be read.
long peakResidentKb();

// Writes a line to standard output at once, without stdio buffering, so that
// a process may _exit() right after.
void writeLine(const char *text);

// A window of the game, found as any tool finds a program's windows: the
// top-level widget named as its screen (the Qt runtime names each window and
// control as its layout does). windowNamed gives nullptr before it exists.
bool isWindowOf(const QWidget *window, std::string_view screenName);
QWidget *windowNamed(std::string_view screenName);

// Runs the event loop for `ms` milliseconds. Unlike QTest's waits, it never
// sleeps between events, so a timer fires when it is due.
void runEventLoopFor(int ms);

class WatchedApplication : public QApplication {
public:
    WatchedApplication(int &argc, char **argv);

    using Match = std::function<bool(QWidget *window)>;
    using Done = std::function<void(QWidget *window, std::int64_t paintedNs)>;

    // Arms the watch: `done` runs once, at the end of the next paint pass that
    // draws a top-level widget for which `match` is true. Replaces any armed watch.
    void watchPaint(Match match, Done done);
    void cancelWatch();
    bool isWatching() const { return bool(m_match); }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void finish();

    Match m_match;
    Done m_done;
    int m_depth = 0;
    int m_paintDepth = 0; // depth of the matching Paint delivery, 0 before it
    QWidget *m_painted = nullptr;
};

} // namespace tolvane::bench
