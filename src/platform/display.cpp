#include "platform/display.h"

#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace tolvane::display {

QRect geometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 640, 480);
}

float widthTwips() { return pixelsToTwips(geometry().width()); }

float heightTwips() { return pixelsToTwips(geometry().height()); }

} // namespace tolvane::display
