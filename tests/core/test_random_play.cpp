// A random player: clicks any control of any window, types any text, presses
// keys, opens the menus, closes windows, answers or cancels the name prompt
// (sometimes slowly) and waits, game after game, a million actions in all.
// After every action the game's rules must still hold.
//
// Each game has its own seed, printed with the actions that led to a broken
// rule; TOLVANE_PLAY_SEED=N replays that one game alone, and
// TOLVANE_PLAY_ACTIONS=N sets how many actions to play in all.

#include "screens/about_box.h"
#include "shell/quiz_script.h"
#include "support/headless_game.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>

using namespace tolvane;
using namespace tolvane::testing;

namespace {

constexpr long long defaultActions = 1'000'000;
constexpr int actionsPerGame = 400;
constexpr std::uint64_t firstSeed = 20261208;

const std::array<std::string, 10> texts{
    "", "marzelle", "MARZELLE", "lundi", "Marzelle Vastrelli", "vert", "VRAI", "faux", "é&É\r\n\t", "\U0001F4A9 \xFF",
};

class RandomPlayer {
public:
    explicit RandomPlayer(std::uint64_t seed) : m_random(seed)
    {
        m_game.runtime.setPromptScript([this](std::string_view, std::string_view) {
            HeadlessRuntime::PromptAnswer answer{pickText(), pick(4) != 0, pick(5) == 0 ? pick(6000) : 0};
            m_greeting = (answer.ok ? answer.text : std::string()) + "!";
            note("prompt answered with \"" + answer.text + (answer.ok ? "\", OK" : "\", Cancel") + " after " +
                 std::to_string(answer.afterMs) + " ms");
            return answer;
        });
        m_game.start();
    }

    // Plays until the game ends or the game's share of actions is done;
    // returns the actions played, and the broken rule if one broke.
    int play(std::string &broken)
    {
        int done = 0;
        while (done < actionsPerGame && !m_game.hasEnded()) {
            act();
            ++done;
            broken = brokenRule();
            if (!broken.empty())
                break;
        }
        return done;
    }

    const std::deque<std::string> &log() const { return m_log; }
    bool reachedTheEnd() const { return m_game.isLoaded(ScreenId::tolvane17) || m_closes[std::size_t(ScreenId::tolvane17)]; }

private:
    int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }
    std::string pickText() { return texts[std::size_t(pick(int(texts.size())))]; }

    void note(std::string line)
    {
        m_log.push_back(std::to_string(m_game.runtime.now()) + " ms: " + std::move(line));
        if (m_log.size() > 40)
            m_log.pop_front();
    }

    HeadlessWindow *someWindow()
    {
        const auto &windows = m_game.runtime.windows();
        if (windows.empty())
            return nullptr;
        // Mostly the one in front, as a player would.
        if (HeadlessWindow *active = m_game.runtime.activeWindow(); active && pick(3) != 0)
            return active;
        return windows[std::size_t(pick(int(windows.size())))];
    }

    std::string_view someControl(const HeadlessWindow &window)
    {
        const auto &controls = window.layout().controls;
        return controls[std::size_t(pick(int(controls.size())))].name;
    }

    void act()
    {
        HeadlessWindow *window = someWindow();
        const int kind = pick(100);
        if (!window || kind < 15) {
            static constexpr std::int64_t waits[] = {1, 10, 100, 499, 1500, 3000, 4000};
            const std::int64_t ms = waits[pick(7)];
            note("waits " + std::to_string(ms) + " ms");
            m_game.wait(ms);
            return;
        }
        const std::string name(window->name());
        if (kind < 45) {
            const std::string control(someControl(*window));
            note("clicks " + control + " on " + name);
            window->click(control);
            return;
        }
        if (kind < 60) {
            const std::string control(someControl(*window));
            const std::string text = pickText();
            note("types \"" + text + "\" into " + control + " on " + name);
            window->type(control, text);
            return;
        }
        if (kind < 72) {
            const auto key = HeadlessWindow::Key(pick(5));
            note("presses key " + std::to_string(int(key)) + " on " + name);
            window->press(key);
            return;
        }
        if (kind < 84) {
            static constexpr char letters[] = {'J', 'A', 'R', 'S', 'F', 'Q', 'X'};
            const char letter = letters[pick(7)];
            note(std::string("presses Alt+") + letter + " on " + name);
            window->pressAlt(letter);
            return;
        }
        if (kind < 92) {
            static constexpr char letters[] = {'q', 'a', 'x', 'Q'};
            const char letter = letters[pick(4)];
            note(std::string("presses ") + letter + " on " + name);
            window->pressLetter(letter);
            return;
        }
        if (kind < 99) {
            const MenuBarLayout &menu = window->layout().menu;
            // "&Quitter" ends the game, so it comes rarely.
            const std::string_view item = pick(40) == 0 ? menu.quit : menu.about;
            note("chooses menu item " + std::string(item) + " on " + name);
            window->chooseMenu(item);
            return;
        }
        note("closes " + name);
        const ScreenId id = idOf(name);
        if (window->close())
            ++m_closes[std::size_t(id)];
    }

    static ScreenId idOf(std::string_view name)
    {
        for (int slot = 0; slot < screenCount; ++slot) {
            if (screenNames[std::size_t(slot)] == name)
                return ScreenId(slot);
        }
        return ScreenId::TOLVANE1;
    }

    std::string brokenRule() const
    {
        const HeadlessRuntime &runtime = m_game.runtime;
        if (!runtime.errorBoxes().empty())
            return "an error box came up: " + runtime.errorBoxes()[0].second;
        if (m_game.hasEnded()) {
            if (!runtime.windows().empty())
                return "windows are left after the end";
            if (!runtime.hasEnded() || runtime.exitStatus() != 0)
                return "the game ended without the runtime ending with status 0";
            return {};
        }
        std::size_t windows = 0;
        for (int slot = 0; slot < screenCount; ++slot) {
            const ScreenId id = ScreenId(slot);
            const Screen *screen = m_game.screens.find(id);
            if (!screen)
                continue;
            const HeadlessWindow *window = m_game.window(id);
            if (screen->isLoaded() != (window != nullptr))
                return std::string(nameOf(id)) + " is loaded without its window, or the other way round";
            if (screen->loadHandlerRuns() != screen->loadCount())
                return std::string(nameOf(id)) + "'s load handler ran more often than it loaded";
            if (screen->loadCount() > m_closes[std::size_t(slot)] + 1)
                return std::string(nameOf(id)) + " loaded again without being closed";
            if (!window)
                continue;
            ++windows;
            if (id != ScreenId::frmapropos && screen->state() == Screen::State::Loaded &&
                (window->left() != centredLeft(m_game, id) || window->top() != centredTop(m_game, id)))
                return std::string(nameOf(id)) + " is not centred";
        }
        if (windows != runtime.windows().size())
            return "the runtime has windows that no screen owns";

        for (const QuizStep &step : quizScript) {
            const int match = loads(step.match.screen);
            const int miss = loads(step.miss.screen);
            if (match && miss)
                return "both verdicts of question " + std::to_string(step.number) + " loaded";
            if ((match || miss) && !loads(step.questionScreen))
                return "a verdict of question " + std::to_string(step.number) + " came before its question";
            if (loads(step.next) && !match && !miss)
                return std::string(nameOf(step.next)) + " came before a verdict of question " +
                       std::to_string(step.number);
        }
        if (loads(ScreenId::TOLVANE2) && !loads(ScreenId::TOLVANE1))
            return "the first question came before the title";

        if (const HeadlessWindow *first = m_game.window(ScreenId::TOLVANE2);
            first && m_game.screens.find(ScreenId::TOLVANE2)->state() == Screen::State::Loaded &&
            first->caption("nom") != m_greeting)
            return "the greeting reads \"" + first->caption("nom") + "\", not \"" + m_greeting + "\"";
        if (const HeadlessWindow *about = m_game.window(ScreenId::frmapropos);
            about && about->caption("aproposlbl") != AboutBox::aboutText())
            return "the About box reads something else";
        if (const HeadlessWindow *closing = m_game.window(ScreenId::tolvane17)) {
            if (closing->ownVisible("Label1") && closing->ownVisible("Label2"))
                return "both taunts are on view";
            if (closing->ownVisible("Image3") &&
                (!closing->ownVisible("Label3") || closing->ownVisible("Label2") || closing->timerEnabled("Timer2")))
                return "the splat is on view without the final message alone";
        }
        if (const HeadlessWindow *title = m_game.window(ScreenId::TOLVANE1)) {
            if (title->caption("intro") != "Jouons tout de suite..." || !title->ownVisible("intro"))
                return "the title's greeting is gone";
            if (title->ownVisible("MARZELLEQUESTION") || title->ownVisible("jouer"))
                return "a hidden control of the title came into view";
        }
        return {};
    }

    int loads(ScreenId id) const
    {
        const Screen *screen = m_game.screens.find(id);
        return screen ? screen->loadCount() : 0;
    }

    std::mt19937_64 m_random;
    HeadlessGame m_game;
    std::array<int, screenCount> m_closes{};
    std::string m_greeting = "!";
    std::deque<std::string> m_log;
};

long long fromEnvironment(const char *name, long long fallback)
{
    const char *value = std::getenv(name);
    return value && *value ? std::atoll(value) : fallback;
}

} // namespace

TEST(RandomPlay, RulesHoldWhateverThePlayerDoes)
{
    const long long replay = fromEnvironment("TOLVANE_PLAY_SEED", -1);
    const long long wanted = replay >= 0 ? actionsPerGame : fromEnvironment("TOLVANE_PLAY_ACTIONS", defaultActions);
    const auto started = std::chrono::steady_clock::now();
    long long actions = 0;
    long long games = 0;
    long long finished = 0;
    for (std::uint64_t seed = replay >= 0 ? std::uint64_t(replay) : firstSeed; actions < wanted; ++seed) {
        RandomPlayer player(seed);
        std::string broken;
        actions += player.play(broken);
        ++games;
        finished += player.reachedTheEnd();
        if (!broken.empty()) {
            std::string log;
            for (const std::string &line : player.log())
                log += "  " + line + "\n";
            FAIL() << "rule broken: " << broken << "\nreplay with TOLVANE_PLAY_SEED=" << seed
                   << "\nthe last actions:\n" << log;
        }
        if (replay >= 0)
            break;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("random play: %lld actions in %lld games (%lld reached the closing screen), %.1f s\n", actions,
                games, finished, seconds);
}
