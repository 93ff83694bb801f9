#include "platform/qt/window.h"

#include "platform/qt/form.h"
#include "platform/qt/label.h"
#include "platform/qt/text.h"
#include "platform/qt/text_box.h"
#include "platform/qt/timer.h"
#include "resources/control_rules.h"

#include "runtime/checks.h"
#include "runtime/input_rules.h"
#include "runtime/runtime_error.h"

namespace tolvane::qt {

QtWindow::QtWindow(const ScreenLayout &layout, runtime::PictureSource &pictures, DesktopFrame &frame,
                   runtime::WindowEvents &events, runtime::ActivationOrder<Form> &activation)
    : m_form(new Form(layout, pictures, frame)), m_activation(activation)
{
    m_form->setEventSink([&events](const QString &control, const QString &event) {
        events.controlEvent(toUtf8(control), toUtf8(event));
    });
    QObject::connect(m_form, &Form::closedByUser, m_form,
                     [this, &layout, &events] { runtime::closeAsPlayer(*this, layout, events); });
    QObject::connect(m_form, &Form::activated, m_form, [this] { m_activation.activated(m_form); });
    m_form->startTimers();
}

QtWindow::~QtWindow()
{
    if (!m_form)
        return;
    m_form->setEventSink({});
    QObject::disconnect(m_form, &Form::closedByUser, nullptr, nullptr);
    QObject::disconnect(m_form, &Form::activated, nullptr, nullptr);
    m_activation.forget(m_form);
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

void QtWindow::hide()
{
    Form &f = alive();
    const bool wasActive = f.isActiveWindow();
    f.hide();
    // The game's window last active before this one takes over.
    if (Form *next = wasActive ? m_activation.next(&f, [](Form *w) { return w->isVisible(); }) : nullptr)
        next->activateWindow();
}

bool QtWindow::isVisible() const { return m_form && m_form->isVisible(); }

void QtWindow::setLeft(float twips)
{
    Form &f = alive();
    f.move(runtime::windowPixels(twips), f.y());
}

void QtWindow::setTop(float twips)
{
    Form &f = alive();
    f.move(f.x(), runtime::windowPixels(twips));
}

float QtWindow::width() const { return twipsFromPixels(alive().outerSize().width()); }

float QtWindow::height() const { return twipsFromPixels(alive().outerSize().height()); }

void QtWindow::setCaption(runtime::ControlIndex label, std::string_view text)
{
    Form &f = alive();
    runtime::controlFor(f.layout(), label, runtime::ControlProperty::Caption);
    if (auto *l = qobject_cast<Label *>(f.controlAt(label)))
        l->setCaption(toQString(text));
    else
        f.setCaption(label, toQString(text));
}

void QtWindow::setControlVisible(runtime::ControlIndex control, bool visible)
{
    Form &f = alive();
    runtime::controlFor(f.layout(), control, runtime::ControlProperty::Visible);
    f.setControlVisible(control, visible);
}

bool QtWindow::controlVisible(runtime::ControlIndex control) const
{
    Form &f = alive();
    runtime::controlFor(f.layout(), control, runtime::ControlProperty::Visible);
    return !static_cast<QWidget *>(f.controlAt(control))->isHidden();
}

std::string QtWindow::text(runtime::ControlIndex textBox) const
{
    Form &f = alive();
    runtime::controlFor(f.layout(), textBox, runtime::ControlProperty::Text);
    return toUtf8(static_cast<TextBox *>(f.controlAt(textBox))->text());
}

void QtWindow::setTimerEnabled(runtime::ControlIndex timer, bool enabled)
{
    Form &f = alive();
    runtime::controlFor(f.layout(), timer, runtime::ControlProperty::Enabled);
    static_cast<Timer *>(f.controlAt(timer))->setEnabled(enabled);
}

} // namespace tolvane::qt
