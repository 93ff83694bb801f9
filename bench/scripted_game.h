#pragma once

// One game played by the bench, the way a player plays it: the real screens
// from makeScreen, the name prompt answered, each answer typed into its box
// and the buttons clicked with the mouse. Every move is timed from the click
// to the end of the paint pass that drew the next window.

#include "paint_watch.h"
#include "resources/screen_id.h"
#include "platform/qt/runtime.h"
#include "shell/screen_registry.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QEventLoop;
class QTimer;

class QWidget;

namespace tolvane {
struct QuizStep;
}

namespace tolvane::bench {

enum class MoveKind { Answer, Next };

struct Move {
    int step = 0;         // 1 to 5
    bool right = false;   // the path: every answer right, or every answer wrong
    MoveKind kind = MoveKind::Answer;
    ScreenId from{};
    ScreenId to{};
    QSize toSize;         // the outer size of the window it leads to
    std::int64_t ns = -1; // click to painted; -1 if the window never came
};

// "answer 1 -> tolvane3", "Suite  1 -> tolvane5"
std::string moveLabel(const Move &move);

class ScriptedGame : public QObject {
public:
    explicit ScriptedGame(WatchedApplication &app, QString playerName = QStringLiteral("Bench"));
    ~ScriptedGame() override;

    ScreenRegistry &screens() { return *m_screens; }
    // The screen's window, once loaded: the top-level widget named as its
    // layout, as any tool finds a program's windows; nullptr before.
    QWidget *form(ScreenId id) const;

    // Arms the watch on the window of `id`; awaitPaint() then runs the event
    // loop until that window has been painted and returns when (monotonicNs),
    // or -1 after `timeoutMs`.
    void expectPaint(ScreenId id);
    std::int64_t awaitPaint(int timeoutMs = 15000);

    // The registry's start: the title screen loads and shows.
    void start();
    // Clicks, with the mouse, a button of a screen's window.
    bool click(ScreenId id, std::string_view button);
    // Clicks into a text box and types the text.
    bool type(ScreenId id, std::string_view box, const QString &text);
    // Lets everything already posted (repaints after typing, deferred deletes) run.
    void settle();

    // When the name prompt was shown (monotonicNs), -1 before.
    std::int64_t promptShownNs() const { return m_promptShownNs; }

    // Plays from the start to the closing window painted, every answer right
    // or every answer wrong; returns the ten moves, or an empty list with
    // failure() set.
    std::vector<Move> play(bool right);
    // The answer of a step on one of the two paths.
    static QString answerFor(const QuizStep &step, bool right);
    // Times one move: the click on `button` of `from` to `to`'s window painted.
    std::int64_t timeMove(ScreenId from, std::string_view button, ScreenId to);

    // The peak resident memory (kB) once each window of the game was first
    // painted, in the order they came.
    const std::vector<std::pair<ScreenId, long>> &peakAfterPaint() const { return m_peaks; }

    const QString &failure() const { return m_failure; }
    bool ended() const { return m_ended; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void answerPrompt(QWidget *dialog);
    void fail(const QString &why);

    // The game's runtime, with its ending and error box watched.
    class Runtime : public qt::QtRuntime {
    public:
        Runtime(WatchedApplication &app, ScriptedGame &game) : QtRuntime(app), m_game(game) {}
        void errorBox(std::string_view, std::string_view message) override;
        std::unique_ptr<runtime::Window> createWindow(const ScreenLayout &layout, runtime::PictureSource &pictures,
                                                      runtime::WindowEvents &events) override;

    protected:
        void endNow(int) override;

    private:
        ScriptedGame &m_game;
    };

    WatchedApplication &m_app;
    QString m_playerName;
    Runtime m_runtime;
    std::unique_ptr<ScreenRegistry> m_screens;
    std::int64_t m_paintedNs = -1;
    bool m_waiting = false;
    QEventLoop *m_loop = nullptr;
    std::int64_t m_promptShownNs = -1;
    bool m_promptAnswered = false;
    bool m_ended = false;
    QString m_failure;
    ScreenId m_expected{};
    std::vector<std::pair<ScreenId, long>> m_peaks;
    bool m_notePeaks = false;

public:
    // Reads the peak memory after each paint (a /proc read, so off while moves are timed).
    void notePeaks(bool on) { m_notePeaks = on; }
};

// Every timer of the games played from now on ticks this many times its
// interval (1.0: as the game has them).
void setTimerScale(double scale);

} // namespace tolvane::bench
