#include "platform/qt/program_icon.h"

#include "app_identity.h"

#include <QGuiApplication>

namespace tolvane::qt {

QIcon programIcon()
{
    // Every size a title bar or task switcher asks for, at 1x and 2x.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/app/%1x%1/tolvane.png").arg(size), QSize(size, size));
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
