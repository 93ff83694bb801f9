// The stand-in for the display face, as bytes in the program.

#include "platform/win32/fonts.h"

#include "display_font_bytes.cpp"

namespace tolvane::win32 {

std::span<const unsigned char> displayFontFile() { return embedded::lobster_otf; }

} // namespace tolvane::win32
