#include "platform/win32/fonts.h"

#include "platform/win32/text.h"
#include "resources/stand_in_faces.h"

#include <cmath>
#include <cwchar>

namespace tolvane::win32 {

namespace {

// The title face's stand-in, built into the program (resources/stand_in_faces.h).
// At its own width "AU TOLVANE VIRAIL !!!" needs 296 px where the title's label
// has 289, and wraps; at the stand-in's width it fits, 286 px of ink, as on
// Linux. GDI comes nearest to a narrower advance with narrower letters.
const std::wstring standInFace = widen(standInFor(displayFace).standIn);
const double standInWidth = standInFor(displayFace).width;

HFONT narrowed(HFONT natural, LOGFONTW font)
{
    HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, natural);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    font.lfWidth = static_cast<LONG>(std::lround(metrics.tmAveCharWidth * standInWidth));
    HFONT made = font.lfWidth > 0 ? CreateFontIndirectW(&font) : nullptr;
    if (!made)
        return natural;
    DeleteObject(natural);
    return made;
}

// "MS Sans Serif" is a bitmap face on Windows, of a few fixed sizes that do
// not scale; its TrueType sibling has the same metrics and draws any size.
constexpr wchar_t scalableSansFace[] = L"Microsoft Sans Serif";

int CALLBACK faceFound(const LOGFONTW *, const TEXTMETRICW *, DWORD type, LPARAM found)
{
    *reinterpret_cast<DWORD *>(found) = type | 0x8000; // found, whatever its type
    return 0;
}

// The face's FontType bits with 0x8000 set, or 0 when it is not installed.
DWORD faceType(const std::wstring &face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    DWORD found = 0;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, faceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

bool Fonts::installed(const std::wstring &face) { return faceType(face) != 0; }

const std::wstring &Fonts::sansFaceInUse()
{
    if (m_sansFace.empty()) {
        m_sansFace = widen(sansFace);
        if ((faceType(m_sansFace) & RASTER_FONTTYPE) && installed(scalableSansFace))
            m_sansFace = scalableSansFace;
    }
    return m_sansFace;
}

Fonts::Fonts() : m_displayFace(widen(displayFace))
{
    if (installed(m_displayFace))
        return;
    const std::span<const unsigned char> file = displayFontFile();
    DWORD count = 0;
    m_embedded = AddFontMemResourceEx(const_cast<unsigned char *>(file.data()), static_cast<DWORD>(file.size()),
                                      nullptr, &count);
    if (m_embedded)
        m_displayFace = standInFace;
}

Fonts::~Fonts()
{
    for (auto &[key, font] : m_fonts)
        DeleteObject(font);
    if (m_embedded)
        RemoveFontMemResourceEx(m_embedded);
}

HFONT Fonts::get(const FontSpec &wanted, int dpi)
{
    const auto key = std::make_tuple(wanted.face, wanted.points, wanted.weight, dpi);
    if (auto found = m_fonts.find(key); found != m_fonts.end())
        return found->second;

    LOGFONTW font{};
    // Points to pixels at the display's dots per inch; a negative height asks
    // for the character height, as a point size means.
    font.lfHeight = -static_cast<LONG>(std::lround(wanted.points * dpi / 72.0));
    font.lfWeight = wanted.weight;
    font.lfCharSet = ANSI_CHARSET; // Western, as every layout font is
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::wstring face = wanted.face == displayFace ? m_displayFace
                        : wanted.face == sansFace  ? sansFaceInUse()
                                                   : widen(wanted.face);
    // The stand-in exists as bold italic only: ask for just that.
    if (face == standInFace)
        font.lfItalic = TRUE;
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    HFONT made = CreateFontIndirectW(&font);
    if (face == standInFace && made)
        made = narrowed(made, font);
    m_fonts.emplace(key, made);
    return made;
}

} // namespace tolvane::win32
