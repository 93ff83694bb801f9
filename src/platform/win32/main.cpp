// The game for Windows players, on the Win32 runtime.

#include "platform/win32/runtime.h"
#include "screens/screen_factory.h"
#include "shell/game.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    // The game takes no command line.
    tolvane::win32::Win32Runtime runtime(instance);
    return tolvane::playGame(runtime, tolvane::makeScreen);
}
