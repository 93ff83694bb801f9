// The floor for start-up: a Qt program that shows one empty window of the
// title window's size and does nothing else. Prints, at the end of its first
// paint, the time since the parent's clock reading passed in
// TOLVANE_BENCH_T0 (CLOCK_MONOTONIC, ns) and its peak resident memory, then
// leaves at once.
//
//     tolvane-bench-bare WIDTH HEIGHT

#include "paint_watch.h"

#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace tolvane::bench;

int main(int argc, char *argv[])
{
    const std::int64_t t0 = std::getenv("TOLVANE_BENCH_T0") ? std::atoll(std::getenv("TOLVANE_BENCH_T0")) : monotonicNs();
    const int width = argc > 2 ? std::atoi(argv[1]) : 531;
    const int height = argc > 2 ? std::atoi(argv[2]) : 483;

    int qtArgc = argc > 0 ? 1 : 0;
    WatchedApplication app(qtArgc, argv);
    QWidget window;
    app.watchPaint([&](QWidget *w) { return w == &window; },
                   [&](QWidget *, std::int64_t painted) {
                       char line[128];
                       std::snprintf(line, sizeof line, "startup_ns=%lld", static_cast<long long>(painted - t0));
                       writeLine(line);
                       std::snprintf(line, sizeof line, "hwm_kb=%ld", peakResidentKb());
                       writeLine(line);
                       _exit(0);
                   });
    window.resize(width, height);
    window.show();
    return app.exec();
}
