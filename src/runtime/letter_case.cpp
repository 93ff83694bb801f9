#include "runtime/letter_case.h"

#include <cctype>

namespace tolvane::runtime {

bool hasDotlessICasing(std::string_view localeName)
{
    const std::string_view language = localeName.substr(0, localeName.find_first_of("-_.@"));
    if (language.size() != 2)
        return false;
    const char first = static_cast<char>(std::tolower(static_cast<unsigned char>(language[0])));
    const char second = static_cast<char>(std::tolower(static_cast<unsigned char>(language[1])));
    return (first == 't' && second == 'r') || (first == 'a' && second == 'z');
}

} // namespace tolvane::runtime
