#pragma once

// Which part of each picture any window can ever show, worked out from the
// layouts: the large pictures reach far past their windows, and only what
// can come into view is worth decoding and keeping.

#include "resources/picture_id.h"
#include "runtime/picture.h"

namespace tolvane {

// The smallest rectangle, in the picture's own pixels, holding every pixel of
// the picture that some control of some window can bring into view (hidden
// controls included, since they may be shown); the whole picture for a
// picture that is drawn stretched anywhere. Empty for a picture no window uses.
// At scale 2, the same part of the 2x file: every edge twice as far.
runtime::PixelRect partInView(PictureId id, int scale = 1);

} // namespace tolvane
