#pragma once

// The game's runtime on Qt Widgets, for Linux players.

#include "platform/qt/desktop_frame.h"
#include "platform/qt/key_router.h"
#include "runtime/activation_order.h"
#include "runtime/runtime.h"

class QApplication;

namespace tolvane::qt {

class Form;

class QtRuntime : public runtime::Runtime {
public:
    // Gives the application its French texts, its icon and its desktop id; the
    // game decides by itself when it is over.
    explicit QtRuntime(QApplication &app);
    ~QtRuntime() override;

    std::unique_ptr<runtime::Window> createWindow(const ScreenLayout &layout, runtime::PictureSource &pictures,
                                                  runtime::WindowEvents &events) override;
    float displayWidth() const override;
    float displayHeight() const override;
    double displayPixelRatio() const override;
    void errorBox(std::string_view title, std::string_view message) override;
    std::unique_ptr<runtime::Picture> decodePicture(std::span<const unsigned char> file,
                                                    runtime::PixelRect part) const override;

protected:
    std::string askInputBox(std::string_view prompt, std::string_view title) override;
    int runLoop() override;
    void endNow(int status) override;

private:
    QApplication &m_app;
    DesktopFrame m_frame;
    KeyRouter m_keys;
    runtime::ActivationOrder<Form> m_activation;
    bool m_fontsReady = false;
    bool m_running = false;
};

} // namespace tolvane::qt
