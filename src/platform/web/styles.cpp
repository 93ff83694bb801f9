#include "platform/web/styles.h"

#include <cstdio>

namespace tolvane::web {

namespace {

// The same stand-in faces as the Linux build, built into the page under these names.
const char *standInFor(std::string_view layoutFace)
{
    return layoutFace == displayFace ? "\"Lobster Two\"" : "\"Liberation Sans\"";
}

} // namespace

std::string cssFont(const FontSpec &font)
{
    // The game's own face where the player has it, the stand-in after it.
    char css[128];
    std::snprintf(css, sizeof css, "%d %gpt \"%.*s\", %s", font.weight, font.points, int(font.face.size()),
                  font.face.data(), standInFor(font.face));
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
