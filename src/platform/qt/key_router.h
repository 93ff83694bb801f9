#pragma once

#include <QObject>

namespace tolvane::qt {

// Hands every key meant for a game window to that window's rules
// (Form::key) before Qt's own ways with it: no mnemonic shortcut, menu
// shortcut or focus chain of Qt's decides anything for the game's windows.
class KeyRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace tolvane::qt
