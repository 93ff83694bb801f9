#include "platform/qt/input_box.h"

#include "platform/qt/display.h"

#include <QInputDialog>
#include <QPointer>

#include <algorithm>

namespace tolvane::qt::inputBox {

namespace {
QPointer<QInputDialog> openBox;
}

QString ask(const QString &prompt, const QString &title)
{
    QInputDialog box;
    box.setObjectName(QStringLiteral("InputBox"));
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(QString());
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    // Wide enough for its title to be read whole in the frame.
    box.setFixedSize(std::max(box.width(), 400), box.height());

    // Centred across the display, its top a third of the way down.
    const QRect screen = display::geometry();
    box.move(screen.x() + (screen.width() - box.width()) / 2, screen.y() + screen.height() / 3);

    openBox = &box;
    const int result = box.exec();
    openBox = nullptr;
    return result == QDialog::Accepted ? box.textValue() : QString();
}

bool isOpen() { return !openBox.isNull(); }

void dismiss()
{
    if (openBox)
        openBox->reject();
}

} // namespace tolvane::qt::inputBox
