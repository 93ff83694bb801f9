#include "shell/letter_case.h"

#include "shell/case_folding_table.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace tolvane {

namespace {

// The length of the sequence a lead byte starts, or 0 for a byte that starts
// none (a continuation byte, or a lead that could only start an overlong form
// or a code point past U+10FFFF).
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The code point at `at` of a UTF-8 text, moving `at` past it. A byte that
// does not start a well-formed sequence (too short, overlong, a surrogate,
// past U+10FFFF) is taken alone, as a value beyond every code point.
char32_t nextCodePoint(std::string_view text, std::size_t &at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const char32_t malformed = 0x110000 + lead;
    const std::size_t length = sequenceLength(lead);
    ++at;
    if (length == 1)
        return lead;
    if (length == 0 || text.size() - at < length - 1)
        return malformed;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 0; i + 1 < length; ++i) {
        const unsigned char continuation = byte(at + i);
        if ((continuation & 0xC0) != 0x80)
            return malformed;
        c = (c << 6) | (continuation & 0x3F);
    }
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < smallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return malformed;
    at += length - 1;
    return c;
}

} // namespace

char32_t foldedCase(char32_t c)
{
    const std::span<const CaseFoldRun> runs = caseFoldRuns();
    const auto after = std::upper_bound(runs.begin(), runs.end(), c,
                                        [](char32_t code, const CaseFoldRun &run) { return code < run.first; });
    if (after == runs.begin())
        return c;
    const CaseFoldRun &run = *std::prev(after);
    const char32_t offset = c - run.first;
    if (offset % run.stride != 0 || offset / run.stride >= run.count)
        return c;
    return static_cast<char32_t>(static_cast<std::int32_t>(c) + run.delta);
}

bool sameApartFromCase(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (foldedCase(nextCodePoint(a, i)) != foldedCase(nextCodePoint(b, j)))
            return false;
    }
    return i == a.size() && j == b.size();
}

} // namespace tolvane
