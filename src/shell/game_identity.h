#pragma once

#include "app_identity.h"

#include <string_view>

namespace tolvane {

// The game's name as the player sees it in captions and boxes.
inline constexpr std::string_view gameTitle = productName;

} // namespace tolvane
