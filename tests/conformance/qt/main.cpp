// The conformance suite and random play on the Qt runtime: real widgets,
// Qt's own input events, real time.
//
//   TOLVANE_CONFORMANCE_ONLY=part-of-a-group-name   runs those groups alone
//   TOLVANE_PLAY_ACTIONS=N                          random actions in all

#include "qt/qt_player.h"
#include "random_player.h"
#include "suite.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char *argv[])
{
    using namespace tolvane::conformance;
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QtPlayer player(app);
    const char *only = std::getenv("TOLVANE_CONFORMANCE_ONLY");
    const int failed = runConformanceSuite(player, only ? only : "");
    player.renewRuntime();
    RandomPlay how;
    const char *actions = std::getenv("TOLVANE_PLAY_ACTIONS");
    how.actions = actions && *actions ? std::atoll(actions) : 2000;
    // Real time: the long waits are the ones that let the game's timers fire.
    how.shortWaits = {0, 1, 5, 20};
    how.longWaits = {300, 800, 1600};
    how.longWaitOdds = 8;
    const bool held = playRandomly(player, how);
    return failed == 0 && held ? 0 : 1;
}
