#pragma once

// The input box as every runtime opens it: the desktop's French words on its
// two buttons, and where it opens.

#include <string_view>

namespace tolvane::runtime {

inline constexpr std::string_view inputBoxOk = "OK";
inline constexpr std::string_view inputBoxCancel = "Annuler";

struct BoxPlace {
    int left = 0;
    int top = 0;
    constexpr bool operator==(const BoxPlace &) const = default;
};

// Where the box's outer frame opens on a display of that size, all in the
// display's pixels: centred across, its top a third of the way down (each
// rounded down to the pixel).
BoxPlace inputBoxPlace(int displayWidth, int displayHeight, int outerWidth);

} // namespace tolvane::runtime
