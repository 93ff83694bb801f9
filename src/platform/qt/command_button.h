#pragma once

#include <QPushButton>

namespace tolvane::qt {

// A plain push button, never its window's default button: Enter in a text
// box presses nothing. What its keys do (Enter, Space, its Alt+letter) the
// window's rules decide (Form::key).
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);
};

} // namespace tolvane::qt
