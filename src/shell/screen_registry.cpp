#include "shell/screen_registry.h"

#include "runtime/runtime.h"
#include "shell/game_identity.h"

namespace tolvane {

using runtime::RuntimeError;

ScreenRegistry::ScreenRegistry(runtime::Runtime &runtime, Factory factory)
    : m_runtime(runtime), m_factory(std::move(factory)), m_pictures(runtime)
{
}

ScreenRegistry::~ScreenRegistry()
{
    // Every window closes before any screen goes: no window outlives the screen it reports to.
    for (auto &slot : m_slots) {
        if (slot)
            slot->discard();
    }
}

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
    throw runtime::EndOfProgram{};
}

void ScreenRegistry::throwIfEnded() const
{
    if (hasEnded())
        throw runtime::EndOfProgram{};
}

void ScreenRegistry::fail(const RuntimeError &error)
{
    if (hasEnded() || m_failure)
        return;
    // Nothing else runs while the error box is up.
    m_failure = error;
    for (auto &slot : m_slots) {
        if (slot)
            slot->stopTimers();
    }
    m_runtime.errorBox(gameTitle, errorBoxText(error));
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
    m_runtime.end(status);
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

std::string errorBoxText(const RuntimeError &error)
{
    return "Erreur d'exécution '" + std::to_string(error.number()) + "':\n\n" + error.text();
}

} // namespace tolvane
