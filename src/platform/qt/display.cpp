#include "platform/qt/display.h"

#include "platform/qt/twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace tolvane::qt::display {

QRect geometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 640, 480);
}

float widthTwips() { return twipsFromPixels(geometry().width()); }

float heightTwips() { return twipsFromPixels(geometry().height()); }

} // namespace tolvane::qt::display
