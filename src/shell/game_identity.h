#pragma once

#include <QString>

namespace tolvane {

// The game's name as the player sees it in captions and boxes.
inline QString gameTitle() { return QStringLiteral("LE TOLVANE VIRAIL"); }

} // namespace tolvane
