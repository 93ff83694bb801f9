#pragma once

#include "player.h"

#include <cstdint>
#include <vector>

namespace tolvane::conformance {

// How the random player plays: how many actions in all and per game, which
// waits it makes (short ones between most actions, long ones that let the
// game's timers fire), and from which seed.
struct RandomPlay {
    long long actions = 2000;
    long long actionsPerGame = 400;
    std::vector<int> shortWaits{0, 1, 10, 50};
    std::vector<int> longWaits{499, 1500, 3000};
    int longWaitOdds = 4; // one wait in so many is a long one
    std::uint64_t firstSeed = 20261208;
    bool renewEachGame = true;
    bool oneGame = false; // a single game, to replay a seed
};

// Plays games on the player's runtime through the player, any action at
// all, checking the game's rules after each; prints "random play on RUNTIME:
// N actions", or the broken rule with its seed and last actions. True when
// every rule held.
bool playRandomly(Player &player, const RandomPlay &how);

} // namespace tolvane::conformance
