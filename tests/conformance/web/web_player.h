#pragma once

#include "platform/web/runtime.h"
#include "player.h"

#include <memory>

namespace tolvane::conformance {

// The player at the web runtime: each action is handed to the driver outside
// the browser, which performs it with WebDriver as trusted input events, while
// the runtime's message loop goes on delivering; real time.
class WebPlayer final : public Player {
public:
    WebPlayer();

    std::string_view name() const override { return "web"; }
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
    long long clock() override;

    void whenInputBoxOpens(std::function<void()> act) override { m_inputBoxAct = std::move(act); }
    bool inputBoxOpen() override;
    void clickInputBoxButton(bool ok) override;
    void closeInputBox() override;
    InputBoxView inputBoxView() override;
    void whenErrorBoxOpens(std::function<void()> act) override { m_errorBoxAct = std::move(act); }
    bool errorBoxOpen() override;

    std::string focusedControl(runtime::Window &window) override;
    bool isActive(runtime::Window &window) override;
    std::string shownText(runtime::Window &window, runtime::ControlIndex label) override;

private:
    // Hands the action to the driver and keeps the message loop going until it is done.
    void perform(const char *kind, std::string_view text = {}, int window = 0, int control = -1);
    void actInBoxes();

    std::unique_ptr<web::WebRuntime> m_runtime;
    std::function<void()> m_inputBoxAct;
    std::function<void()> m_errorBoxAct;
};

} // namespace tolvane::conformance
