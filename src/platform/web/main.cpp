// The game in a web browser: the page is the desktop.

#include "platform/web/runtime.h"
#include "resources/screen_layout.h"
#include "screens/screen_factory.h"
#include "shell/game.h"
#include "shell/game_identity.h"

int main()
{
    tolvane::web::WebRuntime runtime(tolvane::gameTitle, tolvane::largestClientArea());
    return tolvane::playGame(runtime, tolvane::makeScreen);
}
