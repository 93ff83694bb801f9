#include "shell/screen.h"

#include "platform/display.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/input_box.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/runtime_error.h"
#include "platform/text_box.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "resources/screen_layout.h"
#include "resources/text.h"
#include "shell/screen_registry.h"

namespace tolvane {

Screen::Screen(ScreenRegistry &screens, ScreenId id) : m_screens(screens), m_id(id) {}

Screen::~Screen()
{
    if (m_form) {
        m_form->closeByProgram();
        delete m_form;
    }
}

QString Screen::name() const
{
    return toQString(nameOf(m_id));
}

Form *Screen::form() const { return m_form.data(); }

bool Screen::isVisible() const { return m_form && m_form->isVisible(); }

void Screen::load()
{
    m_state = State::Loading;
    m_form = new Form(layoutOf(m_id));
    m_form->setEventSink([this](const QString &control, const QString &event) {
        m_screens.guard([&] { dispatch(control, event); });
    });
    QObject::connect(m_form, &Form::closedByUser, m_form, [this] { unloadAfterClose(); });
    m_form->startTimers();
    ++m_loads;
    dispatch(QStringLiteral("Form"), QStringLiteral("Load"));
    m_state = State::Loaded;
}

void Screen::show()
{
    m_screens.throwIfEnded();
    if (m_state == State::Created)
        load();
    // The load handler may have waited in a modal box, during which the game
    // may have ended.
    m_screens.throwIfEnded();
    loadedForm().showAndActivate();
}

void Screen::hide()
{
    m_screens.throwIfEnded();
    if (m_form)
        m_form->hide();
}

void Screen::setVisible(bool visible)
{
    if (visible)
        show();
    else
        hide();
}

void Screen::centre() { tolvane::centre(*this, display::widthTwips(), display::heightTwips()); }

QString Screen::inputBox(const QString &prompt, const QString &title)
{
    m_screens.throwIfEnded();
    QString answer = tolvane::inputBox::ask(prompt, title);
    m_screens.throwIfEnded();
    return answer;
}

float Screen::width() const { return pixelsToTwips(loadedForm().outerSize().width()); }

float Screen::height() const { return pixelsToTwips(loadedForm().outerSize().height()); }

void Screen::setLeft(float left)
{
    Form &form = loadedForm();
    m_left = left;
    form.move(twipsToPixels(left), form.y());
}

void Screen::setTop(float top)
{
    Form &form = loadedForm();
    m_top = top;
    form.move(form.x(), twipsToPixels(top));
}

Form &Screen::loadedForm() const
{
    if (!m_form)
        throw RuntimeError::objectRequired();
    return *m_form;
}

template <class T> T &Screen::controlOf(std::string_view name) const
{
    const QString text = toQString(name);
    T *control = loadedForm().controlAs<T>(text);
    if (!control)
        throw RuntimeError::controlNotFound(text);
    return *control;
}

Label &Screen::label(std::string_view name) const { return controlOf<Label>(name); }
TextBox &Screen::textBox(std::string_view name) const { return controlOf<TextBox>(name); }
Timer &Screen::timer(std::string_view name) const { return controlOf<Timer>(name); }
PictureBox &Screen::pictureBox(std::string_view name) const { return controlOf<PictureBox>(name); }
Image &Screen::image(std::string_view name) const { return controlOf<Image>(name); }

void Screen::dispatch(const QString &control, const QString &event)
{
    if (!m_handlersBound) {
        m_handlers = handlers();
        m_handlersBound = true;
    }
    const QString bound = control + QLatin1Char('_') + event;
    for (const Handler &handler : m_handlers) {
        if (handler.name.compare(bound, Qt::CaseInsensitive) == 0) {
            if (event == QLatin1String("Load"))
                ++m_loadHandlerRuns;
            handler.run();
            return;
        }
    }
}

void Screen::unloadAfterClose()
{
    Form *form = m_form;
    m_form = nullptr;
    m_state = State::Created;
    if (form)
        form->deleteLater();
    m_screens.screenClosedByPlayer();
}

void Screen::discard()
{
    if (!m_form)
        return;
    m_form->closeByProgram();
    m_form->deleteLater();
    m_form = nullptr;
}

} // namespace tolvane
