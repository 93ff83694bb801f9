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
    const int status = registry.hasEnded() ? registry.exitStatus() : app.exec();
    // The windows closed by the ending are deleted before the registry goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace tolvane
