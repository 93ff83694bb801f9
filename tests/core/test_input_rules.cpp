// What the player's keys and clicks mean on a window, as every runtime takes
// it from the core: each case plays a few inputs on a fresh window's rules
// and reads back what was decided and where the focus is.

#include "runtime/input_rules.h"
#include "runtime/timer_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tolvane;
using runtime::InputDecision;
using runtime::KeyPress;
using Action = InputDecision::Action;
using K = KeyPress::Key;

namespace {

// One input: a key (written "Tab", "S-Tab", "A-R", "R", "Enter", "Left",
// with "+" for an auto-repeat), a click ("click:NAME"), or what the game
// does ("show", "hide:NAME", "unhide:NAME", "caption:NAME:TEXT").
struct Case {
    const char *name;
    ScreenId screen;
    std::vector<std::string> inputs;
    // What each input came to: the action ("-" for nothing, "click NAME",
    // "quit", "about", "open", "close menu", "focused", "close") and the focus after it.
    std::vector<std::string> outcomes;
};

const Case cases[] = {
    {"first focus, Tab round, Shift+Tab back", ScreenId::tolvane5,
     {"show", "Tab", "Tab", "Tab", "Tab", "S-Tab", "S-Tab"},
     {"- Picture1", "- Picture2", "- LUNDI", "- REPONDRE2", "- Picture1", "- REPONDRE2", "- LUNDI"}},
    {"a hidden focus passes on; hidden boxes hold nothing that takes it", ScreenId::TOLVANE1,
     {"show", "unhide:jouer", "Tab", "hide:jouer", "hide:Picture1", "Tab", "unhide:Picture1", "Tab"},
     {"- Picture1", "- Picture1", "- jouer", "- Picture2", "- ", "- ", "- ", "- Picture1"}},
    {"shown again, the focus comes back where it was", ScreenId::tolvane5,
     {"show", "Tab", "Tab", "show"}, {"- Picture1", "- Picture2", "- LUNDI", "- LUNDI"}},
    {"a visible & button before the menu title of the same letter", ScreenId::TOLVANE1,
     {"show", "A-J", "Q", "unhide:jouer", "A-J", "Q", "caption:jouer:&A nous", "A-A", "hide:jouer", "A-A"},
     {"- Picture1", "open Picture1", "quit Picture1", "- Picture1", "click jouer jouer", "- jouer", "- jouer",
      "click jouer jouer", "- Picture2", "about Picture2"}},
    {"Alt+letter: a button takes the focus; no match does nothing", ScreenId::tolvane5,
     {"show", "A-R", "A-Z", "A-J", "Escape", "A-J", "A-A", "C-A-R"},
     {"- Picture1", "click REPONDRE2 REPONDRE2", "- REPONDRE2", "open REPONDRE2", "close menu REPONDRE2",
      "open REPONDRE2", "about REPONDRE2", "- REPONDRE2"}},
    {"Enter clicks a focused button only; Space clicks it, is typed in a text box", ScreenId::tolvane5,
     {"show", "Enter", "Space", "click:LUNDI", "Enter", "Space", "R", "Left", "Tab", "Enter", "Space"},
     {"- Picture1", "- Picture1", "- Picture1", "- LUNDI", "- LUNDI", "focused LUNDI", "focused LUNDI",
      "focused LUNDI", "- REPONDRE2", "click REPONDRE2 REPONDRE2", "click REPONDRE2 REPONDRE2"}},
    {"letters and arrows away from a text box do nothing", ScreenId::tolvane3,
     {"show", "S", "Left", "Down", "Escape"}, {"- suite", "- suite", "- suite", "- suite", "- suite"}},
    {"a held key never clicks, still types and moves the focus", ScreenId::tolvane5,
     {"show", "A-R", "A-R+", "Enter+", "Space+", "A-J+", "Tab+", "Tab+", "click:LUNDI", "R+", "Space+"},
     {"- Picture1", "click REPONDRE2 REPONDRE2", "- REPONDRE2", "- REPONDRE2", "- REPONDRE2", "- REPONDRE2",
      "- Picture1", "- Picture2", "- LUNDI", "focused LUNDI", "focused LUNDI"}},
    {"clicks: buttons and images click, boxes take the focus, labels nothing", ScreenId::tolvane17,
     {"show", "click:Image1", "click:Picture3", "click:Label1", "A-F4"},
     {"- Picture1", "click Image1 Picture1", "- Picture3", "- Picture3", "close Picture3"}},
    {"the open menu: Enter chooses its highlighted Quitter, another Alt letter is taken", ScreenId::tolvane8,
     {"show", "A-J", "Enter", "A-J", "A-R", "A-J", "Tab"},
     {"- Picture1", "open Picture1", "quit Picture1", "open Picture1", "click repondre repondre", "open repondre",
      "close menu repondre"}},
};

KeyPress keyOf(std::string text)
{
    KeyPress press;
    if (text.ends_with('+')) {
        press.repeat = true;
        text.pop_back();
    }
    for (;;) {
        if (text.starts_with("S-") && text.size() > 2)
            press.shift = true;
        else if (text.starts_with("A-") && text.size() > 2)
            press.alt = true;
        else if (text.starts_with("C-") && text.size() > 2)
            press.control = true;
        else
            break;
        text = text.substr(2);
    }
    const std::pair<const char *, K> named[] = {{"Tab", K::Tab},     {"Enter", K::Enter}, {"Space", K::Space},
                                                {"Escape", K::Escape}, {"Left", K::Left}, {"Down", K::Down},
                                                {"F4", K::F4}};
    for (const auto &[name, key] : named) {
        if (text == name)
            press.key = key;
    }
    if (text.size() == 1) {
        press.key = K::Letter;
        press.letter = text[0];
    }
    return press;
}

std::size_t indexOf(const ScreenLayout &layout, std::string_view name)
{
    if (const std::optional<std::size_t> index = controlNamed(layout, name))
        return *index;
    ADD_FAILURE() << "no control " << name << " on " << layout.name;
    return 0;
}

std::string outcome(const ScreenLayout &layout, const InputDecision &d, const runtime::WindowInput &input)
{
    std::string action;
    switch (d.action) {
    case Action::Nothing: action = "-"; break;
    case Action::Click: action = "click " + std::string(layout.controls[d.control].name); break;
    case Action::ChooseQuit: action = "quit"; break;
    case Action::ChooseAbout: action = "about"; break;
    case Action::OpenMenu: action = "open"; break;
    case Action::CloseMenu: action = "close menu"; break;
    case Action::ToFocused: action = "focused"; break;
    case Action::CloseByPlayer: action = "close"; break;
    }
    // The decision says where the focus went; the rules' state must agree.
    if (d.moveFocus && d.focus != input.focus())
        action += " (the decision and the state differ)";
    const auto focus = input.focus();
    return action + " " + (focus ? std::string(layout.controls[*focus].name) : std::string());
}

} // namespace

TEST(InputRules, EachCasePlaysAsWritten)
{
    for (const Case &k : cases) {
        const ScreenLayout &layout = layoutOf(k.screen);
        runtime::WindowInput input(layout);
        ASSERT_EQ(k.inputs.size(), k.outcomes.size()) << k.name;
        for (std::size_t step = 0; step < k.inputs.size(); ++step) {
            const std::string &in = k.inputs[step];
            InputDecision d;
            if (in == "show")
                d = input.shown();
            else if (in.starts_with("click:"))
                d = input.click(indexOf(layout, in.substr(6)));
            else if (in.starts_with("hide:") || in.starts_with("unhide:"))
                d = input.setVisible(indexOf(layout, in.substr(in.find(':') + 1)), in[0] == 'u');
            else if (in.starts_with("caption:")) {
                const std::size_t colon = in.find(':', 8);
                input.setCaption(indexOf(layout, in.substr(8, colon - 8)), in.substr(colon + 1));
            } else
                d = input.key(keyOf(in));
            EXPECT_EQ(outcome(layout, d, input), k.outcomes[step]) << k.name << ", after " << in;
        }
    }
}

TEST(TimerSchedule, CountsFromCreationAtLeastAMillisecondAndNeverBelowOne)
{
    runtime::TimerSchedule timers;
    int window = 0;
    timers.add(&window, 0, 1500, 0);
    timers.add(&window, 1, 0, 0);   // never ticks
    timers.add(&window, 2, -5, 0);  // nor does this one
    timers.add(&window, 3, 1500, 0); // due with the first: comes after it
    std::vector<std::pair<std::size_t, double>> ticks;
    while (auto tick = timers.takeDue(3000))
        ticks.emplace_back(tick->control, tick->due);
    EXPECT_EQ(ticks, (std::vector<std::pair<std::size_t, double>>{{0, 1500}, {3, 1500}, {0, 3000}, {3, 3000}}));
    EXPECT_FALSE(timers.enabled(&window, 1));
    timers.setEnabled(&window, 1, true, 3000);
    EXPECT_FALSE(timers.enabled(&window, 1)) << "an interval of 0 was enabled";

    // Disabled, it is silent; enabled again, it counts afresh from then.
    timers.setEnabled(&window, 0, false, 3000);
    timers.setEnabled(&window, 3, false, 3000);
    EXPECT_FALSE(timers.takeDue(10000));
    timers.setEnabled(&window, 0, true, 10000);
    EXPECT_EQ(timers.nextDue(), 11500.0);

    // A page that slept through ticks does not catch up with a burst.
    EXPECT_TRUE(timers.takeDue(20000, true));
    EXPECT_FALSE(timers.takeDue(20000, true));
    EXPECT_EQ(timers.nextDue(), 21500.0);

    // A window's timers go with it.
    int other = 0;
    timers.add(&other, 0, 1, 30000);
    EXPECT_EQ(timers.nextDue(), 21500.0);
    timers.forget(&window);
    EXPECT_EQ(timers.nextDue(), 30001.0);
    timers.stopAll();
    EXPECT_FALSE(timers.nextDue());
}
