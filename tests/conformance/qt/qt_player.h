#pragma once

#include "platform/qt/runtime.h"
#include "player.h"

#include <QElapsedTimer>
#include <QTimer>

#include <memory>

class QApplication;
class QWidget;

namespace tolvane::conformance {

// The player at the Qt runtime: keys and clicks as Qt's own input events,
// sent where Qt sends a user's (the open popup menu, the modal box, the
// focused widget, or the widget under the mouse), and real time.
class QtPlayer final : public Player {
public:
    explicit QtPlayer(QApplication &app);
    ~QtPlayer() override;

    std::string_view name() const override { return "qt"; }
    runtime::Runtime &runtime() override { return *m_runtime; }
    void renewRuntime() override;

    void press(Key key) override;
    void pressAlt(char letter) override;
    void pressLetter(char letter) override;
    void pressAltF4() override;
    void pressHeld(Key key, char altLetter) override;
    void type(std::string_view utf8) override;
    void click(runtime::Window &window, runtime::ControlIndex control) override;
    void chooseMenu(runtime::Window &window, std::string_view item) override;
    void close(runtime::Window &window) override;
    void wait(int ms) override;
    long long clock() override { return m_clock.elapsed(); }

    void whenInputBoxOpens(std::function<void()> act) override;
    bool inputBoxOpen() override;
    void clickInputBoxButton(bool ok) override;
    void closeInputBox() override;
    InputBoxView inputBoxView() override;
    void whenErrorBoxOpens(std::function<void()> act) override;
    bool errorBoxOpen() override;

    std::string focusedControl(runtime::Window &window) override;
    bool isActive(runtime::Window &window) override;
    std::string shownText(runtime::Window &window, runtime::ControlIndex label) override;

private:
    // Where a key goes: the open popup menu, the modal box, else the focused widget.
    QWidget *keyTarget() const;
    void key(int qtKey, int modifiers, const QString &text = {});
    void watchForBoxes();

    QApplication &m_app;
    std::unique_ptr<qt::QtRuntime> m_runtime;
    QElapsedTimer m_clock;
    QTimer m_boxWatch;
    std::function<void()> m_inputBoxAct;
    std::function<void()> m_errorBoxAct;
};

} // namespace tolvane::conformance
