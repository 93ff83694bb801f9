#include "shell/game.h"

#include "platform/fonts.h"
#include "resources/picture_cache.h"

#include <QApplication>

namespace tolvane {

int playGame(QApplication &app, const ScreenRegistry::Factory &screens)
{
    // The game decides when it is over: a hidden screen is still part of it,
    // and the name prompt may be the only window on view.
    app.setQuitOnLastWindowClosed(false);
    pictures::startDecodingInBackground();
    prepareFonts();
    ScreenRegistry registry(screens);
    registry.start();
    const int status = registry.hasEnded() ? registry.exitStatus() : app.exec();
    // The windows closed by the ending are deleted before the registry goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    pictures::finishDecodingInBackground();
    return status;
}

} // namespace tolvane
