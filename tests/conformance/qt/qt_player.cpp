#include "qt/qt_player.h"

#include "platform/qt/form.h"
#include "platform/qt/label.h"
#include "platform/qt/window.h"
#include "platform/qt/text.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <functional>
#include <utility>

namespace tolvane::conformance {

namespace {

qt::Form &formOf(runtime::Window &window) { return *static_cast<qt::QtWindow &>(window).form(); }

QInputDialog *openInputBox()
{
    auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
    return box && box->isVisible() ? box : nullptr;
}

QMessageBox *openErrorBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    return box && box->isVisible() ? box : nullptr;
}

QPushButton *buttonOf(QWidget *box, QDialogButtonBox::StandardButton which)
{
    auto *buttons = box ? box->findChild<QDialogButtonBox *>() : nullptr;
    return buttons ? buttons->button(which) : nullptr;
}

// Everything the input led to, delivered: the events it posted and those of
// the window system (an activation, a popup shown), without waiting for time.
void settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Waits until `ready`, two seconds at most; says what it waited for if it never came.
void waitUntil(const std::function<bool()> &ready, const char *what)
{
    if (!QTest::qWaitFor(ready, 2000))
        qWarning("qt player: waited 2 s in vain for %s", what);
}

} // namespace

QtPlayer::QtPlayer(QApplication &app) : m_app(app)
{
    m_clock.start();
    renewRuntime();
    // A box runs its own loop: the player acts from a timer of that loop.
    m_boxWatch.setInterval(5);
    QObject::connect(&m_boxWatch, &QTimer::timeout, [this] { watchForBoxes(); });
    m_boxWatch.start();
}

QtPlayer::~QtPlayer() = default;

void QtPlayer::renewRuntime()
{
    m_runtime.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_runtime = std::make_unique<qt::QtRuntime>(m_app);
}

void QtPlayer::watchForBoxes()
{
    if (m_inputBoxAct && openInputBox()) {
        auto act = std::exchange(m_inputBoxAct, {});
        waitUntil([] {
            QInputDialog *box = openInputBox();
            return box && box->isActiveWindow() && qobject_cast<QLineEdit *>(QApplication::focusWidget());
        }, "the input box active with its field focused");
        act();
    } else if (m_errorBoxAct && openErrorBox()) {
        auto act = std::exchange(m_errorBoxAct, {});
        waitUntil([] {
            QMessageBox *box = openErrorBox();
            return box && box->isActiveWindow() && qobject_cast<QPushButton *>(QApplication::focusWidget());
        }, "the error box active with its button focused");
        act();
    }
}

QWidget *QtPlayer::keyTarget() const
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal->focusWidget() ? modal->focusWidget() : modal;
    if (QWidget *focus = QApplication::focusWidget())
        return focus;
    return QApplication::activeWindow();
}

void QtPlayer::key(int qtKey, int modifiers, const QString &text)
{
    QWidget *target = keyTarget();
    if (!target)
        return;
    const auto mods = Qt::KeyboardModifiers(modifiers);
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key(qtKey), text, mods);
    if (QWidget *after = keyTarget(); after == target)
        QTest::sendKeyEvent(QTest::Release, target, Qt::Key(qtKey), text, mods);
    settle();
}

void QtPlayer::press(Key k)
{
    switch (k) {
    case Key::Tab:
        return key(Qt::Key_Tab, Qt::NoModifier);
    case Key::BackTab:
        return key(Qt::Key_Backtab, Qt::ShiftModifier);
    case Key::Enter:
        return key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    case Key::Space:
        return key(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    case Key::Escape:
        return key(Qt::Key_Escape, Qt::NoModifier);
    case Key::Left:
        return key(Qt::Key_Left, Qt::NoModifier);
    case Key::Right:
        return key(Qt::Key_Right, Qt::NoModifier);
    case Key::Up:
        return key(Qt::Key_Up, Qt::NoModifier);
    case Key::Down:
        return key(Qt::Key_Down, Qt::NoModifier);
    }
}

void QtPlayer::pressAlt(char letter) { key(Qt::Key_A + (letter - 'A'), Qt::AltModifier); }

void QtPlayer::pressLetter(char letter)
{
    key(Qt::Key_A + (letter - 'A'), Qt::NoModifier, QString(QChar(letter - 'A' + 'a')));
}

// The desktop's own key: the window manager closes the active window.
void QtPlayer::pressAltF4()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
    else if (QWidget *active = QApplication::activeWindow())
        active->close();
    settle();
}

void QtPlayer::pressHeld(Key k, char altLetter)
{
    QWidget *target = keyTarget();
    if (!target)
        return;
    static const std::pair<Key, int> keys[] = {{Key::Tab, Qt::Key_Tab},     {Key::BackTab, Qt::Key_Backtab},
                                               {Key::Enter, Qt::Key_Return}, {Key::Space, Qt::Key_Space},
                                               {Key::Escape, Qt::Key_Escape}, {Key::Left, Qt::Key_Left},
                                               {Key::Right, Qt::Key_Right}, {Key::Up, Qt::Key_Up},
                                               {Key::Down, Qt::Key_Down}};
    int qtKey = Qt::Key_A + (altLetter - 'A');
    for (const auto &[key, code] : keys) {
        if (!altLetter && key == k)
            qtKey = code;
    }
    const QString text = altLetter ? QString() : k == Key::Space ? QStringLiteral(" ") : k == Key::Enter ? QStringLiteral("\r") : QString();
    QKeyEvent repeat(QEvent::KeyPress, qtKey, altLetter ? Qt::AltModifier : Qt::NoModifier, text, true);
    QCoreApplication::sendEvent(target, &repeat);
    settle();
}

void QtPlayer::type(std::string_view utf8)
{
    const QString text = qt::toQString(utf8);
    QWidget *target = keyTarget();
    if (!target || text.isEmpty())
        return;
    if (text.size() > 64) {
        // Long texts come as an input method commits them, in one piece.
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(target, &commit);
        settle();
        return;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString unit(text[i]);
        if (text[i].isHighSurrogate() && i + 1 < text.size())
            unit += text[++i];
        const QChar c = unit[0];
        const int qtKey = c.unicode() < 0x80 ? int(QChar(c).toUpper().unicode()) : int(Qt::Key_unknown);
        QTest::sendKeyEvent(QTest::Press, target, Qt::Key(qtKey), unit, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, Qt::Key(qtKey), unit, Qt::NoModifier);
    }
    settle();
}

void QtPlayer::click(runtime::Window &window, runtime::ControlIndex control)
{
    qt::Form &form = formOf(window);
    auto *widget = qobject_cast<QWidget *>(form.controlAt(control));
    if (!widget)
        return;
    // The middle of the part of the control inside the client area, and
    // whatever lies in front there.
    QWidget *client = form.clientArea();
    const QRect inClient = QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()).intersected(client->rect());
    if (inClient.isEmpty())
        return;
    const QPoint at = inClient.center();
    QWidget *front = client->childAt(at);
    if (!front)
        front = client;
    const QPoint local = front->mapFrom(client, at);
    QTest::mouseClick(front, Qt::LeftButton, Qt::NoModifier, local);
    settle();
}

void QtPlayer::chooseMenu(runtime::Window &window, std::string_view item)
{
    qt::Form &form = formOf(window);
    QMenuBar *bar = form.menuBar();
    if (!bar)
        return;
    const QString name = qt::toQString(item);
    for (QAction *onBar : bar->actions()) {
        if (QMenu *menu = onBar->menu()) {
            for (QAction *inMenu : menu->actions()) {
                if (inMenu->objectName().compare(name, Qt::CaseInsensitive) != 0)
                    continue;
                QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(onBar).center());
                waitUntil([menu] { return menu->isVisible(); }, "the menu open");
                if (menu->isVisible())
                    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(inMenu).center());
                settle();
                return;
            }
        } else if (onBar->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(onBar).center());
            settle();
            return;
        }
    }
}

void QtPlayer::close(runtime::Window &window)
{
    formOf(window).close();
    settle();
}

void QtPlayer::wait(int ms) { QTest::qWait(ms); }

void QtPlayer::whenInputBoxOpens(std::function<void()> act) { m_inputBoxAct = std::move(act); }

bool QtPlayer::inputBoxOpen() { return openInputBox() != nullptr; }

void QtPlayer::clickInputBoxButton(bool ok)
{
    QPushButton *button = buttonOf(openInputBox(), ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

void QtPlayer::closeInputBox()
{
    if (QInputDialog *box = openInputBox())
        box->close();
    settle();
}

Player::InputBoxView QtPlayer::inputBoxView()
{
    InputBoxView view;
    QInputDialog *box = openInputBox();
    if (!box)
        return view;
    view.title = qt::toUtf8(box->windowTitle());
    view.prompt = qt::toUtf8(box->labelText());
    if (QPushButton *ok = buttonOf(box, QDialogButtonBox::Ok))
        view.okText = qt::toUtf8(ok->text().remove(QLatin1Char('&')));
    if (QPushButton *cancel = buttonOf(box, QDialogButtonBox::Cancel))
        view.cancelText = qt::toUtf8(cancel->text().remove(QLatin1Char('&')));
    const QRect frame = box->frameGeometry();
    view.centreX = frame.left() + frame.width() / 2;
    view.top = frame.top();
    const QRect display = QGuiApplication::primaryScreen()->geometry();
    view.displayWidth = display.width();
    view.displayHeight = display.height();
    return view;
}

void QtPlayer::whenErrorBoxOpens(std::function<void()> act) { m_errorBoxAct = std::move(act); }

bool QtPlayer::errorBoxOpen() { return openErrorBox() != nullptr; }

std::string QtPlayer::focusedControl(runtime::Window &window)
{
    qt::Form &form = formOf(window);
    QWidget *focus = form.focusWidget();
    if (!focus)
        return {};
    for (std::size_t i = 0; i < form.layout().controls.size(); ++i) {
        if (form.controlAt(i) == focus)
            return std::string(form.layout().controls[i].name);
    }
    return {};
}

bool QtPlayer::isActive(runtime::Window &window)
{
    qt::Form &form = formOf(window);
    return form.isVisible() && form.isActiveWindow();
}

// What a screen reader reads of the label.
std::string QtPlayer::shownText(runtime::Window &window, runtime::ControlIndex label)
{
    QObject *control = formOf(window).controlAt(label);
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(control);
    return read ? qt::toUtf8(read->text(QAccessible::Name)) : std::string();
}

} // namespace tolvane::conformance
