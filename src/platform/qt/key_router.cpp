#include "platform/qt/key_router.h"

#include "platform/qt/form.h"

#include <QApplication>
#include <QKeyEvent>

namespace tolvane::qt {

bool KeyRouter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    auto *form = widget ? qobject_cast<Form *>(widget->window()) : nullptr;
    auto *key = static_cast<QKeyEvent *>(event);
    const int k = key->key();
    if (!form || QApplication::activeModalWidget() || QApplication::activePopupWidget() || k == Qt::Key_Alt ||
        k == Qt::Key_Shift || k == Qt::Key_Control || k == Qt::Key_Meta || k == Qt::Key_AltGr)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Taken as a key of the window's, never as a shortcut.
        event->accept();
        return true;
    }
    return form->key(*key);
}

} // namespace tolvane::qt
