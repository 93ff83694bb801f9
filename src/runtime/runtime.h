#pragma once

// What the game needs from a windowing runtime. The game's own code, its
// screens, shell and resources, reaches the desktop only through this.

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

    // A window built from its layout, out of view, its timers counting.
    virtual std::unique_ptr<Window> createWindow(const ScreenLayout &layout, PictureSource &pictures,
                                                 WindowEvents &events) = 0;

    // Screen.Width and Screen.Height, in twips.
    virtual float displayWidth() const = 0;
    virtual float displayHeight() const = 0;

    // The modal input box: a prompt, a title, an empty field, OK and Cancel in
    // the desktop's language, centred across the display about a third of the
    // way down. Events keep coming while it is open. Returns the typed text on
    // OK, the empty text on Cancel, when closed, or when the game ends under it.
    virtual std::string inputBox(std::string_view prompt, std::string_view title) = 0;

    // The box of an untrapped error: a title, the message, one OK button.
    // Returns once the player has dismissed it.
    virtual void errorBox(std::string_view title, std::string_view message) = 0;

    // The message loop: delivers every event until end() is called, then
    // returns end()'s status.
    virtual int run() = 0;
    // End: every message loop comes to an end, an open input box closes as on
    // Cancel, and run() returns `status`.
    virtual void end(int status) = 0;

    // The two texts are the same apart from letter case, by the user's locale.
    virtual bool equalIgnoringCase(std::string_view a, std::string_view b) const = 0;

    // Decodes the part `part` of a picture file (baseline JPEG or GIF89a, the
    // whole file in memory); null if it cannot be decoded. May be called from
    // another thread than the message loop's.
    virtual std::unique_ptr<Picture> decodePicture(std::span<const unsigned char> file, PixelRect part) const = 0;
};

} // namespace tolvane::runtime
