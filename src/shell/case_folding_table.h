#pragma once

// Unicode's simple case folding as runs of code points: `count` code points
// from `first`, `stride` apart (1, or 2 where capitals and small letters
// alternate), each folding to itself plus `delta`. The runs are in order and
// never overlap; a code point in none folds to itself.

#include <cstdint>
#include <span>

namespace tolvane {

struct CaseFoldRun {
    char32_t first;
    std::uint16_t count;
    std::uint8_t stride;
    std::int32_t delta;
};

// Written by tools/casefoldgen (case_folding_table.cpp).
std::span<const CaseFoldRun> caseFoldRuns();

} // namespace tolvane
