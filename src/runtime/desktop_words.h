#pragma once

// The desktop's own words where a runtime draws the desktop itself (the page
// draws its windows' frames, its boxes and what is left when the game is
// over), in the desktop's French, as input_box.h has the input box's.

#include <string_view>

namespace tolvane::runtime {

// What a screen reader calls a window's close control.
inline constexpr std::string_view closeControlName = "Fermer";
// The error box's one button.
inline constexpr std::string_view errorBoxOk = "OK";
// Once every window is gone, the page says so, with a way to play again.
inline constexpr std::string_view gameOverMessage = "La partie est terminée.";
inline constexpr std::string_view playAgain = "Rejouer";

} // namespace tolvane::runtime
