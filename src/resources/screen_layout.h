#pragma once

// The static description of every window: what it looks like when it is
// created, before any handler has touched it. Plain constant data; the window
// layer builds widgets from it and the tests read it back.

#include "picture_id.h"
#include "screen_id.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tolvane {

// All positions and sizes are in twips: 15 twips to a logical pixel.
inline constexpr int twipsPerPixel = 15;

enum class ControlKind { Label, TextBox, CommandButton, PictureBox, Image, Timer };

// A colour is either the control kind's default, a 24-bit RGB value, or one of
// the desktop's system colours.
struct Colour {
    enum class Source { Default, Rgb, Highlight, ActiveBorder };
    Source source = Source::Default;
    unsigned rgb = 0; // 0xRRGGBB, for Source::Rgb

    constexpr bool isDefault() const { return source == Source::Default; }
};

constexpr Colour rgb(unsigned value) { return {Colour::Source::Rgb, value}; }
inline constexpr Colour highlight{Colour::Source::Highlight};
inline constexpr Colour activeBorder{Colour::Source::ActiveBorder};

inline constexpr std::string_view sansFace = "MS Sans Serif";
inline constexpr std::string_view displayFace = "Odessa LET";

struct FontSpec {
    std::string_view face = sansFace;
    double points = 8.0;
    int weight = 400; // 400 regular, 700 bold

    constexpr bool operator==(const FontSpec &) const = default;
};

// The window font, used by every control whose font is not given.
inline constexpr FontSpec windowFont{};

struct ControlLayout {
    ControlKind kind = ControlKind::Label;
    std::string_view name;
    std::string_view container = {}; // empty: the window's client area; else a picture box's name
    int left = 0;                    // twips, from the container's inner top-left corner
    int top = 0;
    int width = 0;
    int height = 0;
    std::string_view caption = {}; // UTF-8; "&" marks the accelerator letter
    FontSpec font = windowFont;
    Colour foreColour = {};
    Colour backColour = {};
    bool visible = true;
    int tabIndex = -1;                  // -1: the kind has none (timers, images)
    PictureId picture = PictureId::None; // picture boxes and images
    bool stretch = false;                // images only
    int interval = 0;                    // timers only, milliseconds
};

// The common menu bar: "&Jeu" holding "&Quitter", and "&A propos de..." as a
// command on the bar itself. Only the names differ from window to window.
struct MenuBarLayout {
    std::string_view game = {}; // empty: the window has no menu bar
    std::string_view quit = {};
    std::string_view about = {};

    constexpr bool present() const { return !game.empty(); }
};

inline constexpr std::string_view gameMenuCaption = "&Jeu";
inline constexpr std::string_view quitItemCaption = "&Quitter";
inline constexpr std::string_view aboutItemCaption = "&A propos de...";

struct ScreenLayout {
    ScreenId id;
    std::string_view name;
    std::string_view caption;
    int clientLeft = 0; // design position, twips; only the About box keeps it
    int clientTop = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    Colour backColour = {};
    PictureId backgroundPicture = PictureId::None;
    MenuBarLayout menu = {};
    std::span<const ControlLayout> controls; // front to back
};

// The layout of each of the eighteen windows.
const ScreenLayout &layoutOf(ScreenId id);

// The widest client area and the tallest among the eighteen windows, in
// twips: what a small display has to fit.
struct ClientArea {
    int width = 0;
    int height = 0;
};
ClientArea largestClientArea();

// Window, control and handler names: the same apart from the case of ASCII letters.
constexpr bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'A' && a[i] <= 'Z' ? char(a[i] - 'A' + 'a') : a[i];
        const char y = b[i] >= 'A' && b[i] <= 'Z' ? char(b[i] - 'A' + 'a') : b[i];
        if (x != y)
            return false;
    }
    return true;
}

// The place in the layout's list of the control of that name, letter case
// ignored, as every control name is; none if the window has no such control.
// The one way the game, its runtimes and its tests find a control by name.
std::optional<std::size_t> controlNamed(const ScreenLayout &layout, std::string_view name);

} // namespace tolvane
