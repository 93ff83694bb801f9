#pragma once

// In a caption, "&" marks the next letter as the Alt accelerator; it is not
// drawn, and "&&" draws one "&" (shownCaption in control_rules.h gives the
// caption as it reads).

#include <string_view>

namespace tolvane {

// The accelerator letter of a caption, in upper case; 0 if it has none.
constexpr char acceleratorOf(std::string_view caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        const char next = caption[i + 1];
        if (next == '&') {
            ++i;
            continue;
        }
        return next >= 'a' && next <= 'z' ? char(next - 'a' + 'A') : next;
    }
    return 0;
}

} // namespace tolvane
