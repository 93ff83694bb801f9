#include "platform/qt/colours.h"

namespace tolvane::qt {

QColor resolveColour(const Colour &colour, const QColor &fallback, const QPalette &palette)
{
    switch (colour.source) {
    case Colour::Source::Default:
        return fallback;
    case Colour::Source::Rgb:
        return QColor::fromRgb(colour.rgb);
    case Colour::Source::Highlight:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case Colour::Source::ActiveBorder:
        // Qt's palette has no border roles; an active window's border is drawn
        // in the button face colour by the desktops this game comes from.
        return palette.color(QPalette::Active, QPalette::Button);
    }
    return fallback;
}

} // namespace tolvane::qt
