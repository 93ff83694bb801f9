#pragma once

// A top-level window built from its layout: caption, fixed client size, back
// colour and background picture, the common menu bar where the window has one,
// and its controls, named after the layout, placed, stacked and in tab order.

#include "platform/qt/desktop_frame.h"
#include "resources/screen_layout.h"
#include "runtime/input_rules.h"
#include "runtime/picture.h"

#include <QMargins>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QKeyEvent;
class QMenuBar;

namespace tolvane::qt {

class Timer;

class Form : public QWidget {
    Q_OBJECT
public:
    // Receives every control event: the control's name and the event's
    // ("Click", "Timer").
    using EventSink = std::function<void(const QString &control, const QString &event)>;

    // `frame` is the runtime's knowledge of the desktop's frames, shared by every window.
    Form(const ScreenLayout &layout, runtime::PictureSource &pictures, DesktopFrame &frame);
    ~Form() override;

    const ScreenLayout &layout() const { return m_layout; }
    void setEventSink(EventSink sink) { m_sink = std::move(sink); }

    // A control by name, letter case ignored; nullptr if the window has none.
    QObject *control(QStringView name) const;
    template <class T> T *controlAs(QStringView name) const { return qobject_cast<T *>(control(name)); }
    // A control by its place in the layout's control list.
    QObject *controlAt(std::size_t index) const { return m_byLayoutIndex.at(index); }

    QWidget *clientArea() const { return m_client; }
    QMenuBar *menuBar() const { return m_menuBar; }
    // Focusable controls in tab order.
    const std::vector<QWidget *> &tabOrder() const { return m_tabOrder; }

    void startTimers();
    void stopTimers();

    // The window's outer size (frame and menu bar included), in logical pixels.
    QSize outerSize() const;

    void showAndActivate();
    // Closes the window without it counting as the player's close.
    void closeByProgram();

    // What the game does to a control, told to the window's rules.
    void setControlVisible(std::size_t index, bool visible);
    void setCaption(std::size_t index, const QString &caption);
    // A key meant for this window: true when the rules took it, false when
    // it goes on to the focused text box.
    bool key(const QKeyEvent &event);

signals:
    void closedByUser();
    void activated();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void buildMenuBar();
    void buildControls(runtime::PictureSource &pictures);
    void buildTabOrder();
    // The rules told where Qt has the focus (a click, a screen reader).
    void readFocus();
    void apply(const runtime::InputDecision &decision);
    // A command button or an image clicked, by the mouse or by assistive technology.
    void clicked(std::size_t index);
    void raiseEvent(const QString &control, const QString &event);

    const ScreenLayout &m_layout;
    DesktopFrame &m_frame;
    EventSink m_sink;
    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    std::array<QObject *, 3> m_menuItems{}; // "&Jeu", "&Quitter", "&A propos de..."
    std::vector<QObject *> m_byLayoutIndex;
    std::vector<Timer *> m_timers;
    std::vector<QWidget *> m_tabOrder;
    runtime::WindowInput m_input;
    bool m_closingByProgram = false;
    bool m_shown = false;
    // Measured for its centring before any frame was known.
    mutable bool m_measuredWithoutFrame = false;
};

} // namespace tolvane::qt
