#pragma once

// What the game needs from a windowing runtime. The game's own code, its
// screens, shell and resources, reaches the desktop only through this; each
// runtime (src/platform/NAME) implements it, and the conformance suite
// (tests/conformance) checks every rule written here and in window.h on each.

#include "resources/screen_layout.h"
#include "runtime/picture.h"
#include "runtime/window.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace tolvane::runtime {

class Runtime {
public:
    virtual ~Runtime() = default;

    // A window built from its layout, out of view, its timers counting from
    // now (window.h says how it is built and how it behaves). `events` and
    // `pictures` outlive the window.
    virtual std::unique_ptr<Window> createWindow(const ScreenLayout &layout, PictureSource &pictures,
                                                 WindowEvents &events) = 0;

    // Screen.Width and Screen.Height, in twips: the display's size in pixels
    // by twipsFromPixels at the display's dots per inch.
    virtual float displayWidth() const = 0;
    virtual float displayHeight() const = 0;

    // The modal input box, the one modal element of the game: the title, the
    // prompt, an empty one-line field with the focus, "OK" and "Annuler"
    // (the desktop's French words). Its outer frame is centred across the
    // display and its top lies a third of the way down; it is in front of
    // every window of the game and takes the keys. While it is open the
    // game's windows take no input, but their timers keep ticking and their
    // handlers run. Enter or OK returns the typed text exactly; Escape,
    // "Annuler" and its close control return the empty text; so does End
    // while it is open, which closes it at once. Only one is open at a time:
    // asked for while one is open (a timer's handler), it returns the empty
    // text at once, opens nothing and makes no sound, and the open one stays.
    // (That guard, and End's, are kept here once; a runtime opens the box in
    // askInputBox.)
    std::string inputBox(std::string_view prompt, std::string_view title);

    // The box of an untrapped error: the title, the message, one OK button.
    // Modal like the input box; returns once the player has dismissed it.
    virtual void errorBox(std::string_view title, std::string_view message) = 0;

    // The message loop: delivers every event, one at a time, until end() is
    // called, then returns end()'s status; after end() it returns that status
    // at once.
    int run();
    // End, from anywhere, a handler waiting in the input box included: every
    // window leaves the screen at once, no timer ticks and no event is
    // delivered any more, an open input box closes as on "Annuler", every
    // message loop comes to an end, and run() returns `status`. Only the
    // first call counts.
    void end(int status);
    bool hasEnded() const { return m_ended; }

    // Decodes the part `part` of a picture file (baseline JPEG or GIF89a, the
    // whole file in memory), in the picture's own pixels; an empty part
    // decodes nothing and gives an empty picture that draws nothing. Null if
    // the file cannot be decoded. May be called from another thread than the
    // message loop's, and must not throw.
    virtual std::unique_ptr<Picture> decodePicture(std::span<const unsigned char> file, PixelRect part) const = 0;

    // Device pixels to a pixel of the layouts on the display the game starts
    // on (dpi / 96 on Windows): the scale of picture its windows will want
    // first, which can be decoded ahead. 1 where the runtime cannot tell.
    virtual double displayPixelRatio() const { return 1.0; }

protected:
    // The runtime's own parts of the calls above, each called at most once per
    // open box, once per run and once at the end, never after it.
    virtual std::string askInputBox(std::string_view prompt, std::string_view title) = 0;
    // Until the runtime's loop ends (End ends it); the status of a loop ended
    // otherwise.
    virtual int runLoop() = 0;
    // Everything stops at once, as end() says.
    virtual void endNow(int status) = 0;

private:
    bool m_ended = false;
    int m_status = 0;
    bool m_inputBoxOpen = false;
};

} // namespace tolvane::runtime
