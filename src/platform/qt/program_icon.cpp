#include "platform/qt/program_icon.h"

#include "app_identity.h"

#include <QGuiApplication>

namespace tolvane::qt {

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/app/16x16/tolvane.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/app/32x32/tolvane.png"), QSize(32, 32));
    return icon;
}

} // namespace tolvane::qt

namespace tolvane::qt {

void installProgramIdentity(QGuiApplication &)
{
    // The id its desktop entry and metainfo are installed under.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(appId));
    QGuiApplication::setWindowIcon(programIcon());
}

} // namespace tolvane::qt
