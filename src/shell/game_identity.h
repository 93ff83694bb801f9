#pragma once

#include <string_view>

namespace tolvane {

// The game's name as the player sees it in captions and boxes.
inline constexpr std::string_view gameTitle = "LE TOLVANE VIRAIL";

} // namespace tolvane
