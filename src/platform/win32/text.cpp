#include "platform/win32/text.h"

#include "platform/win32/win32.h"

namespace tolvane::win32 {

std::wstring widen(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::string narrow(std::wstring_view utf16)
{
    if (utf16.empty())
        return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::wstring drawnCaption(std::string_view utf8)
{
    const std::wstring wide = widen(utf8);
    std::wstring drawn;
    drawn.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == L'\r' || wide[i] == L'\n') {
            if (wide[i] == L'\r' && i + 1 < wide.size() && wide[i + 1] == L'\n')
                ++i;
            drawn += L"\r\n";
        } else {
            drawn += wide[i];
        }
    }
    return drawn;
}

} // namespace tolvane::win32
