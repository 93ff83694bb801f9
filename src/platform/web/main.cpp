// The game in a web browser: the page is the desktop.

#include "platform/web/runtime.h"
#include "screens/screen_factory.h"
#include "shell/game.h"
#include "shell/game_identity.h"
#include "resources/screen_layout.h"

#include <algorithm>

namespace {

// The page fits the largest of the game's windows on a small screen.
tolvane::web::ClientArea largestClientArea()
{
    tolvane::web::ClientArea largest;
    for (int slot = 0; slot < tolvane::screenCount; ++slot) {
        const tolvane::ScreenLayout &layout = tolvane::layoutOf(static_cast<tolvane::ScreenId>(slot));
        largest.width = std::max(largest.width, layout.clientWidth);
        largest.height = std::max(largest.height, layout.clientHeight);
    }
    return largest;
}

} // namespace

int main()
{
    tolvane::web::WebRuntime runtime(tolvane::gameTitle, largestClientArea());
    return tolvane::playGame(runtime, tolvane::makeScreen);
}
