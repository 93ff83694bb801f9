// The game in a web browser: the page is the desktop.

#include "platform/web/runtime.h"
#include "screens/screen_factory.h"
#include "shell/game.h"
#include "shell/game_identity.h"

int main()
{
    tolvane::web::WebRuntime runtime(tolvane::gameTitle);
    return tolvane::playGame(runtime, tolvane::makeScreen);
}
