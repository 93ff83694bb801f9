#pragma once

// Pictures decoded by the Windows Imaging Component from the bytes built into
// the program, kept as 32-bit premultiplied DIB sections, and drawn with GDI.

#include "platform/win32/win32.h"
#include "runtime/picture.h"

#include <memory>
#include <span>

namespace tolvane::win32 {

class Win32Picture : public runtime::Picture {
public:
    Win32Picture(int fullWidth, int fullHeight, runtime::PixelRect part);
    ~Win32Picture() override;
    Win32Picture(const Win32Picture &) = delete;
    Win32Picture &operator=(const Win32Picture &) = delete;

    int fullWidth() const { return m_fullWidth; }
    int fullHeight() const { return m_fullHeight; }
    // The part of the picture that was decoded; the rest is never drawn.
    const runtime::PixelRect &part() const { return m_part; }
    // Whether any pixel of the part is not fully opaque (a GIF's transparent colour).
    bool translucent() const { return m_translucent; }
    // Premultiplied BGRA, top-down, part().width pixels to a row.
    const unsigned char *bits() const { return static_cast<const unsigned char *>(m_bits); }
    HBITMAP bitmap() const { return m_bitmap; }

    // Draws the picture with its pixel (0, 0) at (x, y) of `dc`, at its own size
    // or scaled to width x height when `stretch`; only the decoded part shows.
    void draw(HDC dc, int x, int y, bool stretch = false, int width = 0, int height = 0) const;

private:
    friend std::unique_ptr<Win32Picture> decodeWithWic(std::span<const unsigned char>, runtime::PixelRect);
    int m_fullWidth;
    int m_fullHeight;
    runtime::PixelRect m_part;
    bool m_translucent = false;
    HBITMAP m_bitmap = nullptr;
    void *m_bits = nullptr;
};

// Null if the bytes are not a picture WIC can decode. Callable from any thread.
std::unique_ptr<Win32Picture> decodeWithWic(std::span<const unsigned char> file, runtime::PixelRect part);

} // namespace tolvane::win32
