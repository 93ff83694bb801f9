// The floor for start-up: a Qt program that shows one empty window of the
// title window's size and does nothing else. Prints, at the end of its first
// paint, the time since the parent's clock reading passed in
// TOLVANE_BENCH_T0 (CLOCK_MONOTONIC, ns) and its peak resident memory, then
// leaves at once.
//
//     tolvane-bench-bare WIDTH HEIGHT [--caption]
//
// With --caption the window also holds one line of text, so that the figure
// includes what any text costs Qt at start-up (the font database, a layout).

#include "paint_watch.h"

#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

using namespace tolvane::bench;

int main(int argc, char *argv[])
{
    const std::int64_t mainEntered = monotonicNs();
    const std::int64_t t0 = std::getenv("TOLVANE_BENCH_T0") ? std::atoll(std::getenv("TOLVANE_BENCH_T0")) : mainEntered;
    const int width = argc > 2 ? std::atoi(argv[1]) : 531;
    const int height = argc > 2 ? std::atoi(argv[2]) : 483;

    int qtArgc = argc > 0 ? 1 : 0;
    WatchedApplication app(qtArgc, argv);
    const std::int64_t appMade = monotonicNs();
    QWidget window;
    app.watchPaint([&](QWidget *w) { return w == &window; },
                   [&](QWidget *, std::int64_t painted) {
                       char line[128];
                       std::snprintf(line, sizeof line, "startup_ns=%lld", static_cast<long long>(painted - t0));
                       writeLine(line);
                       std::snprintf(line, sizeof line, "main_ns=%lld app_ns=%lld", static_cast<long long>(mainEntered - t0),
                                     static_cast<long long>(appMade - t0));
                       writeLine(line);
                       std::snprintf(line, sizeof line, "hwm_kb=%ld", peakResidentKb());
                       writeLine(line);
                       _exit(0);
                   });
    if (argc > 3 && std::strcmp(argv[3], "--caption") == 0) {
        auto *caption = new QLabel(QStringLiteral("Jouons tout de suite..."), &window);
        caption->move(10, 10);
    }
    window.resize(width, height);
    window.show();
    return app.exec();
}
