#include "platform/qt/input_box.h"

#include "platform/qt/display.h"
#include "platform/qt/text.h"
#include "platform/qt/x11_frame.h"
#include "runtime/input_box.h"

#include <QApplication>
#include <QInputDialog>
#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace tolvane::qt::inputBox {

namespace {
QPointer<QInputDialog> openBox;
}

QString ask(const QString &prompt, const QString &title, DesktopFrame &frame)
{
    if (openBox)
        return {}; // one box at a time: a second one gives the empty text at once
    QInputDialog box;
    box.setObjectName(QStringLiteral("InputBox"));
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(QString());
    box.setOkButtonText(toQString(runtime::inputBoxOk));
    box.setCancelButtonText(toQString(runtime::inputBoxCancel));
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    // Wide enough for its title to be read whole in the frame.
    box.setFixedSize(std::max(box.width(), 400), box.height());

    // Centred across the display by its outer frame, its top a third of the
    // way down. The window manager is asked for the box's frame; one that does
    // not say draws the frame of the game's windows.
    const QMargins margins = x11frame::askBeforeShow(&box, frame.managerSilent).value_or(frame.known());
    const QRect screen = display::geometry();
    const runtime::BoxPlace place =
        runtime::inputBoxPlace(screen.width(), screen.height(), box.width() + margins.left() + margins.right());
    const QPoint at = screen.topLeft() + QPoint(place.left, place.top);
    box.move(at);
    if (box.testAttribute(Qt::WA_WState_Created) && box.windowHandle())
        box.windowHandle()->setFramePosition(at); // placed by its frame, like the game's windows

    openBox = &box;
    const QPointer<QWidget> before = QApplication::activeWindow();
    const int result = box.exec();
    openBox = nullptr;
    // The window that had the keys before the box has them again.
    if (before && before->isVisible())
        before->activateWindow();
    return result == QDialog::Accepted ? box.textValue() : QString();
}

void dismiss()
{
    if (openBox)
        openBox->reject();
}

} // namespace tolvane::qt::inputBox
