#pragma once

#include <QString>

namespace tolvane::qt {

// The box of an untrapped error: its title, its message, one OK button.
void showErrorBox(const QString &title, const QString &message);

} // namespace tolvane::qt
