#include "shell/game.h"

#include "runtime/runtime.h"

namespace tolvane {

int playGame(runtime::Runtime &runtime, const ScreenRegistry::Factory &screens)
{
    ScreenRegistry registry(runtime, screens);
    registry.pictures().decodeInBackground();
    registry.start();
    return registry.hasEnded() ? registry.exitStatus() : runtime.run();
}

} // namespace tolvane
