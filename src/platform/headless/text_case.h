#pragma once

// Comparing texts apart from letter case, in standard C++: the headless
// runtime's stand-in for the desktop's locale rules. It folds the letters of
// the Latin, Greek and Cyrillic alphabets, which is all the tests need.

#include <string_view>

namespace tolvane::headless {

// UTF-8 in; a byte that does not start a valid sequence stands for itself.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// The lower-case form of one code point, where the alphabets above have one.
char32_t foldCase(char32_t c);

} // namespace tolvane::headless
