#include "runtime/input_box.h"

#include <cmath>

namespace tolvane::runtime {

BoxPlace inputBoxPlace(int displayWidth, int displayHeight, int outerWidth)
{
    // Halves of an odd difference go down, also for a box wider than the display.
    const int left = static_cast<int>(std::floor((displayWidth - outerWidth) / 2.0));
    return {left, displayHeight / 3};
}

} // namespace tolvane::runtime
