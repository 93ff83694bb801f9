// make bench: the game's speed, each figure next to a baseline measured in the
// same run, offscreen. A report: the exit status is 0 whatever the figures,
// and non-zero only when the bench itself could not measure.

#include "headless_games.h"
#include "paint_watch.h"
#include "scripted_game.h"

#include "platform/qt/form.h"
#include "platform/qt/startup.h"
#include "platform/qt/timer.h"
#include "resources/picture_files.h"
#include "resources/picture_id.h"
#include "resources/screen_layout.h"
#include "shell/quiz_script.h"
#include "app_identity.h"

#include <QBuffer>
#include <QImage>
#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QInputDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <memory>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

using namespace tolvane;
using namespace tolvane::qt;
using namespace tolvane::bench;

namespace {

// How many times each figure is measured.
constexpr int startUpRuns = 15;
constexpr int gameRuns = 15;
constexpr int timerGames = 4;
constexpr int timerBaselineRuns = 3;
constexpr int decodeRuns = 15;

// Targets.
constexpr double startUpRatio = 1.25;
constexpr double moveMs = 8.0;
constexpr double timerErrorMs = 5.0;
constexpr double memoryOverMb = 30.0;

[[noreturn]] void benchFailed(const std::string &why)
{
    std::fprintf(stderr, "tolvane-bench: %s\n", why.c_str());
    std::fflush(stdout);
    _exit(2);
}

void progress(const char *what)
{
    std::fprintf(stderr, "... %s\n", what);
    std::fflush(stderr);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return -1.0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

double ms(std::int64_t ns) { return double(ns) / 1e6; }

const char *verdict(bool pass) { return pass ? "PASS" : "MISS"; }

std::string directoryOfThisProgram()
{
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        benchFailed("cannot find its own directory");
    path[n] = '\0';
    std::string dir(path);
    return dir.substr(0, dir.rfind('/'));
}

// One child process, its standard output collected. The clock is read just
// before the spawn and handed down in TOLVANE_BENCH_T0, so the child's figure
// covers exec, dynamic linking and everything after.
struct ChildRun {
    std::map<std::string, std::string> values; // key=value lines
    std::vector<std::string> lines;
};

ChildRun runChild(const std::string &program, const std::vector<std::string> &args)
{
    int out[2];
    if (::pipe(out) != 0)
        benchFailed("pipe");

    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        if (std::strncmp(*e, "TOLVANE_BENCH_T0=", 17) != 0)
            env.emplace_back(*e);
    }
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // Qt's remarks on the offscreen platform go to a file, shown if the child fails.
    char errorsPath[] = "/tmp/tolvane-bench-XXXXXX";
    const int errors = ::mkstemp(errorsPath);
    if (errors < 0)
        benchFailed("mkstemp");
    ::unlink(errorsPath);
    posix_spawn_file_actions_adddup2(&actions, errors, STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, errors);
    posix_spawn_file_actions_addclose(&actions, out[1]);

    env.push_back("TOLVANE_BENCH_T0=" + std::to_string(monotonicNs()));
    std::vector<char *> envp;
    for (std::string &entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(errors);
        benchFailed("cannot start " + program);
    }

    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, std::size_t(n));
    }
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ::lseek(errors, 0, SEEK_SET);
        for (ssize_t n; (n = ::read(errors, buffer, sizeof buffer)) > 0;)
            ::write(STDERR_FILENO, buffer, std::size_t(n));
        benchFailed(program + " failed (status " + std::to_string(status) + ")");
    }
    ::close(errors);

    ChildRun run;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        if (line.empty())
            continue;
        run.lines.push_back(line);
        // key=value words
        std::size_t word = 0;
        while (word < line.size()) {
            std::size_t stop = line.find(' ', word);
            if (stop == std::string::npos)
                stop = line.size();
            const std::string token = line.substr(word, stop - word);
            if (const std::size_t eq = token.find('='); eq != std::string::npos)
                run.values[token.substr(0, eq)] = token.substr(eq + 1);
            word = stop + 1;
        }
    }
    return run;
}

long long valueOf(const ChildRun &run, const std::string &key)
{
    auto found = run.values.find(key);
    if (found == run.values.end())
        benchFailed("a child printed no " + key);
    return std::atoll(found->second.c_str());
}

// ---- start-up and memory, in separate processes ----------------------------

struct StartUp {
    double gameMs = 0, bareMs = 0;
    // Where the time goes, medians: main() entered, QApplication made, French texts loaded.
    double gameMainMs = 0, gameAppMs = 0, gameTranslatedMs = 0, bareMainMs = 0, bareAppMs = 0;
    double bareHwmMb = 0;
    double gameHwmMb = 0;     // at the title's first paint
    double captionMs = 0;     // the bare window with one line of text
    std::string outer;
};

StartUp measureStartUp(const std::string &dir)
{
    const std::string game = dir + "/tolvane-bench-game";
    const std::string bare = dir + "/tolvane-bench-bare";

    // A first run of each fills the page cache and tells the title window's size.
    const ChildRun first = runChild(game, {});
    std::string outer = first.values.count("outer") ? first.values.at("outer") : std::string("531x483");
    const std::size_t x = outer.find('x');
    const std::vector<std::string> size{outer.substr(0, x), outer.substr(x + 1)};
    runChild(bare, size);

    std::vector<double> captionMs, gameHwm;
    std::vector<std::string> withCaption = size;
    withCaption.emplace_back("--caption");
    runChild(bare, withCaption);
    std::vector<double> gameMs, bareMs, bareHwm, gameMain, gameApp, gameTranslated, bareMain, bareApp;
    for (int i = 0; i < startUpRuns; ++i) {
        // Alternating which goes first, so that neither always follows the other.
        for (int k = 0; k < 2; ++k) {
            if ((i + k) % 2 == 0) {
                const ChildRun run = runChild(game, {});
                gameMs.push_back(ms(valueOf(run, "startup_ns")));
                gameMain.push_back(ms(valueOf(run, "main_ns")));
                gameApp.push_back(ms(valueOf(run, "app_ns")));
                gameTranslated.push_back(ms(valueOf(run, "translations_ns")));
                gameHwm.push_back(double(valueOf(run, "hwm_kb")) / 1024.0);
            } else {
                const ChildRun run = runChild(bare, size);
                bareMs.push_back(ms(valueOf(run, "startup_ns")));
                bareHwm.push_back(double(valueOf(run, "hwm_kb")) / 1024.0);
                bareMain.push_back(ms(valueOf(run, "main_ns")));
                bareApp.push_back(ms(valueOf(run, "app_ns")));
            }
        }
        captionMs.push_back(ms(valueOf(runChild(bare, withCaption), "startup_ns")));
    }
    StartUp result;
    result.gameMs = median(gameMs);
    result.bareMs = median(bareMs);
    result.gameMainMs = median(gameMain);
    result.gameAppMs = median(gameApp);
    result.gameTranslatedMs = median(gameTranslated);
    result.bareMainMs = median(bareMain);
    result.bareAppMs = median(bareApp);
    result.bareHwmMb = median(bareHwm);
    result.outer = outer;
    result.gameHwmMb = median(gameHwm);
    result.captionMs = median(captionMs);
    return result;
}

struct ColdGame {
    std::vector<Move> moves;
    double hwmMb = 0;
    std::string peaks; // "TOLVANE1 32.9, TOLVANE2 +2.7, ..." MB after each window's first paint
};

ColdGame coldGame(const std::string &dir, bool right)
{
    const ChildRun run = runChild(dir + "/tolvane-bench-game", {"--whole-game", right ? "right" : "wrong"});
    ColdGame cold;
    for (const std::string &line : run.lines) {
        int step = 0;
        char path[16], kind[16];
        long long ns = 0;
        if (std::sscanf(line.c_str(), "move %d %15s %15s %lld", &step, path, kind, &ns) == 4) {
            Move move;
            move.step = step;
            move.right = std::strcmp(path, "right") == 0;
            move.kind = std::strcmp(kind, "answer") == 0 ? MoveKind::Answer : MoveKind::Next;
            move.ns = ns;
            cold.moves.push_back(move);
        }
    }
    cold.hwmMb = double(valueOf(run, "hwm_kb")) / 1024.0;
    for (const std::string &line : run.lines) {
        if (line.rfind("peaks", 0) != 0)
            continue;
        long previous = -1;
        std::size_t at = 6;
        while (at < line.size()) {
            std::size_t stop = line.find(' ', at);
            if (stop == std::string::npos)
                stop = line.size();
            const std::string token = line.substr(at, stop - at);
            at = stop + 1;
            const std::size_t colon = token.find(':');
            if (colon == std::string::npos)
                continue;
            const long kb = std::atol(token.c_str() + colon + 1);
            char part[64];
            if (previous < 0)
                std::snprintf(part, sizeof part, "%s %.1f", token.substr(0, colon).c_str(), double(kb) / 1024.0);
            else
                std::snprintf(part, sizeof part, ", %s %+.1f", token.substr(0, colon).c_str(), double(kb - previous) / 1024.0);
            cold.peaks += part;
            previous = kb;
        }
    }
    if (cold.moves.size() != 10)
        benchFailed("a whole game did not report its ten moves");
    return cold;
}

// ---- moves, in this process ------------------------------------------------

struct MoveFigures {
    Move move;               // from the last game: screens and size
    std::vector<double> ms;  // warm games
    double coldMs = -1;      // a fresh process's only game
    double bareMs = -1;      // an empty window of the same size, hidden one shown
};

// Runs `action`, then the event loop until a window for which `match` is true
// has been painted; returns the nanoseconds from before the action, or -1.
template <class Match, class Action>
std::int64_t timePaint(WatchedApplication &app, Match match, Action action)
{
    std::int64_t painted = -1;
    QEventLoop loop;
    app.watchPaint(match, [&](QWidget *, std::int64_t when) {
        painted = when;
        loop.quit();
    });
    const std::int64_t started = monotonicNs();
    action();
    if (painted < 0) {
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    app.cancelWatch();
    return painted < 0 ? -1 : painted - started;
}

// The floor of a move: one empty window hidden, a new empty window of the
// target's size created and shown, until its paint.
double bareMove(WatchedApplication &app, QSize size)
{
    std::vector<double> times;
    for (int i = 0; i < gameRuns; ++i) {
        QWidget from;
        from.resize(size);
        if (timePaint(app, [&](QWidget *w) { return w == &from; }, [&] { from.show(); }) < 0)
            benchFailed("an empty window was never painted");
        QCoreApplication::processEvents();

        std::unique_ptr<QWidget> to;
        const std::int64_t ns = timePaint(
            app, [](QWidget *w) { return w->objectName() == QLatin1String("bareMoveTarget"); },
            [&] {
                from.hide();
                to = std::make_unique<QWidget>();
                to->setObjectName(QStringLiteral("bareMoveTarget"));
                to->resize(size);
                to->show();
            });
        if (ns < 0)
            benchFailed("an empty window was never painted");
        times.push_back(ms(ns));
        to.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return median(times);
}

std::vector<MoveFigures> measureMoves(WatchedApplication &app, const ColdGame &coldRight, const ColdGame &coldWrong)
{
    setTimerScale(0.02);
    // Index: path (right first), step, kind.
    std::vector<MoveFigures> figures(20);
    auto slot = [](const Move &move) {
        return (move.right ? 0 : 10) + (move.step - 1) * 2 + (move.kind == MoveKind::Answer ? 0 : 1);
    };
    for (int game = -1; game < gameRuns; ++game) {
        for (bool right : {true, false}) {
            ScriptedGame scripted(app);
            const std::vector<Move> moves = scripted.play(right);
            if (moves.empty())
                benchFailed("a game failed: " + scripted.failure().toStdString());
            if (game < 0)
                continue; // the first game of each path decodes the pictures
            for (const Move &move : moves) {
                MoveFigures &f = figures[std::size_t(slot(move))];
                f.move = move;
                f.ms.push_back(ms(move.ns));
            }
        }
    }
    for (const ColdGame *cold : {&coldRight, &coldWrong}) {
        for (const Move &move : cold->moves)
            figures[std::size_t(slot(move))].coldMs = ms(move.ns);
    }
    std::map<std::pair<int, int>, double> floors;
    for (MoveFigures &f : figures) {
        const auto key = std::make_pair(f.move.toSize.width(), f.move.toSize.height());
        if (!floors.count(key))
            floors[key] = bareMove(app, f.move.toSize);
        f.bareMs = floors[key];
    }
    setTimerScale(1.0);
    return figures;
}

// ---- visible timers, real time ---------------------------------------------

// Notes when the windows and labels the timers act on appear.
class Appearances : public QObject {
public:
    std::optional<std::int64_t> titleShown, introsuiteShown, promptShown;
    std::optional<std::int64_t> closingShown, label1Shown, label2Shown;

    // Runs the event loop until the closing window's second taunt shows.
    bool awaitLastChange(int timeoutMs)
    {
        if (!label2Shown) {
            QEventLoop loop;
            QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
            m_loop = &loop;
            loop.exec();
            m_loop = nullptr;
        }
        return label2Shown.has_value();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::ShowToParent)
            return false;
        if (!watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        const std::int64_t now = monotonicNs();
        if (type == QEvent::Show && widget->isWindow()) {
            if (auto *form = qobject_cast<Form *>(widget)) {
                if (&form->layout() == &layoutOf(ScreenId::TOLVANE1) && !titleShown)
                    titleShown = now;
                if (&form->layout() == &layoutOf(ScreenId::tolvane17) && !closingShown)
                    closingShown = now;
            } else if (qobject_cast<QInputDialog *>(widget) && !promptShown) {
                promptShown = now;
            }
            return false;
        }
        // ShowToParent: the control itself was made visible.
        if (type == QEvent::ShowToParent && !widget->isWindow()) {
            auto *form = qobject_cast<Form *>(widget->window());
            if (!form)
                return false;
            const QString name = widget->objectName();
            if (&form->layout() == &layoutOf(ScreenId::TOLVANE1) && name == QLatin1String("introsuite") && !introsuiteShown)
                introsuiteShown = now;
            if (&form->layout() == &layoutOf(ScreenId::tolvane17)) {
                if (name == QLatin1String("Label1") && !label1Shown)
                    label1Shown = now;
                if (name == QLatin1String("Label2") && !label2Shown) {
                    label2Shown = now;
                    if (m_loop)
                        m_loop->quit();
                }
            }
        }
        return false;
    }

private:
    QEventLoop *m_loop = nullptr;
};

struct TimerFigure {
    const char *name;
    int intervalMs;
    std::vector<double> errorsMs;     // the game's
    std::vector<double> baselineMs;   // a bare QTimer's
};

double worst(const std::vector<double> &errors)
{
    double w = 0;
    for (double e : errors)
        w = std::max(w, std::abs(e));
    return w;
}

std::vector<TimerFigure> measureTimers(WatchedApplication &app)
{
    std::vector<TimerFigure> figures{
        {"timer intro", 1500, {}, {}},
        {"timer advance", 3000, {}, {}},
        {"timer closing 1", 2000, {}, {}},
        {"timer closing 2", 3500, {}, {}},
    };
    setTimerScale(1.0);
    for (int run = 0; run < timerGames; ++run) {
        Appearances seen;
        qApp->installEventFilter(&seen);
        std::vector<Move> moves;
        {
            ScriptedGame game(app);
            moves = game.play(true);
            if (moves.empty())
                benchFailed("a timed game failed: " + game.failure().toStdString());
            seen.awaitLastChange(6000);
        }
        qApp->removeEventFilter(&seen);
        if (!seen.titleShown || !seen.introsuiteShown || !seen.promptShown || !seen.closingShown || !seen.label1Shown ||
            !seen.label2Shown)
            benchFailed("a timer's change was never seen");
        figures[0].errorsMs.push_back(ms(*seen.introsuiteShown - *seen.titleShown) - 1500);
        figures[1].errorsMs.push_back(ms(*seen.promptShown - *seen.titleShown) - 3000);
        figures[2].errorsMs.push_back(ms(*seen.label1Shown - *seen.closingShown) - 2000);
        figures[3].errorsMs.push_back(ms(*seen.label2Shown - *seen.closingShown) - 3500);
    }
    // The floor: Qt's own precise timers of the same intervals, started together.
    for (int run = 0; run < timerBaselineRuns; ++run) {
        std::vector<std::int64_t> fired(figures.size(), -1);
        std::vector<std::unique_ptr<QTimer>> timers;
        QEventLoop loop;
        QTimer::singleShot(6000, &loop, &QEventLoop::quit);
        const std::int64_t started = monotonicNs();
        for (std::size_t i = 0; i < figures.size(); ++i) {
            auto timer = std::make_unique<QTimer>();
            timer->setTimerType(Qt::PreciseTimer);
            timer->setSingleShot(true);
            QObject::connect(timer.get(), &QTimer::timeout, [&fired, &loop, i] {
                fired[i] = monotonicNs();
                if (std::all_of(fired.begin(), fired.end(), [](std::int64_t t) { return t >= 0; }))
                    loop.quit();
            });
            timer->start(figures[i].intervalMs);
            timers.push_back(std::move(timer));
        }
        loop.exec();
        for (std::size_t i = 0; i < figures.size(); ++i) {
            if (fired[i] < 0)
                benchFailed("a bare timer never fired");
            figures[i].baselineMs.push_back(ms(fired[i] - started) - figures[i].intervalMs);
        }
    }
    return figures;
}

// ---- pictures ---------------------------------------------------------------

struct DecodeFigure {
    std::string name;
    QSize size;
    qint64 bytes = 0;
    double ms = 0;
};

std::vector<DecodeFigure> measureDecodes()
{
    std::vector<DecodeFigure> figures;
    for (const PictureInfo &info : pictureInventory) {
        const std::span<const unsigned char> file = pictureFile(info.id);
        const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(file.data()), qsizetype(file.size()));
        std::vector<double> times;
        DecodeFigure figure{std::string(info.name), {}, 0, 0};
        for (int i = 0; i < decodeRuns; ++i) {
            const std::int64_t started = monotonicNs();
            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer);
            QImage image;
            const bool read = reader.read(&image);
            const std::int64_t done = monotonicNs();
            if (!read || image.isNull())
                benchFailed("cannot decode " + std::string(info.name));
            times.push_back(ms(done - started));
            figure.size = image.size();
        }
        figure.bytes = qint64(file.size());
        figure.ms = median(times);
        figures.push_back(figure);
    }
    return figures;
}

} // namespace

// The offscreen platform's remarks ("does not support raise()") would bury the
// table; anything worse than a warning still shows.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char *argv[])
{
    // What is measured is Qt's offscreen platform: the paints go to memory.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string dir = directoryOfThisProgram();

    progress("start-up");
    const StartUp startUp = measureStartUp(dir);
    progress("whole games in fresh processes");
    const ColdGame coldRight = coldGame(dir, true);
    const ColdGame coldWrong = coldGame(dir, false);

    qInstallMessageHandler(quietMessages);
    int qtArgc = argc > 0 ? 1 : 0;
    WatchedApplication app(qtArgc, argv);
    installFrenchTranslations(app);

    progress("moves");
    const std::vector<MoveFigures> moves = measureMoves(app, coldRight, coldWrong);
    progress("visible timers (real time, about 40 s)");
    const std::vector<TimerFigure> timers = measureTimers(app);
    progress("pictures");
    const std::vector<DecodeFigure> decodes = measureDecodes();
    progress("the game's own logic, headless");
    measureHeadlessGames(100); // warm
    const HeadlessFigure headless = measureHeadlessGames(2000);

    int misses = 0;
    auto count = [&](bool pass) {
        misses += pass ? 0 : 1;
        return verdict(pass);
    };

    std::printf("\n%s bench, Qt %s, QT_QPA_PLATFORM=offscreen (paints go to memory)\n", tolvane::productName,
                qVersion());
    std::printf("medians unless said otherwise; each figure next to its baseline from this run\n\n");

    const double ratio = startUp.gameMs / startUp.bareMs;
    std::printf("%-32s %8.1f ms   bare %6.1f ms   ratio %4.2f     target <= %.2f x bare   %s\n", "start-up", startUp.gameMs,
                startUp.bareMs, ratio, startUpRatio, count(ratio <= startUpRatio));
    std::printf("%-32s (process start to the title window's first paint, %d runs each, window %s)\n", "",
                startUpRuns, startUp.outer.c_str());
    std::printf("%-32s  game: main() at %.1f, QApplication made %.1f, French texts %.1f, title painted %.1f ms\n", "",
                startUp.gameMainMs, startUp.gameAppMs, startUp.gameTranslatedMs, startUp.gameMs);
    std::printf("%-32s  bare: main() at %.1f, QApplication made %.1f, window painted %.1f ms\n", "", startUp.bareMainMs,
                startUp.bareAppMs, startUp.bareMs);
    std::printf("%-32s  bare with one line of text: painted %.1f ms (ratio %.2f)\n\n", "", startUp.captionMs,
                startUp.gameMs / startUp.captionMs);

    for (const MoveFigures &f : moves) {
        const double m = median(f.ms);
        std::string label = moveLabel(f.move) + (f.move.right ? "  (right)" : "  (wrong)");
        std::printf("%-32s %8.2f ms   bare %6.2f ms   cold %6.2f ms  target <= %.0f ms        %s\n", label.c_str(), m,
                    f.bareMs, f.coldMs, moveMs, count(m <= moveMs));
    }
    std::printf("%-32s (click to the next window painted, %d games per path; cold: a fresh process's first game;\n"
                "%-32s  bare: an empty window hidden, a new one of the same size shown)\n\n",
                "", gameRuns, "");

    for (const TimerFigure &t : timers) {
        char label[64];
        std::snprintf(label, sizeof label, "%s %d ms", t.name, t.intervalMs);
        const double w = worst(t.errorsMs);
        std::printf("%-32s %+8.2f ms   bare %+6.2f ms   worst %5.2f ms  target within %.0f ms  %s\n", label,
                    median(t.errorsMs), median(t.baselineMs), w, timerErrorMs, count(w <= timerErrorMs));
    }
    std::printf("%-32s (error: the change seen minus the interval, from the window's show, real time, %d games;\n"
                "%-32s  bare: a QTimer of the same interval; the target holds for the worst run)\n\n",
                "", timerGames, "");

    const double peak = std::max(coldRight.hwmMb, coldWrong.hwmMb);
    const double over = peak - startUp.bareHwmMb;
    std::printf("%-32s %8.1f MB   bare %6.1f MB   over %+6.1f MB target <= bare + %.0f MB  %s\n", "peak memory", peak,
                startUp.bareHwmMb, over, memoryOverMb, count(over <= memoryOverMb));
    std::printf("%-32s (VmHWM at the end of a whole game in a fresh process, worse of the two paths:\n"
                "%-32s  right %.1f MB, wrong %.1f MB; bare: VmHWM at its first paint;\n",
                "", "", coldRight.hwmMb, coldWrong.hwmMb);
    std::printf("%-32s  the game at its title's first paint: %.1f MB)\n", "", startUp.gameHwmMb);
    std::printf("%-32s  peak after each first paint, right path, MB: %s\n\n", "", coldRight.peaks.c_str());

    for (const DecodeFigure &d : decodes) {
        char label[64];
        std::snprintf(label, sizeof label, "decode %s", d.name.c_str());
        char size[32];
        std::snprintf(size, sizeof size, "%dx%d", d.size.width(), d.size.height());
        std::printf("%-32s %8.2f ms   %-11s %8lld bytes   %6.1f Mpixel/s\n", label, d.ms, size,
                    static_cast<long long>(d.bytes), d.ms > 0 ? double(d.size.width()) * d.size.height() / (d.ms * 1e3) : 0.0);
    }
    std::printf("%-32s (QImageReader from the embedded file into a fresh QImage, %d runs each)\n\n", "", decodeRuns);

    std::printf("%-32s %8.1f us   (the title to \"&Quitter\", every window and rule, no toolkit: what the\n"
                "%-32s  game's own code costs, on the headless runtime in virtual time, %d games)\n\n",
                "whole game, headless", headless.usPerGame, "", headless.games);

    std::printf("%d figure(s) missed their target\n", misses);
    std::fflush(stdout);
    // The windows and the pictures go with the process.
    _exit(0);
}
