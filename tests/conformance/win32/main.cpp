// The conformance suite and the random player on the Win32 runtime, on real
// windows with input handed to the desktop. Run under Wine in a virtual
// display by tests/win32/run_under_wine.sh, or on Windows as it is.
//
//   TOLVANE_CONFORMANCE_ONLY=part-of-a-group-name   runs those groups alone
//   TOLVANE_PLAY_ACTIONS=N                          random actions in all
//   TOLVANE_PLAY_SEED=N                             replays one random game

#include "platform/win32/text.h"
#include "random_player.h"
#include "suite.h"
#include "win32/win32_player.h"

namespace {

std::string fromEnvironment(const wchar_t *name)
{
    wchar_t value[256] = {};
    GetEnvironmentVariableW(name, value, 256);
    return tolvane::win32::narrow(value);
}

long long numberFromEnvironment(const wchar_t *name, long long fallback)
{
    const std::string value = fromEnvironment(name);
    return value.empty() ? fallback : std::stoll(value);
}

} // namespace

int wmain()
{
    using namespace tolvane::conformance;
    Win32Player player;
    int failed = 0;
    bool held = true;
    player.play([&] {
        failed = runConformanceSuite(player, fromEnvironment(L"TOLVANE_CONFORMANCE_ONLY"));
        player.renewRuntime();
        RandomPlay how;
        how.actions = numberFromEnvironment(L"TOLVANE_PLAY_ACTIONS", 2000);
        // In real time: long waits of up to 1.5 s, the title's 3 s reached by two.
        how.shortWaits = {0, 1, 10, 50};
        how.longWaits = {499, 1500};
        if (const long long seed = numberFromEnvironment(L"TOLVANE_PLAY_SEED", -1); seed >= 0) {
            how.firstSeed = std::uint64_t(seed);
            how.oneGame = true;
        }
        held = how.actions == 0 || playRandomly(player, how);
    });
    return failed == 0 && held ? 0 : 1;
}
