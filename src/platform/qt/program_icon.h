#pragma once

#include <QIcon>

class QGuiApplication;

namespace tolvane::qt {

// The program icon, at 16 and 32 pixels: a slanted white window with its
// cyan title band. Every window of the game shows it.
QIcon programIcon();

// Gives the application its icon and its desktop id, before any window exists.
void installProgramIdentity(QGuiApplication &app);

} // namespace tolvane::qt
