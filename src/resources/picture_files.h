#pragma once

// The bytes of the picture files, built into the program.

#include "resources/picture_id.h"

#include <span>

namespace tolvane {

// The whole file of a picture at `scale` (1, or 2: NAME@2x, twice the pixels
// each way), as committed; empty for PictureId::None and for blankdot at 2x,
// a transparent dot that needs no second density. The page's program holds
// no 2x file: the page carries them beside it, and the web runtime reads them
// there.
std::span<const unsigned char> pictureFile(PictureId id, int scale = 1);

} // namespace tolvane
