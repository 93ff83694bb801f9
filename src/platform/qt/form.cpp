#include "platform/qt/form.h"

#include "platform/qt/colours.h"
#include "platform/qt/command_button.h"
#include "platform/qt/fonts.h"
#include "platform/qt/image.h"
#include "platform/qt/label.h"
#include "platform/qt/picture_box.h"
#include "platform/qt/text_box.h"
#include "platform/qt/timer.h"
#include "platform/qt/twips.h"
#include "platform/qt/x11_frame.h"
#include "platform/qt/picture.h"
#include "platform/qt/text.h"
#include "runtime/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tolvane::qt {

namespace {

// The client area: the window's back colour with its background picture drawn
// once at the top-left corner, beneath every control.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget *parent, const QColor &back, const ScaledPicture &picture)
        : QWidget(parent), m_back(back), m_picture(picture)
    {
        setObjectName(QStringLiteral("clientArea"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), m_back);
        m_picture.drawNatural(painter);
    }

private:
    QColor m_back;
    ScaledPicture m_picture;
};


// A picture that can be clicked: assistive technology can press it too,
// since it never takes the keyboard focus.
class AccessibleImage : public QAccessibleWidget {
public:
    explicit AccessibleImage(Image *image) : QAccessibleWidget(image, QAccessible::Graphic) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<Image *>(widget())->clicked();
    }
};

// Assistive technology sees each game window as a window with its caption,
// and each picture as an image.
QAccessibleInterface *accessibleGameWidget(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("tolvane::qt::Form"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String("tolvane::qt::Image"))
        return new AccessibleImage(static_cast<Image *>(object));
    return nullptr;
}

} // namespace

Form::Form(const ScreenLayout &layout, runtime::PictureSource &pictures, DesktopFrame &frame)
    : QWidget(nullptr), m_layout(layout), m_frame(frame), m_input(layout)
{
    static const bool accessibleFactoryInstalled = (QAccessible::installFactory(accessibleGameWidget), true);
    Q_UNUSED(accessibleFactoryInstalled);
    setObjectName(toQString(layout.name));
    setWindowTitle(toQString(layout.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(fontFor(windowFont));
    setAttribute(Qt::WA_DeleteOnClose, false);

    const QColor back = resolveColour(layout.backColour, palette().color(QPalette::Button), palette());
    m_client = new ClientArea(this, back, ScaledPicture(pictures, layout.backgroundPicture));

    buildMenuBar();
    const int menuHeight = m_menuBar ? m_menuBar->height() : 0;
    const int clientWidth = pixelsFromTwips(layout.clientWidth);
    const int clientHeight = pixelsFromTwips(layout.clientHeight);
    m_client->setGeometry(0, menuHeight, clientWidth, clientHeight);
    setFixedSize(clientWidth, clientHeight + menuHeight);
    // The design position, of the client area; every window but the About box
    // is centred by its load handler before it is first shown.
    setGeometry(pixelsFromTwips(layout.clientLeft), pixelsFromTwips(layout.clientTop) - menuHeight, width(), height());

    buildControls(pictures);
    buildTabOrder();
}

Form::~Form() = default;

void Form::buildMenuBar()
{
    if (!m_layout.menu.present())
        return;
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    m_menuBar->setNativeMenuBar(false);

    QMenu *game = m_menuBar->addMenu(toQString(gameMenuCaption));
    game->setObjectName(toQString(m_layout.menu.game));
    QAction *quit = game->addAction(toQString(quitItemCaption));
    quit->setObjectName(toQString(m_layout.menu.quit));
    QAction *about = m_menuBar->addAction(toQString(aboutItemCaption));
    about->setObjectName(toQString(m_layout.menu.about));

    for (QAction *item : {quit, about}) {
        const QString name = item->objectName();
        connect(item, &QAction::triggered, this, [this, name] { raiseEvent(name, QStringLiteral("Click")); });
    }
    m_menuItems = {game, quit, about};

    const int width = pixelsFromTwips(m_layout.clientWidth);
    const int height = m_menuBar->heightForWidth(width);
    m_menuBar->setGeometry(0, 0, width, height > 0 ? height : m_menuBar->sizeHint().height());
}

void Form::buildControls(runtime::PictureSource &pictures)
{
    std::vector<QWidget *> widgets; // in layout order, for the stacking
    for (const ControlLayout &c : m_layout.controls) {
        const QString name = toQString(c.name);
        const std::size_t index = m_byLayoutIndex.size();
        // What assistive technology is told of it.
        const QString spoken = toQString(runtime::accessibleControl(m_layout, index, c.caption).name);
        QWidget *parent = m_client;
        if (!c.container.empty()) {
            auto *box = controlAs<PictureBox>(toQString(c.container));
            Q_ASSERT_X(box, "Form", "a control's container must be a picture box laid out before it");
            parent = box ? box->innerArea() : m_client;
        }
        const QRect rect = pixelRect(controlRect(c));
        QWidget *widget = nullptr;

        switch (c.kind) {
        case ControlKind::Timer: {
            auto *timer = new Timer(c.interval, this);
            timer->setObjectName(name);
            connect(timer, &Timer::tick, this, [this, name] { raiseEvent(name, QStringLiteral("Timer")); });
            m_timers.push_back(timer);
            m_byLayoutIndex.push_back(timer);
            continue;
        }
        case ControlKind::Label: {
            auto *label = new Label(parent);
            label->setCaption(toQString(c.caption));
            QPalette pal = label->palette();
            pal.setColor(QPalette::WindowText,
                         resolveColour(c.foreColour, pal.color(QPalette::ButtonText), pal));
            label->setPalette(pal);
            widget = label;
            break;
        }
        case ControlKind::TextBox:
            widget = new TextBox(parent);
            widget->setAccessibleName(spoken);
            break;
        case ControlKind::CommandButton: {
            auto *button = new CommandButton(parent);
            button->setText(toQString(c.caption));
            // A click by the mouse or by assistive technology, as the rules take it.
            connect(button, &CommandButton::clicked, this, [this, index] { clicked(index); });
            widget = button;
            break;
        }
        case ControlKind::PictureBox: {
            auto *box = new PictureBox(parent);
            box->setPicture(ScaledPicture(pictures, c.picture), spoken);
            widget = box;
            break;
        }
        case ControlKind::Image: {
            auto *image = new Image(parent);
            image->setPicture(ScaledPicture(pictures, c.picture), c.stretch, spoken);
            connect(image, &Image::clicked, this, [this, index] { clicked(index); });
            widget = image;
            break;
        }
        }

        widget->setObjectName(name);
        if (c.kind != ControlKind::Image && c.kind != ControlKind::PictureBox)
            widget->setFont(c.font == windowFont ? font() : fontFor(c.font));
        if (auto *box = qobject_cast<PictureBox *>(widget)) {
            box->place(rect);
        } else {
            widget->setGeometry(rect);
        }
        if (!c.visible)
            widget->hide();
        widgets.push_back(widget);
        m_byLayoutIndex.push_back(widget);
    }
    // The first control of the list lies on top: raise from the back forwards.
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it)
        (*it)->raise();
}

void Form::buildTabOrder()
{
    for (std::size_t i : tolvane::tabOrder(m_layout))
        m_tabOrder.push_back(static_cast<QWidget *>(m_byLayoutIndex[i]));
    for (std::size_t i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

QObject *Form::control(QStringView name) const
{
    const std::string wanted = toUtf8(name.toString());
    const MenuBarLayout &menu = m_layout.menu;
    if (menu.present()) {
        for (const auto &[item, object] : {std::pair{menu.game, m_menuItems[0]}, {menu.quit, m_menuItems[1]},
                                           {menu.about, m_menuItems[2]}}) {
            if (sameName(item, wanted))
                return object;
        }
    }
    const std::optional<std::size_t> index = controlNamed(m_layout, wanted);
    return index && *index < m_byLayoutIndex.size() ? m_byLayoutIndex[*index] : nullptr;
}

void Form::startTimers()
{
    for (Timer *timer : m_timers)
        timer->start();
}

void Form::stopTimers()
{
    for (Timer *timer : m_timers)
        timer->setEnabled(false);
}

QSize Form::outerSize() const
{
    if (windowHandle() && isVisible() && !windowHandle()->frameMargins().isNull())
        return size().grownBy(windowHandle()->frameMargins());
    if (!m_frame.margins && !m_frame.managerAsked) {
        m_frame.managerAsked = true;
        m_frame.margins = x11frame::askBeforeShow(const_cast<Form *>(this), m_frame.managerSilent);
    }
    if (!m_frame.margins)
        m_measuredWithoutFrame = true;
    return size().grownBy(m_frame.known());
}

void Form::setControlVisible(std::size_t index, bool visible)
{
    readFocus();
    static_cast<QWidget *>(m_byLayoutIndex[index])->setVisible(visible);
    apply(m_input.setVisible(index, visible)); // a focus that went out of view moves on
}

void Form::setCaption(std::size_t index, const QString &caption)
{
    if (auto *button = qobject_cast<QAbstractButton *>(m_byLayoutIndex[index]))
        button->setText(caption);
    m_input.setCaption(index, toUtf8(caption));
}

void Form::readFocus()
{
    // Keys reach the window only while no menu of its is open.
    m_input.menuByDesktop(false);
    QWidget *focus = focusWidget();
    const auto at = std::find(m_byLayoutIndex.begin(), m_byLayoutIndex.end(), focus);
    m_input.focusedByDesktop(at == m_byLayoutIndex.end() ? std::nullopt
                                                         : std::optional(std::size_t(at - m_byLayoutIndex.begin())));
}

bool Form::key(const QKeyEvent &event)
{
    using Key = runtime::KeyPress::Key;
    const int k = event.key();
    runtime::KeyPress press;
    if (k >= Qt::Key_A && k <= Qt::Key_Z) {
        press.key = Key::Letter;
        press.letter = char('A' + (k - Qt::Key_A));
    } else {
        const std::pair<int, Key> named[] = {
            {Qt::Key_Tab, Key::Tab},       {Qt::Key_Backtab, Key::Tab},   {Qt::Key_Return, Key::Enter},
            {Qt::Key_Enter, Key::Enter},   {Qt::Key_Space, Key::Space},   {Qt::Key_Escape, Key::Escape},
            {Qt::Key_Left, Key::Left},     {Qt::Key_Right, Key::Right},   {Qt::Key_Up, Key::Up},
            {Qt::Key_Down, Key::Down},     {Qt::Key_F4, Key::F4}};
        for (const auto &[qtKey, key] : named) {
            if (k == qtKey)
                press.key = key;
        }
    }
    press.shift = event.modifiers().testFlag(Qt::ShiftModifier) || k == Qt::Key_Backtab;
    press.alt = event.modifiers().testFlag(Qt::AltModifier);
    press.control = event.modifiers().testFlag(Qt::ControlModifier);
    press.repeat = event.isAutoRepeat();
    readFocus();
    const runtime::InputDecision decision = m_input.key(press);
    if (decision.action == runtime::InputDecision::Action::ToFocused)
        return false; // the text box types it, or moves its caret
    apply(decision); // may end in this window's deletion, later
    return true;
}

void Form::apply(const runtime::InputDecision &decision)
{
    using Action = runtime::InputDecision::Action;
    if (decision.moveFocus) {
        if (decision.focus) {
            auto *widget = static_cast<QWidget *>(m_byLayoutIndex[*decision.focus]);
            widget->setFocus(Qt::TabFocusReason);
            if (auto *box = qobject_cast<TextBox *>(widget); box && decision.selectAll)
                box->selectAll();
        } else if (QWidget *focus = focusWidget()) {
            focus->clearFocus();
        }
    }
    switch (decision.action) {
    case Action::Click:
        raiseEvent(toQString(m_layout.controls[decision.control].name), QStringLiteral("Click"));
        break;
    case Action::ChooseQuit:
    case Action::ChooseAbout:
        raiseEvent(toQString(decision.action == Action::ChooseQuit ? m_layout.menu.quit : m_layout.menu.about),
                   QStringLiteral("Click"));
        break;
    case Action::OpenMenu:
        if (auto *game = controlAs<QMenu>(toQString(m_layout.menu.game)))
            m_menuBar->setActiveAction(game->menuAction());
        break;
    case Action::CloseByPlayer:
        close();
        break;
    default:
        break;
    }
}

void Form::showAndActivate()
{
    apply(m_input.shown());
    const bool firstShow = !m_shown;
    m_shown = true;
    // A window whose native window was made early, to ask the window manager
    // about it, is placed by its frame like every other one.
    if (firstShow && testAttribute(Qt::WA_WState_Created) && windowHandle())
        windowHandle()->setFramePosition(pos());
    const QPoint placed = pos();
    show();
    if (firstShow && !m_frame.margins) {
        // Nothing framed within the wait: no window manager draws frames.
        m_frame.margins = x11frame::measureAfterShow(this).value_or(QMargins());
        if (m_measuredWithoutFrame) {
            // Measured too small by the frame: half of that in each axis puts
            // the window where its outer size would have placed it.
            const QMargins &f = *m_frame.margins;
            x11frame::moveFrameTo(this, placed - QPoint(int(std::ceil((f.left() + f.right()) / 2.0)),
                                 int(std::ceil((f.top() + f.bottom()) / 2.0))));
        }
    }
    raise();
    activateWindow();
}

void Form::closeByProgram()
{
    m_closingByProgram = true;
    stopTimers();
    close();
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_closingByProgram)
        emit closedByUser(); // the player's close, carried out by the window (QtWindow)
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        emit activated();
}

void Form::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (windowHandle() && !windowHandle()->frameMargins().isNull())
        m_frame.margins = windowHandle()->frameMargins();
}

void Form::clicked(std::size_t index)
{
    readFocus();
    apply(m_input.click(index)); // may end in this window's deletion, later
}

void Form::raiseEvent(const QString &control, const QString &event)
{
    if (m_sink)
        m_sink(control, event);
}

} // namespace tolvane::qt
