#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tolvane::qt {

// The game's texts are UTF-8; Qt's are QStrings.
inline QString toQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

inline std::string toUtf8(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return {bytes.constData(), std::size_t(bytes.size())};
}

} // namespace tolvane::qt
