#pragma once

#include <QLineEdit>

namespace tolvane::qt {

// A single-line answer box: editable, empty at first, with no length limit,
// scrolling sideways as the text grows.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);
};

} // namespace tolvane::qt
