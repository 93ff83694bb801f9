#include "platform/qt/error_box.h"

#include <QMessageBox>

namespace tolvane::qt {

void showErrorBox(const QString &title, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

} // namespace tolvane::qt
