#pragma once

#include <array>
#include <string_view>

namespace tolvane {

// The eighteen screens, in the order of their registry slots; slot 1, the
// title screen, is the one the game starts on.
enum class ScreenId {
    TOLVANE1,
    TOLVANE2,
    frmapropos,
    tolvane3,
    tolvane4,
    tolvane5,
    tolvane6,
    tolvane7,
    tolvane8,
    tolvane9,
    tolvane10,
    tolvane11,
    TOLVANE12,
    tolvane13,
    TOLVANE14,
    TOLVANE15,
    tolvane16,
    tolvane17,
};

inline constexpr int screenCount = 18;

inline constexpr std::array<std::string_view, screenCount> screenNames{
    "TOLVANE1", "TOLVANE2",  "frmapropos", "tolvane3",  "tolvane4",  "tolvane5",
    "tolvane6", "tolvane7",  "tolvane8",   "tolvane9",  "tolvane10", "tolvane11",
    "TOLVANE12", "tolvane13", "TOLVANE14", "TOLVANE15", "tolvane16", "tolvane17",
};

constexpr int slotOf(ScreenId id) { return static_cast<int>(id); }
constexpr std::string_view nameOf(ScreenId id) { return screenNames[static_cast<std::size_t>(id)]; }

} // namespace tolvane
