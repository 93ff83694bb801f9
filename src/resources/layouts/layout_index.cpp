// layoutOf(): from a screen to its layout.

#include "resources/layouts/layouts.h"

#include <algorithm>
#include <cstdlib>

namespace tolvane {

const ScreenLayout &layoutOf(ScreenId id)
{
    // No default: the compiler warns if a screen is left out.
    switch (id) {
    case ScreenId::TOLVANE1: return layouts::TOLVANE1;
    case ScreenId::TOLVANE2: return layouts::TOLVANE2;
    case ScreenId::frmapropos: return layouts::frmapropos;
    case ScreenId::tolvane3: return layouts::tolvane3;
    case ScreenId::tolvane4: return layouts::tolvane4;
    case ScreenId::tolvane5: return layouts::tolvane5;
    case ScreenId::tolvane6: return layouts::tolvane6;
    case ScreenId::tolvane7: return layouts::tolvane7;
    case ScreenId::tolvane8: return layouts::tolvane8;
    case ScreenId::tolvane9: return layouts::tolvane9;
    case ScreenId::tolvane10: return layouts::tolvane10;
    case ScreenId::tolvane11: return layouts::tolvane11;
    case ScreenId::TOLVANE12: return layouts::TOLVANE12;
    case ScreenId::tolvane13: return layouts::tolvane13;
    case ScreenId::TOLVANE14: return layouts::TOLVANE14;
    case ScreenId::TOLVANE15: return layouts::TOLVANE15;
    case ScreenId::tolvane16: return layouts::tolvane16;
    case ScreenId::tolvane17: return layouts::tolvane17;
    }
    // Only a value cast from outside the enumeration gets here.
    std::abort();
}

std::optional<std::size_t> controlNamed(const ScreenLayout &layout, std::string_view name)
{
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        if (sameName(layout.controls[i].name, name))
            return i;
    }
    return std::nullopt;
}

ClientArea largestClientArea()
{
    ClientArea largest;
    for (int slot = 0; slot < screenCount; ++slot) {
        const ScreenLayout &layout = layoutOf(static_cast<ScreenId>(slot));
        largest.width = std::max(largest.width, layout.clientWidth);
        largest.height = std::max(largest.height, layout.clientHeight);
    }
    return largest;
}

} // namespace tolvane
