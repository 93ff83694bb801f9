#pragma once

#include "shell/screen_registry.h"

class QApplication;

namespace tolvane {

// Plays one game: the start-up screen first, then the message loop until the
// game ends. Returns the program's exit status.
int playGame(QApplication &app, const ScreenRegistry::Factory &screens);

} // namespace tolvane
