// The conformance suite and a million random actions on the headless runtime,
// in virtual time.
//
//   TOLVANE_CONFORMANCE_ONLY=part-of-a-group-name   runs those groups alone
//   TOLVANE_PLAY_ACTIONS=N                          random actions in all
//   TOLVANE_PLAY_SEED=N                             replays one random game

#include "headless/headless_player.h"
#include "random_player.h"
#include "suite.h"

#include <cstdlib>

namespace {
long long fromEnvironment(const char *name, long long fallback)
{
    const char *value = std::getenv(name);
    return value && *value ? std::atoll(value) : fallback;
}
} // namespace

int main()
{
    using namespace tolvane::conformance;
    HeadlessPlayer player;
    const char *only = std::getenv("TOLVANE_CONFORMANCE_ONLY");
    const int failed = runConformanceSuite(player, only ? only : "");
    player.renewRuntime();
    RandomPlay how;
    how.actions = fromEnvironment("TOLVANE_PLAY_ACTIONS", 1'000'000);
    how.shortWaits = {1, 10, 100};
    how.longWaits = {499, 1500, 3000, 4000};
    if (const long long seed = fromEnvironment("TOLVANE_PLAY_SEED", -1); seed >= 0) {
        how.firstSeed = std::uint64_t(seed);
        how.oneGame = true;
    }
    const bool held = playRandomly(player, how);
    return failed == 0 && held ? 0 : 1;
}
