#pragma once

// The game's own logic alone, with no toolkit: whole games played on the
// headless runtime, where windows are plain state and time is virtual.

namespace tolvane::bench {

struct HeadlessFigure {
    int games = 0;
    double usPerGame = 0;
};

// Plays `games` whole games, half with every answer right and half with
// every answer wrong, from the title to "&Quitter" on the closing screen.
HeadlessFigure measureHeadlessGames(int games);

} // namespace tolvane::bench
