// The game as its program starts it, with a watch on its windows' paints.
//
//     tolvane-bench-game                     start-up: exactly what the game's
//         main() does; at the end of the title window's first paint, prints the
//         time since the parent's clock reading in TOLVANE_BENCH_T0
//         (CLOCK_MONOTONIC, ns), the window's outer size and the peak resident
//         memory, then leaves at once.
//     tolvane-bench-game --whole-game right|wrong
//         the same start, then a whole game played with the answers all right
//         or all wrong (timers shortened): prints each move, cold, and the peak
//         resident memory at the end of the game.

#include "paint_watch.h"
#include "scripted_game.h"

#include "platform/qt/form.h"
#include "platform/qt/image.h"
#include "platform/qt/startup.h"
#include "platform/qt/timer.h"
#include "screens/screen_factory.h"
#include "shell/game.h"

#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

using namespace tolvane;
using namespace tolvane::qt;
using namespace tolvane::bench;

namespace {

// Where the start-up time goes: main() entered, the application object made,
// Qt's French texts loaded.
std::int64_t mainEntered = 0, appMade = 0, translated = 0;
qt::QtRuntime *gameRuntime = nullptr;

int startUp(WatchedApplication &app, std::int64_t t0)
{
    const ScreenLayout *title = &layoutOf(ScreenId::TOLVANE1);
    app.watchPaint(
        [title](QWidget *window) {
            auto *form = qobject_cast<Form *>(window);
            return form && form->layout().name == title->name;
        },
        [t0](QWidget *window, std::int64_t painted) {
            char line[128];
            std::snprintf(line, sizeof line, "startup_ns=%lld", static_cast<long long>(painted - t0));
            writeLine(line);
            std::snprintf(line, sizeof line, "main_ns=%lld app_ns=%lld translations_ns=%lld",
                          static_cast<long long>(mainEntered - t0), static_cast<long long>(appMade - t0),
                          static_cast<long long>(translated - t0));
            writeLine(line);
            const QSize outer = static_cast<Form *>(window)->outerSize();
            std::snprintf(line, sizeof line, "outer=%dx%d", outer.width(), outer.height());
            writeLine(line);
            std::snprintf(line, sizeof line, "hwm_kb=%ld", peakResidentKb());
            writeLine(line);
            _exit(0);
        });
    return playGame(*gameRuntime, makeScreen);
}

int wholeGame(WatchedApplication &app, bool right)
{
    // The waits of the title and closing windows cost nothing here.
    setTimerScale(0.02);
    ScriptedGame game(app);
    game.notePeaks(true);
    const std::vector<Move> moves = game.play(right);
    if (moves.empty()) {
        std::fprintf(stderr, "whole game: %s\n", qPrintable(game.failure()));
        return 1;
    }
    // The closing window's taunts, then the portrait clicked.
    runEventLoopFor(200);
    if (Form *closing = game.form(ScreenId::tolvane17)) {
        if (auto *portrait = closing->controlAs<Image>(u"Image1"))
            QTest::mouseClick(portrait, Qt::LeftButton, {}, QPoint(2, 2));
    }
    game.settle();
    runEventLoopFor(50);
    if (!game.failure().isEmpty()) {
        std::fprintf(stderr, "whole game: %s\n", qPrintable(game.failure()));
        return 1;
    }
    char line[160];
    for (const Move &move : moves) {
        std::snprintf(line, sizeof line, "move %d %s %s %lld", move.step, move.right ? "right" : "wrong",
                      move.kind == MoveKind::Answer ? "answer" : "next", static_cast<long long>(move.ns));
        writeLine(line);
    }
    std::string peaks = "peaks";
    for (const auto &[screen, kb] : game.peakAfterPaint())
        peaks += " " + std::string(nameOf(screen)) + ":" + std::to_string(kb);
    writeLine(peaks.c_str());
    std::snprintf(line, sizeof line, "hwm_kb=%ld", peakResidentKb());
    writeLine(line);
    _exit(0);
}

} // namespace

int main(int argc, char *argv[])
{
    const char *given = std::getenv("TOLVANE_BENCH_T0");
    mainEntered = monotonicNs();
    const std::int64_t t0 = given ? std::atoll(given) : mainEntered;
    const bool whole = argc > 1 && std::strcmp(argv[1], "--whole-game") == 0;
    const bool right = !(argc > 2 && std::strcmp(argv[2], "wrong") == 0);

    // What the game's main() does.
    choosePlatform();
    int qtArgc = argc > 0 ? 1 : 0;
    WatchedApplication app(qtArgc, argv);
    appMade = monotonicNs();
    qt::QtRuntime qtRuntime(app);
    gameRuntime = &qtRuntime;
    translated = monotonicNs();
    return whole ? wholeGame(app, right) : startUp(app, t0);
}
