#pragma once

#include "shell/screen_registry.h"

namespace tolvane {

namespace runtime {
class Runtime;
}

// Plays one game on a runtime: the start-up screen first, then the runtime's
// message loop until the game ends. Returns the program's exit status.
int playGame(runtime::Runtime &runtime, const ScreenRegistry::Factory &screens);

} // namespace tolvane
