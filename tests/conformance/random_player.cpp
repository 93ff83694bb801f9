// A random player: the whole game played on a runtime by any input at all,
// game after game, with the game's rules checked after every action.

#include "random_player.h"

#include "resources/control_rules.h"
#include "screens/about_box.h"
#include "screens/screen_factory.h"
#include "shell/centring.h"
#include "shell/quiz_script.h"
#include "shell/screen_registry.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <deque>
#include <random>

namespace tolvane::conformance {

namespace {

const std::array<std::string, 10> texts{
    "", "marzelle", "MARZELLE", "lundi", "Marzelle Vastrelli", "vert", "VRAI", "faux", "é&É ", "\U0001F4A9 שלום",
};

class Game {
public:
    Game(Player &player, std::uint64_t seed, const RandomPlay &how)
        : m_player(player), m_how(how), m_random(seed), m_screens(player.runtime(), makeScreen)
    {
        answerTheNextBox();
        m_screens.pictures().decodeInBackground();
        m_screens.start();
    }

    ~Game()
    {
        // Never left waiting in a box: the next game starts on a fresh runtime.
        m_player.whenInputBoxOpens({});
    }

    // Plays until the game ends or its share is done; returns the actions
    // played, and the broken rule if one broke.
    long long play(long long actions, std::string &broken)
    {
        long long done = 0;
        while (done < actions && !m_screens.hasEnded()) {
            act();
            ++done;
            countCloses();
            broken = brokenRule();
            if (!broken.empty())
                break;
        }
        return done;
    }

    bool reachedTheEnd() const { return loads(ScreenId::tolvane17) > 0; }
    bool ended() const { return m_screens.hasEnded(); }
    const std::deque<std::string> &log() const { return m_log; }

private:
    int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }
    const std::string &pickText() { return texts[std::size_t(pick(int(texts.size())))]; }

    void note(std::string line)
    {
        m_log.push_back(std::move(line));
        if (m_log.size() > 40)
            m_log.pop_front();
    }

    // What the player does in the name prompt: types, waits, then answers
    // it one way or another.
    void answerTheNextBox()
    {
        m_player.whenInputBoxOpens([this] {
            const std::string &text = pickText();
            const int wait = pick(5) == 0 ? m_how.longWaits[std::size_t(pick(int(m_how.longWaits.size())))] : 0;
            const int way = pick(5);
            note("in the prompt: types " + std::string(text) + ", waits " + std::to_string(wait) + " ms, answers " +
                 std::to_string(way));
            m_player.type(text);
            if (wait > 0)
                m_player.wait(wait);
            m_typedName = text;
            switch (way) {
            case 0:
                m_player.press(Key::Escape);
                m_typedName.clear();
                break;
            case 1:
                m_player.clickInputBoxButton(false);
                m_typedName.clear();
                break;
            case 2:
                m_player.clickInputBoxButton(true);
                break;
            default:
                m_player.press(Key::Enter);
                break;
            }
            m_answered = true;
            answerTheNextBox();
        });
    }

    Screen *someLoadedScreen()
    {
        std::vector<Screen *> loaded;
        for (int slot = 0; slot < screenCount; ++slot) {
            Screen *screen = m_screens.find(ScreenId(slot));
            if (screen && screen->state() == Screen::State::Loaded && screen->isVisible())
                loaded.push_back(screen);
        }
        if (loaded.empty())
            return nullptr;
        return loaded[std::size_t(pick(int(loaded.size())))];
    }

    void act()
    {
        Screen *screen = someLoadedScreen();
        const int kind = pick(100);
        if (!screen || kind < 15) {
            const int ms = pick(m_how.longWaitOdds) == 0 ? m_how.longWaits[std::size_t(pick(int(m_how.longWaits.size())))]
                                        : m_how.shortWaits[std::size_t(pick(int(m_how.shortWaits.size())))];
            note("waits " + std::to_string(ms) + " ms");
            m_player.wait(ms);
            return;
        }
        runtime::Window &window = screen->window();
        const std::string name(screen->name());
        const auto &controls = screen->layout().controls;
        if (kind < 45) {
            const std::size_t control = std::size_t(pick(int(controls.size())));
            if (controls[control].kind == ControlKind::Timer)
                return;
            note("clicks " + std::string(controls[control].name) + " on " + name);
            m_player.click(window, control);
            return;
        }
        if (kind < 57) {
            const std::string &text = pickText();
            note("types \"" + text + "\" on " + name);
            m_player.type(text);
            return;
        }
        if (kind < 70) {
            const Key key = Key(pick(9));
            note("presses key " + std::to_string(int(key)) + " on " + name);
            m_player.press(key);
            return;
        }
        if (kind < 82) {
            static constexpr char letters[] = {'J', 'A', 'R', 'S', 'F', 'Q', 'X'};
            const char letter = letters[pick(7)];
            note(std::string("presses Alt+") + letter + " on " + name);
            m_player.pressAlt(letter);
            return;
        }
        if (kind < 90) {
            static constexpr char letters[] = {'Q', 'A', 'X', 'R'};
            const char letter = letters[pick(4)];
            note(std::string("presses ") + letter + " on " + name);
            m_player.pressLetter(letter);
            return;
        }
        if (kind < 98) {
            const MenuBarLayout &menu = screen->layout().menu;
            if (!menu.present())
                return;
            // "&Quitter" ends the game, so it comes rarely.
            const std::string_view item = pick(30) == 0 ? menu.quit : menu.about;
            note("chooses " + std::string(item) + " on " + name);
            m_player.chooseMenu(window, item);
            return;
        }
        note("closes " + name + (kind == 98 ? " with Alt+F4" : ""));
        if (kind == 98)
            m_player.pressAltF4();
        else
            m_player.close(window);
    }

    // A screen that went back to not loaded was closed by the player.
    void countCloses()
    {
        for (int slot = 0; slot < screenCount; ++slot) {
            const Screen *screen = m_screens.find(ScreenId(slot));
            const bool loaded = screen && screen->isLoaded();
            if (m_wasLoaded[std::size_t(slot)] && !loaded)
                ++m_closes[std::size_t(slot)];
            m_wasLoaded[std::size_t(slot)] = loaded;
        }
    }

    int loads(ScreenId id) const
    {
        const Screen *screen = m_screens.find(id);
        return screen ? screen->loadCount() : 0;
    }

    std::string shown(const Screen &screen, std::string_view label) const
    {
        return m_player.shownText(screen.window(), screenIndex(screen, label));
    }

    static std::size_t screenIndex(const Screen &screen, std::string_view control)
    {
        return controlNamed(screen.layout(), control).value_or(screen.layout().controls.size());
    }

    bool visible(const Screen &screen, std::string_view control) const
    {
        return screen.window().controlVisible(screenIndex(screen, control));
    }

    std::string brokenRule() const
    {
        if (m_screens.failure())
            return "an error ended the game: " + errorBoxText(*m_screens.failure());
        if (m_screens.hasEnded())
            return {};
        // A loaded screen may be hidden or closed: only the visible count, and
        // the player may have closed the one in front.
        for (int slot = 0; slot < screenCount; ++slot) {
            const ScreenId id = ScreenId(slot);
            const Screen *screen = m_screens.find(id);
            if (!screen)
                continue;
            if (screen->loadHandlerRuns() != screen->loadCount())
                return std::string(nameOf(id)) + "'s load handler ran more often than it loaded";
            if (screen->loadCount() > m_closes[std::size_t(slot)] + 1)
                return std::string(nameOf(id)) + " loaded again without being closed";
            if (id == ScreenId::frmapropos || screen->state() != Screen::State::Loaded)
                continue;
            // Centred by its outer size; a desktop that tells its frame only
            // once a window is framed may change that size by a few pixels.
            const runtime::Runtime &r = m_player.runtime();
            constexpr float slack = 8 * twipsPerPixel;
            if (std::fabs(screen->left() - centredOrigin(r.displayWidth(), screen->width())) > slack ||
                std::fabs(screen->top() - centredOrigin(r.displayHeight(), screen->height())) > slack)
                return std::string(nameOf(id)) + " is not centred";
        }
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
        if (const Screen *first = m_screens.find(ScreenId::TOLVANE2);
            first && first->state() == Screen::State::Loaded && m_answered) {
            const std::string greeting = shown(*first, "nom");
            const std::string expected = shownCaption(m_typedName + "!").text;
            if (greeting != expected)
                return "the greeting reads \"" + greeting + "\", not \"" + expected + "\"";
        }
        if (const Screen *about = m_screens.find(ScreenId::frmapropos);
            about && about->state() == Screen::State::Loaded) {
            if (shown(*about, "aproposlbl") != shownCaption(AboutBox::aboutText()).text)
                return "the About box reads something else";
        }
        if (const Screen *closing = m_screens.find(ScreenId::tolvane17);
            closing && closing->state() == Screen::State::Loaded) {
            if (visible(*closing, "Label1") && visible(*closing, "Label2"))
                return "both taunts are on view";
            if (visible(*closing, "Image3") && (!visible(*closing, "Label3") || visible(*closing, "Label2")))
                return "the splat is on view without the final message alone";
        }
        if (const Screen *title = m_screens.find(ScreenId::TOLVANE1); title && title->state() == Screen::State::Loaded) {
            if (shown(*title, "intro") != "Jouons tout de suite..." || !visible(*title, "intro"))
                return "the title's greeting is gone";
            if (visible(*title, "MARZELLEQUESTION") || visible(*title, "jouer"))
                return "a hidden control of the title came into view";
        }
        return {};
    }

    Player &m_player;
    const RandomPlay &m_how;
    std::mt19937_64 m_random;
    ScreenRegistry m_screens;
    std::array<int, screenCount> m_closes{};
    std::array<bool, screenCount> m_wasLoaded{};
    std::string m_typedName;
    bool m_answered = false;
    std::deque<std::string> m_log;
};

} // namespace

bool playRandomly(Player &player, const RandomPlay &how)
{
    long long actions = 0, games = 0, finished = 0;
    for (std::uint64_t seed = how.firstSeed; actions < how.actions; ++seed) {
        std::string broken;
        bool ended = false;
        {
            Game game(player, seed, how);
            actions += game.play(std::min(how.actionsPerGame, how.actions - actions), broken);
            ++games;
            finished += game.reachedTheEnd();
            ended = game.ended();
            if (!broken.empty()) {
                std::printf("FAIL random play on %s: %s\n  replay with seed %llu; the last actions:\n",
                            std::string(player.name()).c_str(), broken.c_str(), static_cast<unsigned long long>(seed));
                for (const std::string &line : game.log())
                    std::printf("    %s\n", line.c_str());
                std::fflush(stdout);
                return false;
            }
        }
        if (ended || how.renewEachGame)
            player.renewRuntime();
        if (how.oneGame)
            break;
    }
    std::printf("random play on %s: %lld actions in %lld games (%lld reached the closing screen)\n",
                std::string(player.name()).c_str(), actions, games, finished);
    std::fflush(stdout);
    return true;
}

} // namespace tolvane::conformance
