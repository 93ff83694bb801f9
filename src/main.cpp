#include "platform/startup.h"
#include "resources/program_icon.h"
#include "screens/screen_factory.h"
#include "shell/game.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    tolvane::choosePlatform();
    // The game takes no command line: Qt sees only the program's name.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    tolvane::installFrenchTranslations(app);
    tolvane::installProgramIdentity(app);
    return tolvane::playGame(app, tolvane::makeScreen);
}
