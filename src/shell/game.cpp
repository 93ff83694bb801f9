#include "shell/game.h"

#include <QApplication>

namespace tolvane {

int playGame(QApplication &app, const ScreenRegistry::Factory &screens)
{
    // The game decides when it is over: a hidden screen is still part of it,
    // and the name prompt may be the only window on view.
    app.setQuitOnLastWindowClosed(false);
    ScreenRegistry registry(screens);
    registry.start();
    if (registry.hasEnded())
        return registry.exitStatus();
    return app.exec();
}

} // namespace tolvane
