// The conformance suite and random play on the web runtime, in a page that a
// driver outside the browser plays with WebDriver (tests/web/
// test_conformance.py). The page's address may end in "#part-of-a-group-name"
// to run those groups alone, or carry "?suite" to run the whole suite alone:
// either way without the random play.

#include "random_player.h"
#include "suite.h"
#include "web/player_page.h"
#include "web/web_player.h"

#include <string>

int main()
{
    using namespace tolvane::conformance;
    WebPlayer player;
    std::string only(256, '\0');
    only.resize(std::size_t(player_only(only.data(), int(only.size()) + 1)));
    bool passed = runConformanceSuite(player, only) == 0;
    if (only.empty() && player_random_play()) {
        player.renewRuntime();
        // Each action goes out to the driver and back: a few hundred of them,
        // in real time, the long waits letting the game's timers fire.
        RandomPlay how;
        how.actions = 150;
        how.actionsPerGame = 75;
        how.shortWaits = {0, 1, 5, 20};
        how.longWaits = {300, 800, 1600};
        how.longWaitOdds = 8;
        passed = playRandomly(player, how) && passed;
    }
    player_finished(passed ? 0 : 1);
    return passed ? 0 : 1;
}
