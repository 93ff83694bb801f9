// The runtimes' rules, written once: what window.h and runtime.h say a
// runtime does, checked on one runtime through its player. Each group holds
// one rule, or a few that belong together.

#include "suite.h"

#include "check_groups.h"
#include "resources/control_rules.h"
#include "resources/picture_files.h"
#include "runtime/runtime_error.h"
#include "shell/picture_cache.h"

#include <cmath>
#include <cstdlib>
#include <deque>
#include <limits>
#include <memory>
#include <optional>
#include <thread>

namespace tolvane::conformance {

namespace {

using testing::Checks;
using testing::quoted;
using runtime::ControlIndex;

// The screen's side of a window: every event it was told, in order.
struct Recorder final : runtime::WindowEvents {
    std::vector<std::string> events; // "control.Event"
    int closes = 0;
    std::function<void(std::string_view control, std::string_view event)> hook;

    void controlEvent(std::string_view control, std::string_view event) override
    {
        events.push_back(std::string(control) + "." + std::string(event));
        if (hook)
            hook(control, event);
    }
    void closedByPlayer() override { ++closes; }
    int count(std::string_view event) const
    {
        int n = 0;
        for (const std::string &e : events)
            n += e == event;
        return n;
    }
    std::string all() const
    {
        std::string text;
        for (const std::string &e : events)
            text += (text.empty() ? "" : " ") + e;
        return "[" + text + "]";
    }
};

ControlIndex indexOf(const ScreenLayout &layout, std::string_view name)
{
    if (const std::optional<std::size_t> index = controlNamed(layout, name))
        return *index;
    std::abort(); // the suite names only controls that its layouts have
}

// A desktop hands the activation on in its own time, and a window manager
// may hand it more than once (late, to a window shown before): true once the
// window is active and has stayed so for 100 ms, within two seconds.
bool settledActive(Player &player, runtime::Window &window)
{
    const long long start = player.clock();
    long long since = -1;
    while (player.clock() - start < 2000) {
        if (!player.isActive(window))
            since = -1;
        else if (since < 0)
            since = player.clock();
        else if (player.clock() - since >= 100)
            return true;
        player.wait(10);
    }
    return false;
}

// Windows opened on the player's runtime for one group, with the pictures
// they show, all closed when the group is done.
class Desk {
public:
    explicit Desk(Player &player) : m_player(player), m_pictures(player.runtime()) {}
    ~Desk() { m_windows.clear(); }

    struct Opened {
        const ScreenLayout *layout;
        std::unique_ptr<Recorder> events;
        std::unique_ptr<runtime::Window> window;
        runtime::Window &w() const { return *window; }
        ControlIndex at(std::string_view name) const { return indexOf(*layout, name); }
    };

    Opened &open(ScreenId id, bool quiet = true) { return open(layoutOf(id), quiet); }
    Opened &open(const ScreenLayout &layout, bool quiet = true)
    {
        Opened opened{&layout, std::make_unique<Recorder>(), nullptr};
        opened.window = m_player.runtime().createWindow(*opened.layout, m_pictures, *opened.events);
        if (quiet) {
            for (ControlIndex i = 0; i < opened.layout->controls.size(); ++i) {
                if (opened.layout->controls[i].kind == ControlKind::Timer)
                    opened.window->setTimerEnabled(i, false);
            }
        }
        m_windows.push_back(std::move(opened));
        return m_windows.back();
    }
    // Shown centred, as the game shows its windows.
    Opened &show(ScreenId id, bool quiet = true) { return show(layoutOf(id), quiet); }
    Opened &show(const ScreenLayout &layout, bool quiet = true)
    {
        Opened &opened = open(layout, quiet);
        runtime::Window &w = opened.w();
        const runtime::Runtime &r = m_player.runtime();
        w.setLeft(float(r.displayWidth() / 2.0 - w.width() / 2.0));
        w.setTop(float(r.displayHeight() / 2.0 - w.height() / 2.0));
        w.show();
        settledActive(m_player, w);
        return opened;
    }

private:
    Player &m_player;
    PictureCache m_pictures;
    std::deque<Opened> m_windows; // a reference to one stays good as more open
};

// A copy of one of the game's layouts with some of its controls changed, for
// as long as the windows built from it live.
struct LayoutCopy {
    explicit LayoutCopy(ScreenId id) : layout(layoutOf(id)), controls(layout.controls.begin(), layout.controls.end())
    {
        layout.controls = controls;
    }
    ControlLayout &operator[](std::string_view name) { return controls[indexOf(layout, name)]; }
    ScreenLayout layout;
    std::vector<ControlLayout> controls;
};

// The first control of the tab order that is visible, inside visible boxes.
std::string firstFocus(const ScreenLayout &layout)
{
    for (std::size_t i : tabOrder(layout)) {
        bool shown = layout.controls[i].visible;
        for (std::size_t box : containersOf(layout, i))
            shown = shown && layout.controls[box].visible;
        if (shown)
            return std::string(layout.controls[i].name);
    }
    return {};
}

int errorNumber(const std::function<void()> &call)
{
    try {
        call();
    } catch (const runtime::RuntimeError &error) {
        return error.number();
    }
    return 0;
}

class Suite {
public:
    Suite(Player &player, Checks &checks) : p(player), c(checks) {}

    void run()
    {
        c.group("windows built from every layout, shown, hidden, first focus", [&] { everyWindow(); });
        c.group("activation: the last shown is in front, a shown one comes back with its focus", [&] { activation(); });
        c.group("Tab and Shift+Tab by TabIndex, hidden controls skipped, a hidden focus moves on", [&] { tabOrder(); });
        c.group("Enter clicks a focused button only; Space clicks it and is typed in a text box", [&] { enterAndSpace(); });
        c.group("Alt+letter: the menus and & buttons; nothing when nothing matches", [&] { altLetters(); });
        c.group("Alt+letter: a visible & button before the menu title of its letter", [&] { altPriority(); });
        c.group("a held key types, moves the caret and the focus, and never clicks", [&] { heldKeys(); });
        c.group("plain letters and arrows do only what the focused control does", [&] { plainKeys(); });
        c.group("clicks: buttons and images raise Click, labels nothing, boxes take the focus", [&] { clicks(); });
        c.group("the close control and Alt+F4", [&] { closing(); });
        c.group("timers count from creation, tick while hidden, stop when disabled", [&] { timers(); });
        c.group("a timer of 0 ms or less never ticks", [&] { timersBelowOne(); });
        c.group("a tick never runs inside a handler, and the ticks go on after it", [&] { ticksAfterInput(); });
        c.group("the active window hides: the game's window last active before it takes over", [&] { activeAfterHide(); });
        c.group("the input box: words, place, OK, Annuler, Escape, close, timers under it", [&] { inputBox(); });
        c.group("an input box asked for while one is open returns \"\" at once", [&] { secondInputBox(); });
        c.group("End from inside the input box's loop, and nothing after it", [&] { endInsideTheBox(); });
        c.group("End before run(): run() returns the status at once", [&] { endBeforeRun(); });
        c.group("the error box comes up and returns once dismissed", [&] { errorBox(); });
        c.group("a bad control index, a control of another kind, a position beyond any display", [&] { errors(); });
        c.group("hostile text typed and shown comes back unchanged", [&] { hostileText(); });
        c.group("pictures: every file decodes, a part, an empty part, junk", [&] { pictures(); });
    }

private:
    void expect(bool ok, const std::string &what) { c.expect(ok, what); }

    // A pause that is itself the thing tested: time for an event that must
    // not come (a second click, a menu command, a tick) to show itself.
    void quietFor(int ms) { p.wait(ms); }

    // A desktop hands the activation on in its own time (a window manager's
    // round trip): the window becomes active within two seconds or not at all.
    bool becomesActive(runtime::Window &window) { return settledActive(p, window); }

    // Time passes until `done`, `deadlineMs` at most; whether it came.
    bool waitFor(const std::function<bool()> &done, int deadlineMs)
    {
        const long long start = p.clock();
        while (!done()) {
            if (p.clock() - start >= deadlineMs)
                return false;
            p.wait(10);
        }
        return true;
    }

    void everyWindow()
    {
        Desk desk(p);
        for (int slot = 0; slot < screenCount; ++slot) {
            const ScreenLayout &layout = layoutOf(ScreenId(slot));
            const std::string name(layout.name);
            auto &o = desk.open(layout.id);
            expect(!o.w().isVisible(), name + ": on view before show()");
            const float clientWidth = float(layout.clientWidth), clientHeight = float(layout.clientHeight);
            expect(o.w().width() >= clientWidth && o.w().height() >= clientHeight + (layout.menu.present() ? 150 : 0),
                   name + ": outer size " + std::to_string(o.w().width()) + " x " + std::to_string(o.w().height()) +
                       " twips is smaller than its client area and menu bar");
            for (ControlIndex i = 0; i < layout.controls.size(); ++i) {
                const ControlLayout &control = layout.controls[i];
                if (control.kind != ControlKind::Timer)
                    expect(o.w().controlVisible(i) == control.visible, name + "." + std::string(control.name) + ": Visible");
                if (control.kind == ControlKind::TextBox)
                    expect(o.w().text(i).empty(), name + "." + std::string(control.name) + ": not empty");
                if (control.kind == ControlKind::Label)
                    expect(p.shownText(o.w(), i) == shownCaption(control.caption).text,
                           name + "." + std::string(control.name) + ": shows " + quoted(p.shownText(o.w(), i)));
            }
            const float left = float(p.runtime().displayWidth() / 2 - o.w().width() / 2);
            o.w().setLeft(left);
            o.w().setTop(float(p.runtime().displayHeight() / 2 - o.w().height() / 2));
            o.w().show();
            expect(o.w().isVisible() && becomesActive(o.w()), name + ": not on view and active after show()");
            expect(p.focusedControl(o.w()) == firstFocus(layout),
                   name + ": first focus on " + quoted(p.focusedControl(o.w())) + ", not " + quoted(firstFocus(layout)));
            o.w().hide();
            expect(!o.w().isVisible(), name + ": still on view after hide()");
            expect(o.events->events.empty(), name + ": events " + o.events->all());
        }
    }

    void activation()
    {
        Desk desk(p);
        auto &question = desk.show(ScreenId::tolvane5);
        p.press(Key::Tab);
        p.press(Key::Tab); // to the answer box
        expect(p.focusedControl(question.w()) == "LUNDI", "Tab, Tab: " + quoted(p.focusedControl(question.w())));
        auto &verdict = desk.show(ScreenId::tolvane6);
        expect(becomesActive(verdict.w()) && !p.isActive(question.w()), "the window shown last is not the active one");
        question.w().show();
        expect(becomesActive(question.w()), "show() on a window on view does not bring it to the front");
        expect(p.focusedControl(question.w()) == "LUNDI",
               "the focus came back on " + quoted(p.focusedControl(question.w())) + ", not on the answer box");
        p.type("lundi");
        expect(question.w().text(question.at("LUNDI")) == "lundi", "typing after coming back went elsewhere");
    }

    std::vector<std::string> tabRound(runtime::Window &w, Key key, int presses)
    {
        std::vector<std::string> seen{p.focusedControl(w)};
        for (int i = 0; i < presses; ++i) {
            p.press(key);
            seen.push_back(p.focusedControl(w));
        }
        return seen;
    }

    static std::string joined(const std::vector<std::string> &names)
    {
        std::string text;
        for (const std::string &n : names)
            text += (text.empty() ? "" : " ") + n;
        return text;
    }

    void tabOrder()
    {
        Desk desk(p);
        auto &question = desk.show(ScreenId::tolvane5);
        const auto forwards = tabRound(question.w(), Key::Tab, 4);
        expect(forwards == std::vector<std::string>{"Picture1", "Picture2", "LUNDI", "REPONDRE2", "Picture1"},
               "Tab: " + joined(forwards));
        const auto backwards = tabRound(question.w(), Key::BackTab, 4);
        expect(backwards == std::vector<std::string>{"Picture1", "REPONDRE2", "LUNDI", "Picture2", "Picture1"},
               "Shift+Tab: " + joined(backwards));
        // The title: everything inside Picture1, two of its controls hidden.
        auto &title = desk.show(ScreenId::TOLVANE1);
        const auto round = tabRound(title.w(), Key::Tab, 2);
        expect(round == std::vector<std::string>{"Picture1", "Picture2", "Picture1"}, "title's Tab: " + joined(round));
        // A focused control that goes out of view hands the focus on.
        auto &first = desk.show(ScreenId::TOLVANE14);
        p.press(Key::Tab);
        expect(p.focusedControl(first.w()) == "Picture2", "TOLVANE14 Tab: " + quoted(p.focusedControl(first.w())));
        first.w().setControlVisible(first.at("Picture2"), false);
        waitFor([&] { return p.focusedControl(first.w()) == "VRAI"; }, 2000);
        expect(p.focusedControl(first.w()) == "VRAI",
               "focus after its control was hidden: " + quoted(p.focusedControl(first.w())));
        p.press(Key::BackTab);
        expect(p.focusedControl(first.w()) == "Picture1",
               "Shift+Tab skips the hidden box: " + quoted(p.focusedControl(first.w())));
        expect(question.events->events.empty() && title.events->events.empty() && first.events->events.empty(),
               "Tab raised events");
    }

    void enterAndSpace()
    {
        Desk desk(p);
        auto &question = desk.show(ScreenId::tolvane5);
        p.click(question.w(), question.at("LUNDI"));
        p.type("LUNDI");
        p.press(Key::Enter);
        p.press(Key::Space);
        p.type("x");
        expect(question.events->events.empty(), "Enter or Space in the answer box raised " + question.events->all());
        expect(question.w().text(question.at("LUNDI")) == "LUNDI x",
               "the answer box holds " + quoted(question.w().text(question.at("LUNDI"))));
        p.press(Key::Tab);
        expect(p.focusedControl(question.w()) == "REPONDRE2", "Tab to the button");
        p.press(Key::Enter);
        expect(question.events->count("REPONDRE2.Click") == 1, "Enter on the focused button: " + question.events->all());
        p.press(Key::Space);
        expect(question.events->count("REPONDRE2.Click") == 2, "Space on the focused button: " + question.events->all());
        // A picture box with the focus: Enter and Space do nothing.
        p.press(Key::Tab);
        p.press(Key::Enter);
        p.press(Key::Space);
        expect(question.events->events.size() == 2, "Enter or Space at a picture box: " + question.events->all());
        // A verdict: its one button has the focus at once.
        auto &verdict = desk.show(ScreenId::TOLVANE15);
        expect(p.focusedControl(verdict.w()) == "fin", "the verdict's focus: " + quoted(p.focusedControl(verdict.w())));
        p.press(Key::Enter);
        p.press(Key::Space);
        expect(verdict.events->count("fin.Click") == 2, "Enter and Space on fin: " + verdict.events->all());
    }

    void altLetters()
    {
        Desk desk(p);
        auto &question = desk.show(ScreenId::tolvane5);
        p.pressAlt('R');
        expect(question.events->all() == "[REPONDRE2.Click]", "Alt+R: " + question.events->all());
        p.pressAlt('A');
        expect(question.events->count("aproposde12.Click") == 1, "Alt+A: " + question.events->all());
        p.pressAlt('J');
        p.pressLetter('Q');
        expect(question.events->count("quitter.Click") == 1, "Alt+J, Q: " + question.events->all());
        p.pressAlt('J');
        p.press(Key::Escape);
        p.press(Key::Escape);
        p.pressAlt('Z');
        p.pressAlt('X');
        quietFor(50);
        expect(question.events->events.size() == 3, "Alt+J Escape, Alt+Z, Alt+X: " + question.events->all());
        expect(becomesActive(question.w()), "the window lost the keys after a menu closed");
        p.pressAlt('R');
        expect(question.events->count("REPONDRE2.Click") == 2, "Alt+R after the menu: " + question.events->all());

        // The title's "&Jouer" is hidden: Alt+J opens the menu instead.
        auto &title = desk.show(ScreenId::TOLVANE1);
        p.pressAlt('J');
        p.pressLetter('Q');
        expect(title.events->all() == "[quitter.Click]", "title's Alt+J, Q: " + title.events->all());

        // No menu bar on a verdict: Alt+J and Alt+A do nothing, Alt+S clicks.
        auto &verdict = desk.show(ScreenId::tolvane4);
        p.pressAlt('J');
        p.pressAlt('A');
        quietFor(50);
        p.pressAlt('S');
        expect(verdict.events->all() == "[suite4.Click]", "verdict's Alt+J, Alt+A, Alt+S: " + verdict.events->all());
    }

    void altPriority()
    {
        Desk desk(p);
        auto &title = desk.show(ScreenId::TOLVANE1);
        title.w().setControlVisible(title.at("jouer"), true);
        p.pressAlt('J');
        p.pressLetter('Q');
        quietFor(50);
        expect(title.events->all() == "[jouer.Click]", "Alt+J with \"&Jouer\" on view, then Q: " + title.events->all());
        expect(p.focusedControl(title.w()) == "jouer", "Alt+J left the focus on " + quoted(p.focusedControl(title.w())));
        // A button marked "&A" on a window whose menu bar has "&A propos de...".
        LayoutCopy copy(ScreenId::tolvane5);
        copy["REPONDRE2"].caption = "&A toi";
        auto &question = desk.show(copy.layout);
        p.pressAlt('A');
        quietFor(50);
        expect(question.events->all() == "[REPONDRE2.Click]", "Alt+A with \"&A toi\" on view: " + question.events->all());
        question.w().setControlVisible(question.at("REPONDRE2"), false);
        p.pressAlt('A');
        quietFor(50);
        expect(question.events->all() == "[REPONDRE2.Click aproposde12.Click]",
               "Alt+A once the button is hidden: " + question.events->all());
    }

    void heldKeys()
    {
        Desk desk(p);
        auto &question = desk.show(ScreenId::tolvane5);
        p.pressAlt('R');
        p.pressHeld(Key::Enter, 'R');
        p.pressHeld(Key::Enter);
        p.pressHeld(Key::Space);
        quietFor(50);
        expect(question.events->all() == "[REPONDRE2.Click]", "held Alt+R, Enter, Space: " + question.events->all());
        expect(p.focusedControl(question.w()) == "REPONDRE2", "Alt+R: " + quoted(p.focusedControl(question.w())));
        std::vector<std::string> round;
        for (int i = 0; i < 3; ++i) {
            p.pressHeld(Key::Tab);
            round.push_back(p.focusedControl(question.w()));
        }
        expect(round == std::vector<std::string>{"Picture1", "Picture2", "LUNDI"}, "a held Tab: " + joined(round));
        p.type("ab");
        p.pressHeld(Key::Left);
        p.pressHeld(Key::Space);
        expect(question.w().text(question.at("LUNDI")) == "a b",
               "held Left and Space in the answer box: " + quoted(question.w().text(question.at("LUNDI"))));
        expect(question.events->events.size() == 1, "held keys raised " + question.events->all());
    }

    void timersBelowOne()
    {
        Desk desk(p);
        LayoutCopy copy(ScreenId::TOLVANE1);
        copy["tmrtimer"].interval = 0;
        copy["Timer1"].interval = -1;
        auto &title = desk.open(copy.layout, false);
        quietFor(150);
        title.w().setTimerEnabled(title.at("tmrtimer"), false);
        title.w().setTimerEnabled(title.at("tmrtimer"), true);
        title.w().setTimerEnabled(title.at("Timer1"), true);
        quietFor(150);
        expect(title.events->events.empty(), "timers of 0 and -1 ms: " + title.events->all());
    }

    // A handler that takes its time: the ticks that came due meanwhile wait
    // for it to return, then go on.
    void ticksAfterInput()
    {
        Desk desk(p);
        LayoutCopy copy(ScreenId::tolvane17);
        copy["Timer1"].interval = 5;
        auto &closing = desk.show(copy.layout);
        bool inHandler = false, tickInside = false;
        closing.events->hook = [&](std::string_view control, std::string_view) {
            if (control == "Timer1") {
                tickInside = tickInside || inHandler;
                return;
            }
            inHandler = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            inHandler = false;
        };
        closing.w().setTimerEnabled(closing.at("Timer1"), true);
        p.click(closing.w(), closing.at("Image1"));
        const std::size_t clicked = closing.events->events.size();
        expect(closing.events->count("Image1.Click") == 1, "the click: " + closing.events->all());
        expect(!tickInside, "a tick ran inside the click's handler");
        expect(waitFor([&] { return closing.events->events.size() > clicked; }, 2000), "no tick after the handler");
        closing.w().setTimerEnabled(closing.at("Timer1"), false);
    }

    void activeAfterHide()
    {
        Desk desk(p);
        auto &first = desk.show(ScreenId::tolvane5);
        auto &second = desk.show(ScreenId::tolvane6);
        auto &third = desk.show(ScreenId::tolvane3);
        first.w().show();
        expect(becomesActive(first.w()), "shown again, the first window is not active");
        first.w().hide();
        expect(becomesActive(third.w()), "after the first hid, the third (active before it) is not active");
        third.w().hide();
        expect(becomesActive(second.w()), "after the third hid, the second is not active");
        expect(p.focusedControl(second.w()) == "suite", "the second's focus: " + quoted(p.focusedControl(second.w())));
        p.press(Key::Enter);
        expect(second.events->all() == "[suite.Click]", "Enter in the window that took over: " + second.events->all());
    }

    void secondInputBox()
    {
        std::string second = "not returned";
        bool firstStillOpen = false;
        const BoxResult first = askWith([&] {
            second = p.runtime().inputBox("Encore ?", "UNE AUTRE");
            firstStillOpen = p.inputBoxOpen();
            p.type("un");
            p.press(Key::Enter);
        });
        expect(second.empty(), "the second box gave " + quoted(second));
        expect(firstStillOpen, "the first box closed when the second was asked for");
        expect(first.text == "un", "the first box gave " + quoted(first.text));
    }

    void endBeforeRun()
    {
        p.runtime().end(3);
        const long long before = p.clock();
        const int status = p.runtime().run();
        expect(status == 3, "run() after End returned " + std::to_string(status));
        expect(p.clock() - before < 1000, "run() took " + std::to_string(p.clock() - before) + " ms to return");
        p.renewRuntime();
    }

    void plainKeys()
    {
        Desk desk(p);
        auto &question = desk.show(ScreenId::tolvane5);
        expect(p.focusedControl(question.w()) == "Picture1", "the first focus is the portrait");
        for (char letter : {'R', 'J', 'A', 'Q'})
            p.pressLetter(letter);
        p.type("répondre vert");
        for (Key key : {Key::Left, Key::Right, Key::Up, Key::Down})
            p.press(key);
        expect(question.events->events.empty(), "letters or arrows at the portrait raised " + question.events->all());
        expect(p.focusedControl(question.w()) == "Picture1",
               "the focus moved to " + quoted(p.focusedControl(question.w())));
        expect(question.w().text(question.at("LUNDI")).empty(), "the letters reached the answer box");
        auto &verdict = desk.show(ScreenId::tolvane3);
        p.pressLetter('S');
        p.press(Key::Down);
        p.press(Key::Right);
        expect(verdict.events->events.empty(), "S or arrows at the verdict's button raised " + verdict.events->all());
        expect(p.focusedControl(verdict.w()) == "suite", "the verdict's focus moved");
        question.w().show();
        p.click(question.w(), question.at("LUNDI"));
        p.type("vert");
        p.press(Key::Left);
        p.pressLetter('R');
        expect(question.w().text(question.at("LUNDI")) == "verrt",
               "in the answer box: " + quoted(question.w().text(question.at("LUNDI"))));
        expect(question.events->events.empty(), "typing in the answer box raised " + question.events->all());
    }

    void clicks()
    {
        Desk desk(p);
        auto &closing = desk.show(ScreenId::tolvane17);
        p.click(closing.w(), closing.at("Image1"));
        expect(closing.events->all() == "[Image1.Click]", "a click on the portrait: " + closing.events->all());
        // The backdrop's middle lies under the portrait, which takes the click.
        p.click(closing.w(), closing.at("Image2"));
        expect(closing.events->all() == "[Image1.Click Image1.Click]", "a click on the backdrop: " + closing.events->all());
        p.click(closing.w(), closing.at("Picture3"));
        expect(p.focusedControl(closing.w()) == "Picture3", "a clicked picture box takes the focus");
        auto &verdict = desk.show(ScreenId::tolvane3);
        p.click(verdict.w(), verdict.at("CORRECT"));
        expect(verdict.events->events.empty(), "a click on a label raised " + verdict.events->all());
        p.click(verdict.w(), verdict.at("suite"));
        expect(verdict.events->all() == "[suite.Click]", "a click on the button: " + verdict.events->all());
        auto &question = desk.show(ScreenId::TOLVANE2);
        p.click(question.w(), question.at("marzelletxt"));
        expect(p.focusedControl(question.w()) == "marzelletxt", "a clicked text box takes the focus");
        p.chooseMenu(question.w(), "aproposde");
        p.chooseMenu(question.w(), "exit");
        expect(question.events->all() == "[aproposde.Click exit.Click]", "menu commands: " + question.events->all());
    }

    void closing()
    {
        Desk desk(p);
        auto &about = desk.show(ScreenId::frmapropos);
        p.close(about.w());
        expect(about.events->closes == 1 && !about.w().isVisible(), "the close control: told once, out of view");
        auto &title = desk.show(ScreenId::TOLVANE1, false);
        p.pressAltF4();
        expect(title.events->closes == 1 && !title.w().isVisible(), "Alt+F4: told once, out of view");
        quietFor(1700); // past tmrtimer's first tick
        expect(title.events->events.empty(), "a closed window's timers ticked: " + title.events->all());
    }

    void timers()
    {
        Desk desk(p);
        const long long created = p.clock();
        auto &title = desk.open(ScreenId::TOLVANE1, false); // tmrtimer 1500 ms, Timer1 3000 ms
        std::vector<std::pair<std::string, long long>> ticks;
        title.events->hook = [&](std::string_view control, std::string_view) {
            ticks.emplace_back(std::string(control), p.clock() - created);
        };
        // The first tick, tmrtimer's, one interval after creation; Timer1's at twice that.
        expect(waitFor([&] { return !ticks.empty(); }, 1500 + 2000), "no tick in 3.5 s");
        expect(ticks.size() == 1 && ticks[0].first == "tmrtimer", "the first ticks, hidden: " + title.events->all());
        if (!ticks.empty())
            expect(ticks[0].second >= 1480, "the first tick came " + std::to_string(ticks[0].second) + " ms after creation");
        title.w().setTimerEnabled(title.at("tmrtimer"), false);
        expect(waitFor([&] { return ticks.size() >= 2; }, 3000 + 2000 - int(p.clock() - created)), "Timer1 never ticked");
        expect(title.events->all() == "[tmrtimer.Timer Timer1.Timer]", "with tmrtimer stopped: " + title.events->all());
        if (ticks.size() >= 2)
            expect(ticks[1].second >= 2980, "Timer1 ticked " + std::to_string(ticks[1].second) + " ms after creation");
        title.w().setTimerEnabled(title.at("Timer1"), false);
        quietFor(3200); // past each timer's next tick
        expect(title.events->events.size() == 2, "a disabled timer ticked: " + title.events->all());
    }

    struct BoxResult {
        std::string text;
        Player::InputBoxView view;
    };

    BoxResult askWith(const std::function<void()> &act)
    {
        BoxResult result;
        p.whenInputBoxOpens([&] {
            result.view = p.inputBoxView();
            act();
        });
        result.text = p.runtime().inputBox("Quel est ton nom jeune bon à rien ?", "MARZELLE TE DEMANDE TON NOM");
        expect(!p.inputBoxOpen(), "the input box is still open after it returned");
        return result;
    }

    void inputBox()
    {
        Desk desk(p);
        auto &title = desk.show(ScreenId::TOLVANE1, false);
        const BoxResult typed = askWith([&] {
            p.type("  Zoé & \U0001F600 ");
            p.press(Key::Enter);
        });
        expect(typed.text == "  Zoé & \U0001F600 ", "Enter gave " + quoted(typed.text));
        const Player::InputBoxView &view = typed.view;
        expect(view.title == "MARZELLE TE DEMANDE TON NOM" && view.prompt == "Quel est ton nom jeune bon à rien ?",
               "title " + quoted(view.title) + ", prompt " + quoted(view.prompt));
        expect(view.okText == "OK" && view.cancelText == "Annuler",
               "buttons " + quoted(view.okText) + " and " + quoted(view.cancelText));
        expect(std::abs(view.centreX - view.displayWidth / 2) <= 2 && std::abs(view.top - view.displayHeight / 3) <= 2,
               "placed with its centre at " + std::to_string(view.centreX) + " and its top at " +
                   std::to_string(view.top) + " on a " + std::to_string(view.displayWidth) + " x " +
                   std::to_string(view.displayHeight) + " display");
        expect(askWith([&] {
                   p.type("abc");
                   p.clickInputBoxButton(true);
               }).text == "abc",
               "OK does not give the typed text");
        for (int way = 0; way < 3; ++way) {
            const BoxResult cancelled = askWith([&] {
                p.type("abc");
                if (way == 0)
                    p.press(Key::Escape);
                else if (way == 1)
                    p.clickInputBoxButton(false);
                else
                    p.closeInputBox();
            });
            expect(cancelled.text.empty(), std::string(way == 0 ? "Escape" : way == 1 ? "Annuler" : "the close control") +
                                               " gave " + quoted(cancelled.text));
        }
        // Timers tick under the box, and the windows take no input.
        title.events->events.clear();
        const BoxResult slow = askWith([&] {
            waitFor([&] { return title.events->count("tmrtimer.Timer") >= 1; }, 1500 + 2000);
            p.type("lent");
            p.press(Key::Enter);
        });
        expect(slow.text == "lent", "after a wait: " + quoted(slow.text));
        expect(title.events->count("tmrtimer.Timer") >= 1, "no timer ticked under the box: " + title.events->all());
        auto &verdict = desk.show(ScreenId::tolvane6);
        askWith([&] {
            p.pressAlt('S');
            p.press(Key::Escape);
        });
        expect(verdict.events->events.empty(), "a window took a key under the box: " + verdict.events->all());
        expect(becomesActive(verdict.w()), "the window in front before the box is not active after it");
    }

    void endInsideTheBox()
    {
        int status = -1;
        std::string answer = "not returned";
        {
            Desk desk(p);
            auto &title = desk.open(ScreenId::TOLVANE1, false);
            bool ended = false;
            title.events->hook = [&](std::string_view control, std::string_view) {
                if (control == "tmrtimer" && !ended) {
                    ended = true;
                    p.runtime().end(7);
                }
            };
            title.w().show();
            answer = askWith([&] {
                p.type("abc");
                waitFor([&] { return ended; }, 1500 + 2000);
            }).text;
            expect(ended, "tmrtimer never ticked under the box, to end the game");
            expect(!title.w().isVisible(), "a window is on view after End");
            const std::size_t before = title.events->events.size();
            quietFor(1700); // past tmrtimer's next tick
            expect(title.events->events.size() == before, "events after End: " + title.events->all());
            status = p.runtime().run();
        }
        expect(answer.empty(), "the box gave " + quoted(answer) + " when the game ended under it");
        expect(status == 7, "run() after End returned " + std::to_string(status));
        p.renewRuntime();
    }

    void errorBox()
    {
        bool seen = false;
        p.whenErrorBoxOpens([&] {
            seen = p.errorBoxOpen();
            p.press(Key::Enter);
        });
        p.runtime().errorBox("LE TOLVANE VIRAIL", "Erreur d'exécution '6':\n\nDépassement de capacité");
        expect(seen, "the error box was not on view");
        expect(!p.errorBoxOpen(), "the error box is still open");
    }

    void errors()
    {
        Desk desk(p);
        auto &title = desk.open(ScreenId::TOLVANE1);
        runtime::Window &w = title.w();
        const ControlIndex past = layoutOf(ScreenId::TOLVANE1).controls.size();
        const ControlIndex timer = title.at("Timer1"), label = title.at("intro"), box = title.at("Picture1");
        struct Case {
            const char *what;
            std::function<void()> call;
            int number;
        };
        const Case cases[] = {
            {"a caption past the controls", [&] { w.setCaption(past, "x"); }, 730},
            {"Visible past the controls", [&] { w.setControlVisible(past + 7, true); }, 730},
            {"reading Visible past the controls", [&] { (void)w.controlVisible(std::numeric_limits<ControlIndex>::max()); }, 730},
            {"a text past the controls", [&] { (void)w.text(past); }, 730},
            {"a timer past the controls", [&] { w.setTimerEnabled(past, false); }, 730},
            {"a timer's caption", [&] { w.setCaption(timer, "x"); }, 438},
            {"a timer's Visible", [&] { w.setControlVisible(timer, true); }, 438},
            {"a label's text", [&] { (void)w.text(label); }, 438},
            {"a picture box's caption", [&] { w.setCaption(box, "x"); }, 438},
            {"a label as a timer", [&] { w.setTimerEnabled(label, true); }, 438},
            {"Left not a number", [&] { w.setLeft(std::numeric_limits<float>::quiet_NaN()); }, 5},
            {"Top infinite", [&] { w.setTop(std::numeric_limits<float>::infinity()); }, 5},
            {"Left beyond any display", [&] { w.setLeft(3.0e9f); }, 5},
        };
        for (const Case &k : cases) {
            const int number = errorNumber(k.call);
            expect(number == k.number,
                   std::string(k.what) + ": error " + std::to_string(number) + ", not " + std::to_string(k.number));
        }
        expect(errorNumber([&] { w.setLeft(-2047.5f); }) == 0, "a window partly off the display is refused");
        expect(title.events->events.empty(), "events from the errors: " + title.events->all());
    }

    void hostileText()
    {
        Desk desk(p);
        const std::string texts[] = {
            "Zoé, Ève, Œdipe, garçon",
            "\U0001F600\U0001F4A9 et \U00010348",
            "שלום עולם مرحبا",
            "a&b && &&& &",
        };
        for (const std::string &text : texts) {
            auto &question = desk.show(ScreenId::tolvane8);
            const ControlIndex box = question.at("Marzelleva"), label = question.at("question3");
            p.click(question.w(), box);
            p.type(text);
            expect(question.w().text(box) == text, "typed " + quoted(text) + ", the box holds " + quoted(question.w().text(box)));
            question.w().setCaption(label, text);
            expect(p.shownText(question.w(), label) == shownCaption(text).text,
                   "caption " + quoted(text) + " shows " + quoted(p.shownText(question.w(), label)));
            expect(question.events->events.empty(), "events from " + quoted(text) + ": " + question.events->all());
            question.w().hide();
        }
        // A hundred thousand characters, typed and shown.
        auto &other = desk.show(ScreenId::TOLVANE14);
        std::string huge;
        while (huge.size() < 100000)
            huge += "Marzelle é \U0001F600 & ";
        huge.resize(100000 - 1);
        huge += '!';
        p.click(other.w(), other.at("VRAI"));
        p.type(huge);
        const std::string back = other.w().text(other.at("VRAI"));
        expect(back == huge, "100,000 typed characters came back as " + quoted(back));
        other.w().setCaption(other.at("question05"), huge);
        expect(p.shownText(other.w(), other.at("question05")) == shownCaption(huge).text,
               "a 100,000-character caption is not shown whole");
        expect(other.events->events.empty(), "events from the long text: " + other.events->all());
    }

    void pictures()
    {
        runtime::Runtime &r = p.runtime();
        for (const PictureInfo &info : pictureInventory) {
            expect(r.decodePicture(pictureFile(info.id), {0, 0, info.width, info.height}) != nullptr,
                   std::string(info.name) + " does not decode whole");
        }
        expect(r.decodePicture(pictureFile(PictureId::backdrop), {0, 96, 543, 496}) != nullptr, "a part of the backdrop");
        expect(r.decodePicture(pictureFile(PictureId::splat), {}) != nullptr, "an empty part gives no picture at all");
        const unsigned char junk[] = {0xFF, 0xD8, 0xFF, 'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
        expect(r.decodePicture(junk, {0, 0, 1, 1}) == nullptr, "junk decodes");
        const std::span<const unsigned char> logo = pictureFile(PictureId::logo);
        expect(r.decodePicture(logo.first(40), {0, 0, 95, 118}) == nullptr, "a cut GIF decodes");
    }

    Player &p;
    Checks &c;
};

} // namespace

int runConformanceSuite(Player &player, std::string_view only)
{
    Checks checks;
    checks.only = std::string(only);
    checks.label = std::string(player.name());
    Suite(player, checks).run();
    return checks.finish();
}

} // namespace tolvane::conformance
