#pragma once

// The Win32 runtime: the game's windows, controls, input box, error box,
// message loop and pictures with the plain Windows API.

#include "platform/win32/fonts.h"
#include "platform/win32/win32.h"
#include "runtime/activation_order.h"
#include "runtime/runtime.h"

#include <vector>

namespace tolvane::win32 {

class Win32Window;
namespace testing {
struct Probe;
}

class Win32Runtime : public runtime::Runtime {
public:
    explicit Win32Runtime(HINSTANCE instance);
    ~Win32Runtime() override;
    Win32Runtime(const Win32Runtime &) = delete;
    Win32Runtime &operator=(const Win32Runtime &) = delete;

    std::unique_ptr<runtime::Window> createWindow(const ScreenLayout &layout, runtime::PictureSource &pictures,
                                                  runtime::WindowEvents &events) override;
    float displayWidth() const override;
    float displayHeight() const override;
    double displayPixelRatio() const override;
    // The display's dots per inch: its monitor's own, which differs from the
    // system's once the scale has changed without signing out.
    int displayDpi() const;
    void errorBox(std::string_view title, std::string_view message) override;
    std::unique_ptr<runtime::Picture> decodePicture(std::span<const unsigned char> file,
                                                    runtime::PixelRect part) const override;

    bool ended() const { return hasEnded(); }
    // The input box while it is open, else null.
    HWND inputBoxWindow() const { return m_inputBox; }

    // For the windows.
    HINSTANCE instance() const { return m_instance; }
    Fonts &fonts() { return m_fonts; }
    void add(Win32Window *window);
    void remove(Win32Window *window);
    Win32Window *windowOf(HWND handle) const;
    void activated(Win32Window *window) { m_activated.activated(window); }
    // The game's window on view that was active last, other than `leaving`.
    Win32Window *lastActiveBut(Win32Window *leaving) const;

protected:
    std::string askInputBox(std::string_view prompt, std::string_view title) override;
    int runLoop() override;
    void endNow(int status) override;

private:
    friend struct testing::Probe;
    // One message through the game's keys (Win32Window::handleKey) and on to
    // its window; run() is a loop of these.
    void dispatch(MSG &message);

    HINSTANCE m_instance;
    bool m_comInitialised = false;
    Fonts m_fonts;
    std::vector<Win32Window *> m_windows;
    runtime::ActivationOrder<Win32Window> m_activated;
    HWND m_inputBox = nullptr;
};

} // namespace tolvane::win32
