#pragma once

#include "player.h"
#include "platform/headless/runtime.h"

#include <memory>

namespace tolvane::conformance {

// The player at the headless runtime: each action is a call on its window
// or its input box, and time is the runtime's virtual clock.
class HeadlessPlayer final : public Player {
public:
    HeadlessPlayer();

    std::string_view name() const override { return "headless"; }
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
    void wait(int ms) override { m_runtime->advance(ms); }
    long long clock() override { return m_runtime->now(); }

    void whenInputBoxOpens(std::function<void()> act) override;
    bool inputBoxOpen() override { return m_runtime->inputBoxOpen(); }
    void clickInputBoxButton(bool ok) override { m_runtime->answerInputBox(ok); }
    void closeInputBox() override { m_runtime->answerInputBox(false); }
    InputBoxView inputBoxView() override;
    void whenErrorBoxOpens(std::function<void()> act) override;
    bool errorBoxOpen() override { return m_runtime->errorBoxOpen(); }

    std::string focusedControl(runtime::Window &window) override;
    bool isActive(runtime::Window &window) override;
    std::string shownText(runtime::Window &window, runtime::ControlIndex label) override;

private:
    headless::HeadlessWindow *active() const;
    void listen();

    std::unique_ptr<headless::HeadlessRuntime> m_runtime;
    std::function<void()> m_inputBoxAct;
    std::function<void()> m_errorBoxAct;
};

} // namespace tolvane::conformance
