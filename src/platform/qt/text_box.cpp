#include "platform/qt/text_box.h"

#include <limits>

namespace tolvane::qt {

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    setFocusPolicy(Qt::StrongFocus);
}

} // namespace tolvane::qt
