// The game for Linux players, on Qt.

#include "platform/qt/runtime.h"
#include "platform/qt/startup.h"
#include "screens/screen_factory.h"
#include "shell/game.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    tolvane::qt::choosePlatform();
    // The game takes no command line: Qt sees only the program's name.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    tolvane::qt::QtRuntime runtime(app);
    return tolvane::playGame(runtime, tolvane::makeScreen);
}
