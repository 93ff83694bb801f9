#pragma once

// A caption as the page draws it, for the program's windows and for the
// title window the page draws before the program runs.

#include <string>
#include <string_view>

namespace tolvane::web {

// The text before the underlined letter, the letter (one UTF-8 character, or
// none), the text after it; line breaks are "\n".
struct MarkedCaption {
    std::string before, letter, after;
};

MarkedCaption markCaption(std::string_view caption);

} // namespace tolvane::web
