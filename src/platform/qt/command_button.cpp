#include "platform/qt/command_button.h"

namespace tolvane::qt {

CommandButton::CommandButton(QWidget *parent) : QPushButton(parent)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

} // namespace tolvane::qt
