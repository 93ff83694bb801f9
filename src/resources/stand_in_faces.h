#pragma once

// The two faces the layouts name are old Windows faces. Where one is missing,
// every runtime draws with the same free face of the same look instead, set
// a little narrower, as the layouts' labels were sized for the narrower
// original: " P'TIT CON VAS !!!" keeps to one line of its verdict label and
// "AU TOLVANE VIRAIL !!!" to one line of the title's.

#include "resources/screen_layout.h"

#include <string_view>

namespace tolvane {

struct StandInFace {
    std::string_view face;    // as the layouts name it
    std::string_view standIn; // the free face drawn instead
    double width;             // each letter's advance, as a share of the stand-in's own
    double averageLetterEm;   // the stand-in's average advance, for a page that can only add a fixed spacing
};

inline constexpr StandInFace standInFaces[] = {
    {sansFace, "Liberation Sans", 0.96, 0.5},
    {displayFace, "Lobster Two", 0.96, 0.5},
};

// The stand-in for a layout's face; the sans face's for any other name.
constexpr const StandInFace &standInFor(std::string_view face)
{
    for (const StandInFace &s : standInFaces) {
        if (s.face == face)
            return s;
    }
    return standInFaces[0];
}

} // namespace tolvane
