#include "shell/screen_registry.h"

#include "platform/error_box.h"
#include "platform/form.h"
#include "platform/input_box.h"
#include "platform/timer.h"
#include "shell/game_identity.h"

#include <QCoreApplication>

#include <new>

namespace tolvane {

ScreenRegistry::ScreenRegistry(Factory factory)
    : m_factory(std::move(factory)),
      m_exitHook([](int status) { QCoreApplication::exit(status); }),
      m_errorBox([](const RuntimeError &error) { showErrorBox(gameTitle(), error); })
{
}

ScreenRegistry::~ScreenRegistry() = default;

Screen &ScreenRegistry::get(ScreenId id)
{
    auto &slot = m_slots[static_cast<std::size_t>(slotOf(id))];
    if (!slot)
        slot = m_factory(*this, id);
    return *slot;
}

Screen *ScreenRegistry::find(ScreenId id) const { return m_slots[static_cast<std::size_t>(slotOf(id))].get(); }

void ScreenRegistry::start()
{
    guard([this] { get(ScreenId::TOLVANE1).show(); });
}

void ScreenRegistry::end(int status)
{
    shutDown(Ending::Quit, status);
    throw EndOfProgram{};
}

void ScreenRegistry::throwIfEnded() const
{
    if (hasEnded())
        throw EndOfProgram{};
}

void ScreenRegistry::guard(const std::function<void()> &handler)
{
    if (hasEnded() || m_failing)
        return;
    try {
        handler();
    } catch (const EndOfProgram &) {
    } catch (const RuntimeError &error) {
        fail(error);
    } catch (const std::bad_alloc &) {
        fail(RuntimeError::outOfMemory());
    }
}

void ScreenRegistry::fail(const RuntimeError &error)
{
    if (hasEnded() || m_failing)
        return;
    // Nothing else runs while the error box is up.
    m_failing = true;
    for (auto &slot : m_slots) {
        if (slot && slot->form())
            slot->form()->stopTimers();
    }
    m_errorBox(error);
    shutDown(Ending::Error, 1);
}

void ScreenRegistry::shutDown(Ending why, int status)
{
    if (hasEnded())
        return;
    m_ending = why;
    m_status = status;
    for (auto &slot : m_slots) {
        if (slot)
            slot->discard();
    }
    inputBox::dismiss();
    m_exitHook(status);
}

void ScreenRegistry::screenClosedByPlayer()
{
    if (hasEnded())
        return;
    for (const auto &slot : m_slots) {
        if (slot && (slot->isVisible() || slot->state() == Screen::State::Loading))
            return;
    }
    // No window is left for the player to reach: the game is over.
    shutDown(Ending::LastWindowClosed, 0);
}

} // namespace tolvane
