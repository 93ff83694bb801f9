#pragma once

// A whole game on the headless runtime, played the way a player plays it:
// clicks, typing, keys, the close control, and the clock moved on by hand.

#include "platform/headless/runtime.h"
#include "platform/headless/window.h"
#include "forwarding_runtime.h"
#include "shell/screen_registry.h"

#include <set>
#include <string>
#include <vector>

namespace tolvane::testing {

using headless::HeadlessRuntime;
using headless::HeadlessWindow;

// The headless runtime as the game sees it: pictures named here do not decode,
// as a broken file would not.
class BreakablePictures : public ForwardingRuntime {
public:
    using ForwardingRuntime::ForwardingRuntime;
    std::set<PictureId> broken;
    std::unique_ptr<runtime::Picture> decodePicture(std::span<const unsigned char> file,
                                                    runtime::PixelRect part) const override;
};

class HeadlessGame {
public:
    explicit HeadlessGame(headless::Desktop desktop = {});
    // A game whose screens are made by `factory` instead of the game's own.
    HeadlessGame(ScreenRegistry::Factory factory, headless::Desktop desktop = {});

    HeadlessRuntime runtime;
    BreakablePictures pictures{runtime};
    ScreenRegistry screens;

    // The start-up screen, loaded and shown.
    void start() { screens.start(); }
    // Shows a screen as a handler would.
    void show(ScreenId id);

    // The screen's window while it is loaded; nullptr otherwise.
    HeadlessWindow *window(ScreenId id) const;
    bool isLoaded(ScreenId id) const;
    bool isVisible(ScreenId id) const;
    std::vector<ScreenId> loadedScreens() const;
    std::vector<ScreenId> visibleScreens() const;

    // The name prompt is answered at once with this name.
    void answerPromptWith(std::string name, bool ok = true, std::int64_t afterMs = 0);
    // A control's event, as its window raises it.
    void raise(ScreenId id, std::string_view control, std::string_view event);
    // Moves the clock on.
    void wait(std::int64_t ms) { runtime.advance(ms); }

    // From the title screen (before its advance or after), through the name
    // prompt and the five questions with these answers, each verdict's button
    // pressed, to the closing screen. Returns the verdict texts seen.
    std::vector<std::string> playQuestions(const std::vector<std::string> &answers);

    bool hasEnded() const { return screens.hasEnded(); }
    int errorNumber() const { return screens.failure() ? screens.failure()->number() : 0; }
};

// Where the centring puts a screen's outer frame, in twips.
float centredLeft(const HeadlessGame &game, ScreenId id);
float centredTop(const HeadlessGame &game, ScreenId id);

} // namespace tolvane::testing
