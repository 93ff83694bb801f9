#include "platform/qt/qt_runtime.h"

#include "platform/qt/display.h"
#include "platform/qt/form.h"
#include "platform/qt/error_box.h"
#include "platform/qt/fonts.h"
#include "platform/qt/input_box.h"
#include "platform/qt/program_icon.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_window.h"
#include "platform/qt/startup.h"
#include "platform/qt/text.h"

#include <QApplication>

namespace tolvane::qt {

QtRuntime::QtRuntime(QApplication &app) : m_app(app)
{
    installFrenchTranslations(app);
    installProgramIdentity(app);
    // The game decides when it is over: a hidden screen is still part of it,
    // and the name prompt may be the only window on view.
    app.setQuitOnLastWindowClosed(false);
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
    return std::make_unique<QtWindow>(layout, pictures, events);
}

float QtRuntime::displayWidth() const { return display::widthTwips(); }

float QtRuntime::displayHeight() const { return display::heightTwips(); }

std::string QtRuntime::inputBox(std::string_view prompt, std::string_view title)
{
    return toUtf8(inputBox::ask(toQString(prompt), toQString(title)));
}

void QtRuntime::errorBox(std::string_view title, std::string_view message)
{
    showErrorBox(toQString(title), toQString(message));
}

int QtRuntime::run() { return m_app.exec(); }

void QtRuntime::end(int status)
{
    inputBox::dismiss();
    QCoreApplication::exit(status);
}

bool QtRuntime::equalIgnoringCase(std::string_view a, std::string_view b) const
{
    return toQString(a).compare(toQString(b), Qt::CaseInsensitive) == 0;
}

std::unique_ptr<runtime::Picture> QtRuntime::decodePicture(std::span<const unsigned char> file,
                                                           runtime::PixelRect part) const
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(file.data()), qsizetype(file.size()));
    return qt::decodePicture(bytes, QRect(part.left, part.top, part.width, part.height));
}

} // namespace tolvane::qt
