#include "platform/headless/runtime.h"

#include "platform/headless/window.h"

#include <algorithm>

namespace tolvane::headless {

namespace {

// A decoded picture is only its size here: nothing is drawn.
class HeadlessPicture : public runtime::Picture {
public:
    explicit HeadlessPicture(runtime::PixelRect part) : part(part) {}
    runtime::PixelRect part;
};

bool startsWith(std::span<const unsigned char> file, std::string_view signature)
{
    return file.size() >= signature.size() &&
           std::equal(signature.begin(), signature.end(), file.begin(),
                      [](char s, unsigned char f) { return static_cast<unsigned char>(s) == f; });
}

constexpr std::int64_t giveUpAfterMs = 60 * 60 * 1000;

} // namespace

HeadlessRuntime::HeadlessRuntime(Desktop desktop) : m_desktop(desktop) {}

HeadlessRuntime::~HeadlessRuntime() = default;

std::unique_ptr<runtime::Window> HeadlessRuntime::createWindow(const ScreenLayout &layout,
                                                               runtime::PictureSource &pictures,
                                                               runtime::WindowEvents &events)
{
    auto window = std::make_unique<HeadlessWindow>(*this, layout, pictures, events);
    m_windows.push_back(window.get());
    return window;
}

void HeadlessRuntime::activate(HeadlessWindow *window)
{
    m_active = window;
    m_activated.activated(window);
}

void HeadlessRuntime::hidden(HeadlessWindow *window)
{
    if (m_active == window)
        m_active = m_activated.next(window, [](HeadlessWindow *w) { return w->isVisible(); });
}

void HeadlessRuntime::forget(HeadlessWindow *window)
{
    std::erase(m_windows, window);
    m_activated.forget(window);
    m_timers.forget(window);
    if (m_active == window)
        m_active = nullptr;
}

float HeadlessRuntime::displayWidth() const { return float(m_desktop.displayWidth * twipsPerPixel); }

float HeadlessRuntime::displayHeight() const { return float(m_desktop.displayHeight * twipsPerPixel); }

std::string HeadlessRuntime::askInputBox(std::string_view prompt, std::string_view title)
{
    m_prompts.push_back({std::string(prompt), std::string(title), m_now});
    m_box.emplace();
    if (m_inputBoxPlayer)
        m_inputBoxPlayer(prompt, title);
    else
        answerInputBox(true);
    const OpenBox box = std::move(*m_box);
    m_box.reset();
    if (hasEnded() || !box.answered || !box.ok)
        return {};
    return box.field;
}

void HeadlessRuntime::typeIntoInputBox(std::string_view text)
{
    if (inputBoxOpen())
        m_box->field += text;
}

void HeadlessRuntime::answerInputBox(bool ok)
{
    if (!inputBoxOpen())
        return;
    m_box->answered = true;
    m_box->ok = ok;
}

void HeadlessRuntime::setPromptScript(PromptScript script)
{
    setInputBoxPlayer([this, script = std::move(script)](std::string_view prompt, std::string_view title) {
        const PromptAnswer answer = script(prompt, title);
        if (answer.afterMs > 0)
            advance(answer.afterMs);
        typeIntoInputBox(answer.text);
        answerInputBox(answer.ok);
    });
}

void HeadlessRuntime::errorBox(std::string_view title, std::string_view message)
{
    m_errorBoxes.emplace_back(std::string(title), std::string(message));
    if (!m_errorBoxPlayer)
        return;
    m_errorBoxOpen = true;
    m_errorBoxPlayer(title, message);
    m_errorBoxOpen = false;
}

int HeadlessRuntime::runLoop()
{
    const std::int64_t limit = m_now + giveUpAfterMs;
    while (!hasEnded()) {
        const std::int64_t due = nextTimerDue();
        if (due < 0 || due > limit)
            return -1;
        advance(due - m_now);
    }
    return m_status;
}

void HeadlessRuntime::endNow(int status)
{
    m_status = status;
    if (m_box && !m_box->answered)
        answerInputBox(false);
    // Every window leaves the screen, and no timer ticks again.
    for (HeadlessWindow *window : m_windows)
        window->hide();
    m_timers.stopAll();
}

std::unique_ptr<runtime::Picture> HeadlessRuntime::decodePicture(std::span<const unsigned char> file,
                                                                 runtime::PixelRect part) const
{
    ++m_decodes;
    // A whole file starts with its signature and ends with its end marker.
    const bool jpeg = startsWith(file, "\xFF\xD8\xFF") && file.size() > 4 && file[file.size() - 2] == 0xFF &&
                      file.back() == 0xD9;
    const bool gif = (startsWith(file, "GIF89a") || startsWith(file, "GIF87a")) && file.back() == 0x3B;
    if (!jpeg && !gif)
        return nullptr;
    return std::make_unique<HeadlessPicture>(part);
}

HeadlessWindow *HeadlessRuntime::window(std::string_view name) const
{
    for (HeadlessWindow *window : m_windows) {
        if (window->name() == name)
            return window;
    }
    return nullptr;
}

std::int64_t HeadlessRuntime::nextTimerDue() const
{
    const auto due = m_timers.nextDue();
    return due ? std::int64_t(*due) : -1;
}

void HeadlessRuntime::advance(std::int64_t ms)
{
    const std::int64_t until = m_now + std::max<std::int64_t>(0, ms);
    while (!hasEnded()) {
        const auto tick = m_timers.takeDue(double(until));
        if (!tick)
            break;
        m_now = std::max(m_now, std::int64_t(tick->due));
        auto *window = static_cast<HeadlessWindow *>(const_cast<void *>(tick->window));
        // The tick may close windows, this one among them, and so its timers.
        window->raise(window->layout().controls[tick->control].name, "Timer");
    }
    m_now = std::max(m_now, until);
}

} // namespace tolvane::headless
