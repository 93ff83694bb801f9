#include "platform/win32/pictures.h"

#include <objbase.h>
#include <shlwapi.h>
#include <wincodec.h>

#include <algorithm>
#include <vector>

namespace tolvane::win32 {

namespace {

// Releases a COM pointer at the end of a scope.
template <typename T> struct ComPtr {
    T *p = nullptr;
    ~ComPtr()
    {
        if (p)
            p->Release();
    }
    T **out() { return &p; }
    T *operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

// COM for the calling thread, for as long as one decoding lasts. A thread that
// already has COM (the message loop's) keeps it as it is.
struct ComForThisThread {
    bool mustUninitialise;
    ComForThisThread() : mustUninitialise(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~ComForThisThread()
    {
        if (mustUninitialise)
            CoUninitialize();
    }
};

} // namespace

Win32Picture::Win32Picture(int fullWidth, int fullHeight, runtime::PixelRect part)
    : m_fullWidth(fullWidth), m_fullHeight(fullHeight), m_part(part)
{
    if (part.width <= 0 || part.height <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = part.width;
    info.bmiHeader.biHeight = -part.height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
}

Win32Picture::~Win32Picture()
{
    if (m_bitmap)
        DeleteObject(m_bitmap);
}

void Win32Picture::draw(HDC dc, int x, int y, bool stretch, int width, int height) const
{
    if (!m_bitmap)
        return;
    int left = x + m_part.left;
    int top = y + m_part.top;
    int drawnWidth = m_part.width;
    int drawnHeight = m_part.height;
    if (stretch) {
        // Each axis on its own: the aspect ratio is not kept.
        const double sx = static_cast<double>(width) / m_fullWidth;
        const double sy = static_cast<double>(height) / m_fullHeight;
        left = x + static_cast<int>(m_part.left * sx + 0.5);
        top = y + static_cast<int>(m_part.top * sy + 0.5);
        drawnWidth = x + static_cast<int>((m_part.left + m_part.width) * sx + 0.5) - left;
        drawnHeight = y + static_cast<int>((m_part.top + m_part.height) * sy + 0.5) - top;
    }
    if (drawnWidth <= 0 || drawnHeight <= 0)
        return;

    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, m_bitmap);
    if (m_translucent) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, left, top, drawnWidth, drawnHeight, source, 0, 0, m_part.width, m_part.height, blend);
    } else if (drawnWidth == m_part.width && drawnHeight == m_part.height) {
        BitBlt(dc, left, top, drawnWidth, drawnHeight, source, 0, 0, SRCCOPY);
    } else {
        const int previousMode = SetStretchBltMode(dc, HALFTONE);
        POINT origin;
        SetBrushOrgEx(dc, 0, 0, &origin);
        StretchBlt(dc, left, top, drawnWidth, drawnHeight, source, 0, 0, m_part.width, m_part.height, SRCCOPY);
        SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
        SetStretchBltMode(dc, previousMode);
    }
    SelectObject(source, previous);
    DeleteDC(source);
}

std::unique_ptr<Win32Picture> decodeWithWic(std::span<const unsigned char> file, runtime::PixelRect part)
{
    if (file.empty())
        return nullptr;
    ComForThisThread com;

    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void **>(factory.out()))))
        return nullptr;
    ComPtr<IStream> stream;
    stream.p = SHCreateMemStream(file.data(), static_cast<UINT>(file.size()));
    if (!stream)
        return nullptr;
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, decoder.out())))
        return nullptr;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.out())))
        return nullptr;
    UINT width = 0, height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0)
        return nullptr;
    WICPixelFormatGUID format{};
    frame->GetPixelFormat(&format);
    // A JPEG comes out as 24-bit BGR: widened to 32 bits here, quicker than
    // WIC's converter, which the backdrop waits for on the way to the title.
    const bool opaqueBgr = IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) != FALSE;
    // Anything else in premultiplied alpha, as AlphaBlend takes it; a GIF's
    // transparent colour comes out with alpha 0.
    ComPtr<IWICFormatConverter> converter;
    if (!opaqueBgr && (FAILED(factory->CreateFormatConverter(converter.out())) ||
                       FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                                    nullptr, 0.0, WICBitmapPaletteTypeCustom))))
        return nullptr;

    // Only what can come into view, within the picture.
    const int left = std::clamp(part.left, 0, static_cast<int>(width));
    const int top = std::clamp(part.top, 0, static_cast<int>(height));
    const int right = std::clamp(part.left + part.width, left, static_cast<int>(width));
    const int bottom = std::clamp(part.top + part.height, top, static_cast<int>(height));
    const runtime::PixelRect clamped{left, top, right - left, bottom - top};

    auto picture = std::make_unique<Win32Picture>(static_cast<int>(width), static_cast<int>(height), clamped);
    if (clamped.width == 0 || clamped.height == 0)
        return picture;
    if (!picture->m_bits)
        return nullptr;
    const WICRect rect{clamped.left, clamped.top, clamped.width, clamped.height};
    const UINT stride = static_cast<UINT>(clamped.width) * 4;
    const UINT size = stride * static_cast<UINT>(clamped.height);
    auto *bits = static_cast<BYTE *>(picture->m_bits);
    if (opaqueBgr) {
        const UINT bgrStride = static_cast<UINT>(clamped.width) * 3;
        std::vector<BYTE> bgr(static_cast<std::size_t>(bgrStride) * static_cast<UINT>(clamped.height));
        if (FAILED(frame->CopyPixels(&rect, bgrStride, static_cast<UINT>(bgr.size()), bgr.data())))
            return nullptr;
        for (std::size_t from = 0, to = 0; from < bgr.size(); from += 3, to += 4) {
            bits[to] = bgr[from];
            bits[to + 1] = bgr[from + 1];
            bits[to + 2] = bgr[from + 2];
            bits[to + 3] = 255;
        }
        GdiFlush();
        return picture;
    }
    if (FAILED(converter->CopyPixels(&rect, stride, size, bits)))
        return nullptr;
    const auto *bytes = static_cast<const unsigned char *>(picture->m_bits);
    for (UINT i = 3; i < size; i += 4) {
        if (bytes[i] != 255) {
            picture->m_translucent = true;
            break;
        }
    }
    GdiFlush();
    return picture;
}

} // namespace tolvane::win32
