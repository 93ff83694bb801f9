#pragma once

#include "player.h"

#include <string_view>

namespace tolvane::conformance {

// Every rule of the runtime contract, checked on the player's runtime; prints
// each group's result and "N passed, N failed". `only`, when not empty, runs
// the groups whose names contain it. Returns the number of failed groups.
int runConformanceSuite(Player &player, std::string_view only = {});

} // namespace tolvane::conformance
