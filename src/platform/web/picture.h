#pragma once

// A picture as the page holds it: the browser decodes the file's bytes
// itself, and the runtime keeps only the page's number for it.

#include "runtime/picture.h"

#include <memory>
#include <span>

namespace tolvane::web {

class WebPicture final : public runtime::Picture {
public:
    static constexpr int none = -1; // a picture that draws nothing

    explicit WebPicture(int handle) : m_handle(handle) {}
    int handle() const { return m_handle; }

    // The page's number of a picture a window was given; `none` for none.
    static int handleOf(const runtime::Picture *picture);

private:
    int m_handle;
};

// Hands a JPEG or GIF file to the page's decoder and waits for it; null for
// any other file and for one the browser cannot decode. The page shows the
// whole picture from its top-left corner and clips it to its control, so the
// part a window can show needs no cutting out.
std::unique_ptr<runtime::Picture> decodePicture(std::span<const unsigned char> file);

} // namespace tolvane::web
