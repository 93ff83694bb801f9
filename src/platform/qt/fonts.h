#pragma once

// The two faces the layouts name are Windows faces. On Linux each is mapped onto
// a free face from Debian's font packages, installed by tools/install-deps.

#include "resources/screen_layout.h"

#include <QFont>
#include <QString>

namespace tolvane::qt {

// The installed face that stands in for a layout's face name.
QString installedFaceFor(std::string_view layoutFace);

QFont fontFor(const FontSpec &wanted);

// Opens the desktop's font database and finds the game's faces in it, the
// longest step of the start-up; done while the pictures decode beside it.
void prepareFonts();

} // namespace tolvane::qt
