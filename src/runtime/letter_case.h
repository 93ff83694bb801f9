#pragma once

// Which locale's letter case the answers are compared in. The answers are
// French words: the user's own locale decides letter case, except for the
// Turkish and Azeri rule that lowers "I" to a dotless "ı", which would make
// "LUNDI" differ from "lundi". Those locales compare in `frenchLocaleTag`.

#include <string_view>

namespace tolvane::runtime {

inline constexpr std::string_view frenchLocaleTag = "fr-FR";

// True for a locale name (BCP 47 "tr-TR", POSIX "tr_TR.UTF-8", or a bare
// "az") whose letter case treats the dotted and dotless i as a pair.
bool hasDotlessICasing(std::string_view localeName);

} // namespace tolvane::runtime
