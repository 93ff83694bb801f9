#include "platform/web/marked_caption.h"

#include "resources/control_rules.h"

#include <algorithm>

namespace tolvane::web {

MarkedCaption markCaption(std::string_view caption)
{
    const ShownCaption shown = shownCaption(caption);
    if (shown.underlined == std::string::npos)
        return {shown.text, {}, {}};
    const auto lead = static_cast<unsigned char>(shown.text[shown.underlined]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 4;
    return {shown.text.substr(0, shown.underlined), shown.text.substr(shown.underlined, length),
            shown.text.substr(std::min(shown.text.size(), shown.underlined + length))};
}

} // namespace tolvane::web
