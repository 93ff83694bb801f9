#pragma once

// Letter case, the same on every desktop whatever its language: Unicode's
// simple case folding (shell/case_folding_table.h). "I" and "i" are one letter
// everywhere, a Turkish desktop included, and "ı" and "İ" are letters of their
// own; "ß" never becomes "ss".

#include <string_view>

namespace tolvane {

// The code point with its letter case folded away; anything else unchanged.
char32_t foldedCase(char32_t c);

// Two UTF-8 texts are the same apart from letter case. Nothing else is
// ignored: spaces, accents, punctuation, full-width forms, soft hyphens all
// count. A byte that does not start a well-formed UTF-8 sequence matches only
// the same byte.
bool sameApartFromCase(std::string_view a, std::string_view b);

} // namespace tolvane
