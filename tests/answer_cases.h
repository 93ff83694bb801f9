#pragma once

// Typed answers against accepted ones, and whether each must match: the same
// text apart from letter case, nothing trimmed or normalised.

#include <string_view>

namespace tolvane::testing {

using namespace std::string_view_literals;

struct AnswerCase {
    const char *name;
    std::string_view typed; // UTF-8, or bytes that are not
    std::string_view accepted;
    bool matches;
};

inline constexpr AnswerCase answerCases[] = {
    {"capitals", "MARZELLE", "MARZELLE", true},
    {"lower case", "marzelle", "MARZELLE", true},
    {"first letter only", "Marzelle", "MARZELLE", true},
    {"space before", " MARZELLE", "MARZELLE", false},
    {"space after", "MARZELLE ", "MARZELLE", false},
    {"empty", "", "MARZELLE", false},
    {"two words lower case", "marzelle vastrelli", "MARZELLE VASTRELLI", true},
    {"two spaces between", "marzelle  vastrelli", "MARZELLE VASTRELLI", false},
    {"surname alone", "vastrelli", "MARZELLE VASTRELLI", false},
    {"feast name", "lundi de Pâques", "LUNDI", false},
    {"lower-case day", "lundi", "LUNDI", true},
    {"capital I lowers to a dotted i everywhere", "ici", "ICI", true},
    {"dotless i is a letter of its own", "ıci", "ICI", false},
    {"full stop", "Vert.", "VERT", false},
    {"accented E", "VÉRT", "VERT", false},
    {"faux for vrai", "FAUX", "VRAI", false},
    {"vrai in lower case", "vrai", "VRAI", true},
    {"accents fold by case", "é", "É", true},
    {"non-ASCII word", "ÉLÈVE", "élève", true},
    {"Greek", "ΑΒΓ", "αβγ", true},
    {"Cyrillic", "ПРИВЕТ", "привет", true},
    {"tab is not a space", "MARZELLE\tVASTRELLI", "MARZELLE VASTRELLI", false},
    {"no-break space", "MARZELLE\u00A0VASTRELLI", "MARZELLE VASTRELLI", false},
    {"emoji", "VERT\U0001F600", "VERT", false},
    {"prefix", "VER", "VERT", false},
    {"full-width letters", "ＶＥＲＴ", "VERT", false},
    {"full-width in lower case", "ｖｅｒｔ", "ＶＥＲＴ", true},
    {"soft hyphen", "VE\u00ADRT", "VERT", false},
    // Unicode's simple case folding, the same on a Turkish desktop as anywhere.
    {"dotted capital İ is a letter of its own", "İci", "ici", false},
    {"dotted capital İ matches itself", "İCI", "İci", true},
    {"capital sharp s", "STRAẞE", "straße", true},
    {"sharp s is not ss", "STRASSE", "straße", false},
    {"final sigma", "ΣΟΦΟΣ", "σοφος", true},
    {"Cherokee folds to its capitals", "ᏣᎳᎩ", "ꮳꮃꭹ", true},
    {"Deseret, four bytes a letter", "\U00010400\U00010401", "\U00010428\U00010429", true},
    {"Deseret letters differ", "\U00010400", "\U00010429", false},
    // Bytes that are not UTF-8 match only themselves.
    {"malformed bytes", "\xFF\xFE", "\xFF\xFE", true},
    {"a letter after a malformed byte", "\xFF" "A", "\xFF" "a", true},
    {"a cut sequence", "\xC3", "\xC3\xA9", false},
    {"Latin-1 é is not UTF-8 é", "\xE9", "\xC3\xA9", false},
    {"overlong A", "\xC1\x81", "a", false},
    {"overlong A in three bytes", "\xE0\x81\x81", "a", false},
    {"not the replacement character", "\xFF", "\uFFFD", false},
    {"two continuation bytes", "\x80", "\x81", false},
    {"NUL counts", "A\0B"sv, "AB", false},
};

} // namespace tolvane::testing
