#pragma once

#include "platform/qt/desktop_frame.h"

#include <QString>

namespace tolvane::qt::inputBox {

// The modal input box: a prompt, a title, an empty field, OK and Cancel in the
// desktop's language. Returns the typed text on OK, and the empty text on
// Cancel or when the box is closed. Events keep flowing while it is open.
QString ask(const QString &prompt, const QString &title, DesktopFrame &frame);

// Closes an open box as Cancel would; used when the game ends under it.
void dismiss();

} // namespace tolvane::qt::inputBox
