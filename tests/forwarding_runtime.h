#pragma once

// A runtime that hands every call to another one: a test overrides the calls
// it wants to watch or to change (a picture that will not decode, say).

#include "runtime/runtime.h"

namespace tolvane::testing {

class ForwardingRuntime : public runtime::Runtime {
public:
    explicit ForwardingRuntime(runtime::Runtime &inner) : m_inner(inner) {}

    std::unique_ptr<runtime::Window> createWindow(const ScreenLayout &layout, runtime::PictureSource &pictures,
                                                  runtime::WindowEvents &events) override
    {
        return m_inner.createWindow(layout, pictures, events);
    }
    float displayWidth() const override { return m_inner.displayWidth(); }
    float displayHeight() const override { return m_inner.displayHeight(); }
    void errorBox(std::string_view title, std::string_view message) override { m_inner.errorBox(title, message); }
    std::unique_ptr<runtime::Picture> decodePicture(std::span<const unsigned char> file,
                                                    runtime::PixelRect part) const override
    {
        return m_inner.decodePicture(file, part);
    }

protected:
    std::string askInputBox(std::string_view prompt, std::string_view title) override
    {
        return m_inner.inputBox(prompt, title);
    }
    int runLoop() override { return m_inner.run(); }
    void endNow(int status) override { m_inner.end(status); }

    runtime::Runtime &m_inner;
};

} // namespace tolvane::testing
