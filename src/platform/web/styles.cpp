#include "platform/web/styles.h"

#include "resources/stand_in_faces.h"

#include <cstdio>

namespace tolvane::web {

std::string cssFont(const FontSpec &font)
{
    // The game's own face where the player has it, then the stand-in built
    // into the page under its own name.
    const std::string_view standIn = standInFor(font.face).standIn;
    char css[128];
    std::snprintf(css, sizeof css, "%d %gpt \"%.*s\", \"%.*s\"", font.weight, font.points, int(font.face.size()),
                  font.face.data(), int(standIn.size()), standIn.data());
    return css;
}

std::string cssColour(const Colour &colour, const char *fallback)
{
    switch (colour.source) {
    case Colour::Source::Default:
        return fallback;
    case Colour::Source::Rgb: {
        char css[8];
        std::snprintf(css, sizeof css, "#%06X", colour.rgb & 0xFFFFFFu);
        return css;
    }
    case Colour::Source::Highlight:
        return "Highlight";
    case Colour::Source::ActiveBorder:
        // An active window's border is drawn in the button face colour.
        return "ButtonFace";
    }
    return fallback;
}

} // namespace tolvane::web
