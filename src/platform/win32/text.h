#pragma once

// The game speaks UTF-8; Windows speaks UTF-16. Every text crosses here.

#include <string>
#include <string_view>

namespace tolvane::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

} // namespace tolvane::win32
