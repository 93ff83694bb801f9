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

// Where a window being built finds its decoded pictures: each decoded once
// per run and shared by all its uses. Null for PictureId::None and for a
// picture that could not be decoded, whose control then stays empty.
class PictureSource {
public:
    virtual const Picture *picture(PictureId id) = 0;

protected:
    ~PictureSource() = default;
};

} // namespace tolvane::runtime
