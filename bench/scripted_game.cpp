#include "scripted_game.h"

#include "platform/qt/input_box.h"
#include "platform/qt/text.h"
#include "resources/screen_layout.h"
#include "scaled_layouts.h"
#include "screens/screen_factory.h"
#include "shell/quiz_script.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QEventLoop>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace tolvane::bench {


namespace {

testing::ScaledLayouts timerScale; // the layouts of the games played, kept as long as the bench runs
QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
} // namespace

std::string moveLabel(const Move &move)
{
    std::string label = move.kind == MoveKind::Answer ? "answer " : (move.step == 5 ? "Fin    " : "Suite  ");
    label += std::to_string(move.step);
    label += " -> ";
    label += std::string(nameOf(move.to));
    return label;
}

ScriptedGame::ScriptedGame(WatchedApplication &app, QString playerName)
    : m_app(app), m_playerName(std::move(playerName)), m_runtime(app, *this),
      m_screens(std::make_unique<ScreenRegistry>(m_runtime, makeScreen))
{
    // Only until the prompt is answered: it is the one modal box of a game.
    qApp->installEventFilter(this);
}

ScriptedGame::~ScriptedGame()
{
    qApp->removeEventFilter(this);
    m_app.cancelWatch();
    m_screens.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ScriptedGame::Runtime::endNow(int)
{
    m_game.m_ended = true;
    qt::inputBox::dismiss();
}

void ScriptedGame::Runtime::errorBox(std::string_view, std::string_view message)
{
    m_game.fail(QStringLiteral("runtime error: ") + qt::toQString(message));
}

QWidget *ScriptedGame::form(ScreenId id) const
{
    return windowNamed(nameOf(id));
}

void ScriptedGame::fail(const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = why;
    if (m_loop)
        m_loop->quit();
}

void ScriptedGame::expectPaint(ScreenId id)
{
    m_paintedNs = -1;
    m_waiting = true;
    m_expected = id;
    const ScreenLayout *layout = &layoutOf(id);
    m_app.watchPaint(
        [layout](QWidget *window) { return isWindowOf(window, layout->name); },
        [this](QWidget *, std::int64_t painted) {
            m_paintedNs = painted;
            m_waiting = false;
            if (m_notePeaks)
                m_peaks.emplace_back(m_expected, peakResidentKb());
            if (m_loop)
                m_loop->quit();
        });
}

std::int64_t ScriptedGame::awaitPaint(int timeoutMs)
{
    if (m_waiting && m_failure.isEmpty()) {
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        timeout.start(timeoutMs);
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
    }
    if (m_waiting) {
        m_app.cancelWatch();
        m_waiting = false;
        return -1;
    }
    return m_paintedNs;
}

void ScriptedGame::start()
{
    // As the program does: the pictures decode beside the first window.
    m_screens->pictures().decodeInBackground();
    m_screens->start();
}

bool ScriptedGame::click(ScreenId id, std::string_view button)
{
    QWidget *window = form(id);
    auto *target = window ? window->findChild<QPushButton *>(fromView(button)) : nullptr;
    if (!target) {
        fail(QStringLiteral("no button %1 on %2").arg(fromView(button), fromView(nameOf(id))));
        return false;
    }
    QTest::mouseClick(target, Qt::LeftButton);
    return true;
}

bool ScriptedGame::type(ScreenId id, std::string_view box, const QString &text)
{
    QWidget *window = form(id);
    auto *target = window ? window->findChild<QLineEdit *>(fromView(box)) : nullptr;
    if (!target) {
        fail(QStringLiteral("no text box %1 on %2").arg(fromView(box), fromView(nameOf(id))));
        return false;
    }
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::keyClicks(target, text);
    return true;
}

void ScriptedGame::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

bool ScriptedGame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && !m_promptAnswered) {
        if (auto *dialog = qobject_cast<QInputDialog *>(watched)) {
            m_promptShownNs = monotonicNs();
            m_promptAnswered = true;
            qApp->removeEventFilter(this);
            // Answered from its own event loop, once it runs.
            QTimer::singleShot(0, dialog, [this, dialog] { answerPrompt(dialog); });
        }
    }
    return false;
}

void ScriptedGame::answerPrompt(QWidget *dialog)
{
    if (auto *edit = dialog->findChild<QLineEdit *>())
        QTest::keyClicks(edit, m_playerName);
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    QPushButton *ok = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
    if (!ok) {
        fail(QStringLiteral("the name prompt has no OK button"));
        return;
    }
    QTest::mouseClick(ok, Qt::LeftButton);
}

QString ScriptedGame::answerFor(const QuizStep &step, bool right)
{
    return right ? fromView(step.acceptedAnswer) : QStringLiteral("non");
}

std::int64_t ScriptedGame::timeMove(ScreenId from, std::string_view button, ScreenId to)
{
    settle();
    expectPaint(to);
    const std::int64_t clicked = monotonicNs();
    if (!click(from, button))
        return -1;
    const std::int64_t painted = awaitPaint();
    return painted < 0 ? -1 : painted - clicked;
}

std::vector<Move> ScriptedGame::play(bool right)
{
    expectPaint(ScreenId::TOLVANE1);
    start();
    if (awaitPaint() < 0) {
        fail(QStringLiteral("the title window was never painted"));
        return {};
    }
    // The title moves on by itself, then the prompt is answered.
    expectPaint(ScreenId::TOLVANE2);
    if (awaitPaint() < 0) {
        fail(QStringLiteral("the first question window was never painted"));
        return {};
    }

    std::vector<Move> moves;
    for (const QuizStep &step : quizScript) {
        const Verdict &verdict = right ? step.match : step.miss;
        if (!type(step.questionScreen, step.answerBox, answerFor(step, right)))
            return {};

        Move answer;
        answer.step = step.number;
        answer.right = right;
        answer.kind = MoveKind::Answer;
        answer.from = step.questionScreen;
        answer.to = verdict.screen;
        answer.ns = timeMove(step.questionScreen, step.answerButton, verdict.screen);
        if (QWidget *window = form(verdict.screen))
            answer.toSize = window->frameGeometry().size();
        moves.push_back(answer);

        Move next = answer;
        next.kind = MoveKind::Next;
        next.from = verdict.screen;
        next.to = step.next;
        next.toSize = QSize();
        next.ns = timeMove(verdict.screen, verdict.button, step.next);
        if (QWidget *window = form(step.next))
            next.toSize = window->frameGeometry().size();
        moves.push_back(next);

        if (answer.ns < 0 || next.ns < 0) {
            fail(QStringLiteral("step %1: a window was never painted").arg(step.number));
            return {};
        }
        if (!m_failure.isEmpty() || m_ended)
            return {};
    }
    return moves;
}

void setTimerScale(double scale) { timerScale.scale = scale; }

std::unique_ptr<runtime::Window> ScriptedGame::Runtime::createWindow(const ScreenLayout &layout,
                                                                   runtime::PictureSource &pictures,
                                                                   runtime::WindowEvents &events)
{
    return QtRuntime::createWindow(timerScale.of(layout), pictures, events);
}

} // namespace tolvane::bench
