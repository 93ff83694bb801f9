#include "shell/centring.h"

#include "runtime/runtime_error.h"

#include <cfenv>
#include <cmath>

// Built with -frounding-math, so that the compiler keeps the arithmetic
// between clearing and testing the status flags where it is written.

namespace tolvane {

#if defined(FE_INVALID) && defined(FE_DIVBYZERO) && defined(FE_OVERFLOW)
float centredOrigin(float displayExtent, float windowExtent)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile double display = displayExtent;
    volatile double window = windowExtent;
    // Loading a value that is not a finite number is an invalid operation.
    if (!std::isfinite(display) || !std::isfinite(window))
        std::feraiseexcept(FE_INVALID);
    volatile double origin = display / 2.0 - window / 2.0;
    if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW))
        throw runtime::RuntimeError::floatingPoint();
    return static_cast<float>(origin);
}
#else
// WebAssembly keeps no floating-point status flags. Halving two finite floats
// and subtracting in double precision can neither overflow nor divide by
// zero, so the one fault left is an operand that is not a finite number.
float centredOrigin(float displayExtent, float windowExtent)
{
    if (!std::isfinite(displayExtent) || !std::isfinite(windowExtent))
        throw runtime::RuntimeError::floatingPoint();
    return static_cast<float>(double(displayExtent) / 2.0 - double(windowExtent) / 2.0);
}
#endif

void centre(Placeable &window, float displayWidth, float displayHeight)
{
    window.setLeft(centredOrigin(displayWidth, window.width()));
    window.setTop(centredOrigin(displayHeight, window.height()));
}

} // namespace tolvane
