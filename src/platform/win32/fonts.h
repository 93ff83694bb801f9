#pragma once

// The game's two faces: MS Sans Serif, Windows' own, for every text, and the
// display face "Odessa LET" for the title. Where Odessa LET is not installed
// the program brings its stand-in, Lobster Two Bold Italic (SIL Open Font
// License 1.1, Pablo Impallari and Igino Marini), built into the program and
// made available to this process alone.

#include "platform/win32/win32.h"
#include "resources/screen_layout.h"

#include <map>
#include <span>
#include <string>
#include <tuple>

namespace tolvane::win32 {

// The stand-in's file, built into the program.
std::span<const unsigned char> displayFontFile();

class Fonts {
public:
    Fonts();
    ~Fonts();
    Fonts(const Fonts &) = delete;
    Fonts &operator=(const Fonts &) = delete;

    // The font of a layout at `dpi` dots per inch; the cache keeps it.
    HFONT get(const FontSpec &font, int dpi);
    // The face that draws the display face: "Odessa LET" or its stand-in.
    const std::wstring &displayFaceInUse() const { return m_displayFace; }
    // The face that draws "MS Sans Serif": itself, or "Microsoft Sans Serif"
    // where it is the bitmap face that does not scale (Windows' own).
    const std::wstring &sansFaceInUse();

    static bool installed(const std::wstring &face);

private:
    HANDLE m_embedded = nullptr;
    std::wstring m_displayFace;
    std::wstring m_sansFace; // found on first use
    std::map<std::tuple<std::string_view, double, int, int>, HFONT> m_fonts;
};

} // namespace tolvane::win32
