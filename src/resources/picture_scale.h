#pragma once

// Every picture but the transparent dot comes at two densities: its own
// pixels (scale 1), for a window shown at 96 dpi or a little more, and twice
// as many each way (scale 2, the NAME@2x file), drawn from the same drawing,
// for a window shown at 1.5 times or more. Both fill the same rectangle of
// the window, with the same stretching and clipping; only the density differs.

#include "resources/picture_id.h"

namespace tolvane {

inline constexpr int pictureScales = 2;

constexpr bool hasSharpFile(PictureId id) { return id != PictureId::None && id != PictureId::blankdot; }

// The device pixels to a pixel of the layout from which a window shows the 2x files.
inline constexpr double sharpPictureRatio = 1.5;

// The scale of picture `id` for a window shown at `ratio` device pixels to
// each pixel of its layout (a screen's device pixel ratio).
constexpr int pictureScaleFor(PictureId id, double ratio)
{
    return ratio >= sharpPictureRatio && hasSharpFile(id) ? 2 : 1;
}

// The same for a window laid out at `dpi` dots per inch (96 being 1x).
constexpr int pictureScaleForDpi(PictureId id, int dpi) { return pictureScaleFor(id, dpi / 96.0); }

} // namespace tolvane
