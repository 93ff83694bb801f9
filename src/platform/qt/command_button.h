#pragma once

#include <QPushButton>

namespace tolvane::qt {

// A plain push button. It is never its window's default button, so Enter in a
// text box presses nothing; while the button itself has the focus, Enter
// presses it just as Space does. Its Alt+letter clicks it at once, as on
// every runtime of the game.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tolvane::qt
