#pragma once

// The title window as the page draws it before its program runs: its frame,
// title bar, menu bar and the picture boxes on view, with the same classes
// and in the same places as windows.js and controls.js draw the program's
// own, which takes its place. The page's policy takes no style attributes,
// so each part is placed by a rule of the page's stylesheet.

#include "resources/screen_layout.h"

#include <string>
#include <vector>

namespace tolvane::web {

struct FirstWindow {
    std::string markup;                // the frame, named first-window
    std::string style;                 // the rules that size and place its parts
    std::string text;                  // every letter it draws, for the page's faces
    std::vector<std::string> pictures; // the files it shows (1x and 2x), in src/resources/pictures
};

// `largest`: the largest client area of the game's windows, which the page
// fits on a small display as the program does.
FirstWindow firstWindow(const ScreenLayout &layout, ClientArea largest);

} // namespace tolvane::web
