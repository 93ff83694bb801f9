#pragma once

#include "platform/runtime_error.h"

namespace tolvane {

// The box of an untrapped error: the error's number and text, one OK button.
void showErrorBox(const QString &title, const RuntimeError &error);

QString errorBoxText(const RuntimeError &error);

} // namespace tolvane
