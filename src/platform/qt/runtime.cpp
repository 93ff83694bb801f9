#include "platform/qt/runtime.h"

#include "platform/qt/display.h"
#include "platform/qt/form.h"
#include "platform/qt/error_box.h"
#include "platform/qt/fonts.h"
#include "platform/qt/input_box.h"
#include "platform/qt/program_icon.h"
#include "platform/qt/picture.h"
#include "platform/qt/window.h"
#include "platform/qt/startup.h"
#include "platform/qt/text.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace tolvane::qt {

QtRuntime::QtRuntime(QApplication &app) : m_app(app)
{
    installFrenchTranslations(app);
    installProgramIdentity(app);
    // The game decides when it is over: a hidden screen is still part of it,
    // and the name prompt may be the only window on view.
    app.setQuitOnLastWindowClosed(false);
    app.installEventFilter(&m_keys);
}

QtRuntime::~QtRuntime()
{
    // The windows closed by the ending are deleted before the program goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::unique_ptr<runtime::Window> QtRuntime::createWindow(const ScreenLayout &layout, runtime::PictureSource &pictures,
                                                         runtime::WindowEvents &events)
{
    // Opening the desktop's font database is the longest step of the start-up;
    // the game's pictures decode beside it meanwhile.
    if (!m_fontsReady) {
        prepareFonts();
        m_fontsReady = true;
    }
    return std::make_unique<QtWindow>(layout, pictures, m_frame, events, m_activation);
}

float QtRuntime::displayWidth() const { return display::widthTwips(); }

float QtRuntime::displayHeight() const { return display::heightTwips(); }

double QtRuntime::displayPixelRatio() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

std::string QtRuntime::askInputBox(std::string_view prompt, std::string_view title)
{
    return toUtf8(inputBox::ask(toQString(prompt), toQString(title), m_frame));
}

void QtRuntime::errorBox(std::string_view title, std::string_view message)
{
    showErrorBox(toQString(title), toQString(message));
}

int QtRuntime::runLoop()
{
    m_running = true;
    const int status = m_app.exec();
    m_running = false;
    return status;
}

void QtRuntime::endNow(int status)
{
    // Everything stops at once: the windows leave the screen and say nothing
    // more, and an open input box closes as on "Annuler".
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<Form *>(widget)) {
            form->setEventSink({});
            form->stopTimers();
            form->hide();
        }
    }
    inputBox::dismiss();
    // Only the message loop itself is told to stop: a Qt application told so
    // outside its loop would end every modal box opened afterwards at once.
    if (m_running)
        QCoreApplication::exit(status);
}

std::unique_ptr<runtime::Picture> QtRuntime::decodePicture(std::span<const unsigned char> file,
                                                           runtime::PixelRect part) const
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(file.data()), qsizetype(file.size()));
    return qt::decodePicture(bytes, QRect(part.left, part.top, part.width, part.height));
}

} // namespace tolvane::qt
