#pragma once

#include <QRect>

namespace tolvane::qt::display {

// The primary screen, in logical pixels.
QRect geometry();

// Screen.Width and Screen.Height, in twips.
float widthTwips();
float heightTwips();

} // namespace tolvane::qt::display
