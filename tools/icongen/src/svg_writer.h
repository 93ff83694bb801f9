#pragma once

// The drawing as a scalable SVG picture, for desktops that draw icons at
// sizes of their own.

#include <string>

namespace icongen {

std::string iconSvg();

} // namespace icongen
