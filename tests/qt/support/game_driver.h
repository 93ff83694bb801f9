#pragma once

// Plays the real game in a test, the way a player would: through its widgets,
// with the ending watched instead of ending the test program.

#include "platform/qt/form.h"
#include "platform/qt/runtime.h"
#include "scaled_layouts.h"
#include "shell/screen_registry.h"
#include "watchdog.h"

#include <QObject>
#include <QString>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>
#include <set>
#include <optional>
#include <vector>

class QInputDialog;

namespace tolvane::testing {

using qt::Form;

// The Qt runtime, with the end of the game and its error box watched instead
// of ending the test program.
class WatchedRuntime : public qt::QtRuntime {
public:
    WatchedRuntime();
    void errorBox(std::string_view title, std::string_view message) override;
    // Pictures named in brokenPictures do not decode, as a broken file would not.
    std::unique_ptr<runtime::Picture> decodePicture(std::span<const unsigned char> file,
                                                    runtime::PixelRect part) const override;

    std::unique_ptr<runtime::Window> createWindow(const ScreenLayout &layout, runtime::PictureSource &pictures,
                                                  runtime::WindowEvents &events) override;

    std::set<PictureId> brokenPictures;
    ScaledLayouts timers; // timers.scale shortens every timer of the game
    std::optional<int> exitStatus;
    int errorBoxes = 0;

protected:
    void endNow(int status) override;
};

// Types text key by key into a widget, any Unicode included.
void typeText(QWidget *widget, const QString &text);

// The Qt window of a loaded screen; nullptr otherwise.
Form *formOf(const Screen &screen);

// A label of the game drawn black on white, in MS Sans Serif 12 pt.
QImage drawnLabel(const QString &caption, int width, int height);

// The game's pictures as this runtime decodes them, each once for the whole
// test program: for windows built straight from their layouts.
runtime::PictureSource &testPictures();
// The desktop's frame as the test program learns it, for the same windows.
qt::DesktopFrame &testFrame();

class GameDriver : public QObject {
    Q_OBJECT
public:
    // `timeScale` shortens every timer of the game (1.0: real time).
    explicit GameDriver(double timeScale = 1.0);
    ~GameDriver() override;

    ScreenRegistry &screens() { return *m_screens; }
    WatchedRuntime &runtime() { return m_runtime; }
    void start();
    // Milliseconds since start().
    qint64 elapsed() const { return m_clock.elapsed(); }
    // When the first name prompt opened, in milliseconds since start(); -1 if none did.
    qint64 promptOpenedAt() const { return m_promptOpenedAt; }

    Screen *screen(ScreenId id) const { return m_screens->find(id); }
    Form *form(ScreenId id) const;
    bool isLoaded(ScreenId id) const;
    bool isVisible(ScreenId id) const;
    std::vector<ScreenId> loadedScreens() const;

    template <class T> T *control(ScreenId id, const char *name) const
    {
        Form *f = form(id);
        return f ? f->controlAs<T>(QString::fromUtf8(name)) : nullptr;
    }

    // Answers the next name prompt, `afterMs` after it opens: types `name`,
    // then presses OK, or Cancel.
    void answerPrompt(const QString &name, bool ok = true, int afterMs = 0);
    int promptsOpened() const { return m_promptsOpened; }
    int promptsOpenAtOnce() const { return m_maxPromptsOpen; }

    // Shows a screen as a handler would, e.g. to start a test on it.
    void show(ScreenId id);
    // Brings a screen's window to the front with the focus, as a click on its
    // frame would; nullptr if it cannot be.
    Form *activate(ScreenId id);
    // The player's keys on a screen's window: Alt+A, then Alt+J followed by Q.
    void openAboutBox(ScreenId from);
    void quitWithTheMenu(ScreenId from);

    // Waits until the screen is on view; false after `timeoutMs`.
    bool waitUntilVisible(ScreenId id, int timeoutMs = 8000);
    // A click on a button, as a player's mouse does.
    void click(ScreenId id, const char *button);
    // A click into a text box, then the text typed key by key.
    void type(ScreenId id, const char *box, const QString &text);

    bool hasEnded() const { return m_screens->hasEnded(); }
    // Whether any timer of any window of the game can still tick: once none
    // can, nothing more happens by itself.
    bool anyTimerRunning() const;
    std::optional<int> exitStatus() const { return m_runtime.exitStatus; }
    // The number of the error that ended the game, if one did.
    std::vector<int> errorNumbers() const;

    // Plays the five questions from TOLVANE2 with these answers, pressing each
    // verdict's button; returns the verdict texts seen, in order.
    QStringList playQuestions(const QStringList &answers);

private:
    void pollPrompt();

    // A game that hangs (a nested loop that never returns) fails with what
    // the test waited for, short of CTest's timeout.
    Watchdog m_watchdog{"the game under test", std::chrono::seconds(100)};
    WatchedRuntime m_runtime;
    std::unique_ptr<ScreenRegistry> m_screens;
    QTimer m_promptPoll;
    QString m_promptName;
    bool m_promptOk = true;
    bool m_promptArmed = false;
    int m_promptDelay = 0;
    QElapsedTimer m_clock;
    qint64 m_promptOpenedAt = -1;
    QElapsedTimer m_promptSeen;
    QInputDialog *m_lastPrompt = nullptr;
    int m_promptsOpened = 0;
    int m_maxPromptsOpen = 0;
};

} // namespace tolvane::testing
