#include "platform/headless/text_case.h"

namespace tolvane::headless {

namespace {

// The next code point of a UTF-8 text, moving `at` past it. A malformed
// sequence yields its first byte, marked so that it matches only itself.
char32_t next(std::string_view text, std::size_t &at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + length > text.size()) {
        ++at;
        return 0x110000 + lead;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const unsigned char cont = byte(at + i);
        if ((cont & 0xC0) != 0x80) {
            ++at;
            return 0x110000 + lead;
        }
        c = (c << 6) | (cont & 0x3F);
    }
    at += length;
    return c;
}

} // namespace

char32_t foldCase(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) // Latin-1 capitals, not the multiplication sign
        return c + 32;
    if (c >= 0x100 && c <= 0x137 && c % 2 == 0 && c != 0x130) // Latin Extended-A, pairs; not the dotted I
        return c + 1;
    if (c >= 0x139 && c <= 0x148 && c % 2 == 1)
        return c + 1;
    if (c >= 0x14A && c <= 0x177 && c % 2 == 0)
        return c + 1;
    if (c == 0x178) // Ÿ
        return 0xFF;
    if (c == 0x179 || c == 0x17B || c == 0x17D)
        return c + 1;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) // Greek capitals
        return c + 32;
    if (c >= 0x410 && c <= 0x42F) // Cyrillic capitals
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    if (c >= 0xFF21 && c <= 0xFF3A) // full-width capitals, to full-width small letters
        return c + 32;
    return c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (foldCase(next(a, i)) != foldCase(next(b, j)))
            return false;
    }
    return i == a.size() && j == b.size();
}

} // namespace tolvane::headless
