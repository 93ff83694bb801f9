#include "support/game_driver.h"

#include "platform/qt/fonts.h"
#include "platform/qt/input_box.h"
#include "platform/qt/label.h"
#include "platform/qt/window.h"
#include "platform/qt/text.h"
#include "platform/qt/text_box.h"
#include "platform/qt/timer.h"
#include "resources/picture_files.h"
#include "screens/screen_factory.h"
#include "shell/quiz_script.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace tolvane::testing {

void typeText(QWidget *widget, const QString &text)
{
    // QTest's own keyClicks knows Latin-1 only: anything else goes in as a
    // key event carrying its text, one code point at a time.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80 && c.isPrint()) {
            QTest::keyClick(widget, char(c.unicode()));
            continue;
        }
        QString unit(c);
        if (c.isHighSurrogate() && i + 1 < text.size())
            unit += text[++i];
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, unit, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, unit, Qt::NoModifier);
    }
}

using qt::Label;
using qt::TextBox;
using qt::Timer;

WatchedRuntime::WatchedRuntime() : QtRuntime(*qobject_cast<QApplication *>(QCoreApplication::instance())) {}

void WatchedRuntime::endNow(int status)
{
    exitStatus = status;
    qt::inputBox::dismiss();
}

void WatchedRuntime::errorBox(std::string_view, std::string_view) { ++errorBoxes; }

std::unique_ptr<runtime::Window> WatchedRuntime::createWindow(const ScreenLayout &layout,
                                                             runtime::PictureSource &pictures,
                                                             runtime::WindowEvents &events)
{
    return QtRuntime::createWindow(timers.of(layout), pictures, events);
}

std::unique_ptr<runtime::Picture> WatchedRuntime::decodePicture(std::span<const unsigned char> file,
                                                                runtime::PixelRect part) const
{
    for (PictureId id : brokenPictures) {
        if (file.data() == pictureFile(id, 1).data() || file.data() == pictureFile(id, 2).data())
            return nullptr;
    }
    return QtRuntime::decodePicture(file, part);
}

GameDriver::GameDriver(double timeScale) : m_screens(std::make_unique<ScreenRegistry>(m_runtime, makeScreen))
{
    m_runtime.timers.scale = timeScale;
    m_promptPoll.setInterval(2);
    m_promptPoll.setTimerType(Qt::PreciseTimer);
    connect(&m_promptPoll, &QTimer::timeout, this, &GameDriver::pollPrompt);
    m_promptPoll.start();
}

GameDriver::~GameDriver()
{
    m_screens.reset();
    // Let the deferred deletions of the windows run before the next test.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GameDriver::start()
{
    m_clock.start();
    m_screens->start();
}

Form *formOf(const Screen &screen)
{
    auto *window = static_cast<qt::QtWindow *>(screen.windowIfLoaded());
    return window ? window->form() : nullptr;
}

QImage drawnLabel(const QString &caption, int width, int height)
{
    QWidget back;
    back.resize(width, height);
    back.setAutoFillBackground(true);
    QPalette palette = back.palette();
    palette.setColor(QPalette::Window, Qt::white);
    back.setPalette(palette);
    auto *label = new Label(&back);
    label->setGeometry(0, 0, width, height);
    label->setFont(qt::fontFor({sansFace, 12.0, 400}));
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setCaption(caption);
    return back.grab().toImage();
}

qt::DesktopFrame &testFrame()
{
    static qt::DesktopFrame frame;
    return frame;
}

runtime::PictureSource &testPictures()
{
    static auto *runtime = new WatchedRuntime; // lives as long as the test program
    static auto *cache = new PictureCache(*runtime);
    return *cache;
}

Form *GameDriver::form(ScreenId id) const
{
    Screen *s = screen(id);
    return s ? formOf(*s) : nullptr;
}

std::vector<int> GameDriver::errorNumbers() const
{
    if (const auto &failure = m_screens->failure())
        return {failure->number()};
    return {};
}

bool GameDriver::isLoaded(ScreenId id) const
{
    Screen *s = screen(id);
    return s && s->isLoaded();
}

bool GameDriver::isVisible(ScreenId id) const
{
    Screen *s = screen(id);
    return s && s->isVisible();
}

std::vector<ScreenId> GameDriver::loadedScreens() const
{
    std::vector<ScreenId> loaded;
    for (int slot = 0; slot < screenCount; ++slot) {
        if (isLoaded(static_cast<ScreenId>(slot)))
            loaded.push_back(static_cast<ScreenId>(slot));
    }
    return loaded;
}

void GameDriver::answerPrompt(const QString &name, bool ok, int afterMs)
{
    m_promptName = name;
    m_promptOk = ok;
    m_promptDelay = afterMs;
    m_promptArmed = true;
}

void GameDriver::pollPrompt()
{
    const auto boxes = QApplication::topLevelWidgets();
    int open = 0;
    QInputDialog *box = nullptr;
    for (QWidget *widget : boxes) {
        if (auto *dialog = qobject_cast<QInputDialog *>(widget); dialog && dialog->isVisible()) {
            ++open;
            box = dialog;
        }
    }
    m_maxPromptsOpen = std::max(m_maxPromptsOpen, open);
    if (!box)
        return;
    if (box != m_lastPrompt) {
        m_lastPrompt = box;
        ++m_promptsOpened;
        m_promptSeen.start();
        if (m_promptOpenedAt < 0 && m_clock.isValid())
            m_promptOpenedAt = m_clock.elapsed();
    }
    if (!m_promptArmed || m_promptSeen.elapsed() < m_promptDelay)
        return;
    m_promptArmed = false;
    auto *edit = box->findChild<QLineEdit *>();
    if (edit && !m_promptName.isEmpty())
        typeText(edit, m_promptName);
    auto *buttons = box->findChild<QDialogButtonBox *>();
    QPushButton *button = buttons ? buttons->button(m_promptOk ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel) : nullptr;
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
}

void GameDriver::show(ScreenId id)
{
    m_screens->guard([&] { m_screens->get(id).show(); });
}

Form *GameDriver::activate(ScreenId id)
{
    Form *window = form(id);
    if (!window)
        return nullptr;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

void GameDriver::openAboutBox(ScreenId from)
{
    Form *window = activate(from);
    QVERIFY(window);
    QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);
    QVERIFY(waitUntilVisible(ScreenId::frmapropos));
}

void GameDriver::quitWithTheMenu(ScreenId from)
{
    Form *window = activate(from);
    QVERIFY(window);
    QTest::keyClick(window, Qt::Key_J, Qt::AltModifier);
    QMenu *menu = window->findChild<QMenu *>(layoutOf(from).menu.game.data());
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Q);
}

bool GameDriver::waitUntilVisible(ScreenId id, int timeoutMs)
{
    m_watchdog.waitingFor(std::string(nameOf(id)) + " on view");
    const bool shown = QTest::qWaitFor([&] { return isVisible(id); }, timeoutMs);
    if (!shown)
        qWarning("waited %d ms in vain for %s on view", timeoutMs, nameOf(id).data());
    m_watchdog.waitingFor("the test's next step after " + std::string(nameOf(id)) + " on view");
    return shown;
}

void GameDriver::click(ScreenId id, const char *button)
{
    auto *target = control<QPushButton>(id, button);
    QVERIFY2(target, button);
    QTest::mouseClick(target, Qt::LeftButton);
}

void GameDriver::type(ScreenId id, const char *box, const QString &text)
{
    auto *target = control<TextBox>(id, box);
    QVERIFY2(target, box);
    QTest::mouseClick(target, Qt::LeftButton);
    typeText(target, text);
}

QStringList GameDriver::playQuestions(const QStringList &answers)
{
    QStringList verdicts;
    for (int i = 0; i < int(quizScript.size()) && i < answers.size(); ++i) {
        const QuizStep &step = quizScript[std::size_t(i)];
        if (!waitUntilVisible(step.questionScreen))
            return verdicts;
        type(step.questionScreen, step.answerBox.data(), answers[i]);
        click(step.questionScreen, step.answerButton.data());
        const bool match = answersMatch(qt::toUtf8(answers[i]), step.acceptedAnswer);
        const Verdict &verdict = match ? step.match : step.miss;
        if (!waitUntilVisible(verdict.screen))
            return verdicts;
        auto *label = control<Label>(verdict.screen, verdict.label.data());
        verdicts << (label ? label->caption() : QString());
        click(verdict.screen, verdict.button.data());
    }
    return verdicts;
}

bool GameDriver::anyTimerRunning() const
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (const qt::Timer *timer : window->findChildren<qt::Timer *>()) {
            if (timer->isActive())
                return true;
        }
    }
    return false;
}

} // namespace tolvane::testing
