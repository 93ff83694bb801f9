#include "platform/error_box.h"

#include <QMessageBox>

namespace tolvane {

QString errorBoxText(const RuntimeError &error)
{
    return QStringLiteral("Erreur d'exécution '%1':\n\n%2").arg(error.number()).arg(error.text());
}

void showErrorBox(const QString &title, const RuntimeError &error)
{
    QMessageBox box(QMessageBox::Critical, title, errorBoxText(error), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

} // namespace tolvane
