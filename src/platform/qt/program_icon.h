#pragma once

#include <QIcon>

class QGuiApplication;

namespace tolvane::qt {

// The program icon, at 16 and 32 pixels: a slanted white window with its
// cyan title band. Every window of the game shows it.
QIcon programIcon();

// The program's id on the desktop, matching its desktop entry and metainfo.
inline constexpr const char *desktopFileName = "fr.korvath.tolvane";

// Gives the application its icon and its desktop id, before any window exists.
void installProgramIdentity(QGuiApplication &app);

} // namespace tolvane::qt
