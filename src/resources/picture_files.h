#pragma once

// The bytes of the eight picture files, built into the program.

#include "resources/picture_id.h"

#include <span>

namespace tolvane {

// The whole file of a picture, as committed; empty for PictureId::None.
std::span<const unsigned char> pictureFile(PictureId id);

} // namespace tolvane
