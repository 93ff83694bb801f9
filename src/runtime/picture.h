#pragma once

// The game's pictures, from the bytes of their files to what a runtime draws.

#include "resources/picture_id.h"

namespace tolvane::runtime {

// A picture as a runtime decoded it, in the runtime's own form.
class Picture {
public:
    virtual ~Picture() = default;
};

// A rectangle in a picture's own pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr bool operator==(const PixelRect &) const = default;
};

// Where a window finds its decoded pictures: each decoded once per run at
// each scale (resources/picture_scale.h) and shared by all its uses. Null for
// PictureId::None, for a scale the picture lacks, and for a picture that
// could not be decoded, whose control then stays empty. At scale 2 the part
// decoded and every position in it are in the 2x file's pixels, twice those
// of scale 1.
class PictureSource {
public:
    virtual const Picture *picture(PictureId id, int scale) = 0;
    const Picture *picture(PictureId id) { return picture(id, 1); }

protected:
    ~PictureSource() = default;
};

} // namespace tolvane::runtime
