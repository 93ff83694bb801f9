#pragma once

// Keeping the game in front across a move that no input of the player caused.
//
// Windows lets a program bring its window to the front only while it is the
// foreground program (or the player's last input went to it): the foreground
// lock. When the active game window hides itself from a timer (the title's
// advance at 3 s), Windows hands the activation to the next window in line,
// often another program's; the game is then no longer in front, and the
// window it shows next is refused the foreground and opens behind. So before
// an active game window is hidden, the activation goes to a window of the
// game's own that is never shown: the game stays the foreground program, and
// its next window comes to the front as it is shown.

#include "platform/win32/win32.h"

namespace tolvane::win32 {

// Called just before `leaving` is hidden: if it is the active window of this
// thread, the activation moves to the game's hidden keeper window.
void keepActivationInGame(HWND leaving);

} // namespace tolvane::win32
