#pragma once

#include <QString>

#include <string_view>

namespace tolvane {

// The game's tables hold their texts as UTF-8.
inline QString toQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

} // namespace tolvane
