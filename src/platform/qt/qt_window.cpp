#include "platform/qt/qt_window.h"

#include "platform/qt/form.h"
#include "platform/qt/label.h"
#include "platform/qt/text.h"
#include "platform/qt/text_box.h"
#include "platform/qt/timer.h"
#include "platform/qt/twips.h"
#include "runtime/runtime_error.h"

namespace tolvane::qt {

QtWindow::QtWindow(const ScreenLayout &layout, runtime::PictureSource &pictures, runtime::WindowEvents &events)
    : m_form(new Form(layout, pictures))
{
    m_form->setEventSink([&events](const QString &control, const QString &event) {
        events.controlEvent(toUtf8(control), toUtf8(event));
    });
    QObject::connect(m_form, &Form::closedByUser, m_form, [&events] { events.closedByPlayer(); });
    m_form->startTimers();
}

QtWindow::~QtWindow()
{
    if (!m_form)
        return;
    m_form->setEventSink({});
    QObject::disconnect(m_form, &Form::closedByUser, nullptr, nullptr);
    m_form->closeByProgram();
    m_form->deleteLater();
}

Form &QtWindow::alive() const
{
    if (!m_form)
        throw runtime::RuntimeError::objectRequired();
    return *m_form;
}

void QtWindow::show() { alive().showAndActivate(); }

void QtWindow::hide() { alive().hide(); }

bool QtWindow::isVisible() const { return m_form && m_form->isVisible(); }

void QtWindow::setLeft(float twips)
{
    Form &f = alive();
    f.move(twipsToPixels(twips), f.y());
}

void QtWindow::setTop(float twips)
{
    Form &f = alive();
    f.move(f.x(), twipsToPixels(twips));
}

float QtWindow::width() const { return pixelsToTwips(alive().outerSize().width()); }

float QtWindow::height() const { return pixelsToTwips(alive().outerSize().height()); }

void QtWindow::setCaption(runtime::ControlIndex label, std::string_view text)
{
    auto *l = qobject_cast<Label *>(alive().controlAt(label));
    if (!l)
        throw runtime::RuntimeError::windowOperationFailed();
    l->setCaption(toQString(text));
}

void QtWindow::setControlVisible(runtime::ControlIndex control, bool visible)
{
    auto *widget = qobject_cast<QWidget *>(alive().controlAt(control));
    if (!widget)
        throw runtime::RuntimeError::windowOperationFailed();
    widget->setVisible(visible);
}

bool QtWindow::controlVisible(runtime::ControlIndex control) const
{
    auto *widget = qobject_cast<QWidget *>(alive().controlAt(control));
    if (!widget)
        throw runtime::RuntimeError::windowOperationFailed();
    return !widget->isHidden();
}

std::string QtWindow::text(runtime::ControlIndex textBox) const
{
    auto *box = qobject_cast<TextBox *>(alive().controlAt(textBox));
    if (!box)
        throw runtime::RuntimeError::windowOperationFailed();
    return toUtf8(box->text());
}

void QtWindow::setTimerEnabled(runtime::ControlIndex timer, bool enabled)
{
    auto *t = qobject_cast<Timer *>(alive().controlAt(timer));
    if (!t)
        throw runtime::RuntimeError::windowOperationFailed();
    t->setEnabled(enabled);
}

} // namespace tolvane::qt
