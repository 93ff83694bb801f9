// Shows each window of the game the way a player meets it, one at a time, and
// saves a picture of it, frame included when a window manager draws one.
//
//   window-shots OUTDIR
//
// Used to look at the game's screens; tools/take-screenshots runs it in a
// virtual display with a window manager.

#include "platform/qt/form.h"
#include "platform/qt/runtime.h"
#include "platform/qt/window.h"
#include "screens/screen_factory.h"
#include "shell/screen_registry.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace tolvane;

namespace {

// The game's own runtime, except that nothing ends the tool but its last picture.
class ShotRuntime : public qt::QtRuntime {
public:
    using QtRuntime::QtRuntime;
    void end(int) override {}
};

void wait(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

QPixmap shoot(QWidget *window)
{
    const QRect frame = window->frameGeometry();
    QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.isNull() ? window->grab() : shot;
}

struct Shot {
    const char *file;
    ScreenId screen;
    int waitMs = 300;
    const char *click = nullptr; // a control clicked before the picture
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: window-shots OUTDIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    ShotRuntime runtime(app);
    QDir().mkpath(outDir);

    ScreenRegistry screens(runtime, makeScreen);

    // The name prompt: photographed, then answered.
    QTimer prompt;
    prompt.setInterval(50);
    QObject::connect(&prompt, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        prompt.stop();
        box->findChild<QLineEdit *>()->setText(QStringLiteral("Gérard"));
        wait(300);
        shoot(box).save(outDir + QStringLiteral("/prompt.png"));
        box->accept();
    });
    prompt.start();

    const Shot shots[] = {
        {"TOLVANE1-0.5s.png", ScreenId::TOLVANE1, 500},
        {"TOLVANE1-2s.png", ScreenId::TOLVANE1, 1500},
        {"TOLVANE2.png", ScreenId::TOLVANE2},
        {"frmapropos.png", ScreenId::frmapropos},
        {"tolvane3.png", ScreenId::tolvane3},
        {"tolvane4.png", ScreenId::tolvane4},
        {"tolvane5.png", ScreenId::tolvane5},
        {"tolvane6.png", ScreenId::tolvane6},
        {"tolvane7.png", ScreenId::tolvane7},
        {"tolvane8.png", ScreenId::tolvane8},
        {"tolvane9.png", ScreenId::tolvane9},
        {"tolvane10.png", ScreenId::tolvane10},
        {"tolvane11.png", ScreenId::tolvane11},
        {"TOLVANE12.png", ScreenId::TOLVANE12},
        {"tolvane13.png", ScreenId::tolvane13},
        {"TOLVANE14.png", ScreenId::TOLVANE14},
        {"TOLVANE15.png", ScreenId::TOLVANE15},
        {"tolvane16.png", ScreenId::tolvane16},
        {"tolvane17-start.png", ScreenId::tolvane17},
        {"tolvane17-4s.png", ScreenId::tolvane17, 3800},
        {"tolvane17-click.png", ScreenId::tolvane17, 300, "Image1"},
    };
    for (const Shot &shot : shots) {
        screens.guard([&] {
            for (int slot = 0; slot < screenCount; ++slot) {
                const auto id = static_cast<ScreenId>(slot);
                if (id != shot.screen && screens.find(id))
                    screens.get(id).hide();
            }
            screens.get(shot.screen).show();
        });
        if (shot.click)
            static_cast<runtime::WindowEvents &>(screens.get(shot.screen)).controlEvent(shot.click, "Click");
        wait(shot.waitMs);
        Screen *screen = screens.find(shot.screen);
        auto *window = screen ? static_cast<qt::QtWindow *>(screen->windowIfLoaded()) : nullptr;
        if (!window || !window->form()) {
            std::fprintf(stderr, "%s: not on view\n", shot.file);
            continue;
        }
        shoot(window->form()).save(outDir + QLatin1Char('/') + QLatin1String(shot.file));
        std::printf("%s\n", shot.file);
        // The title screen's own advance would bring TOLVANE2 back over the
        // later pictures.
        if (shot.screen == ScreenId::TOLVANE1)
            screens.guard([&] { screen->timer("Timer1").setEnabled(false); });
    }
    return 0;
}
