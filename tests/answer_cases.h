#pragma once

// Typed answers against accepted ones, and whether each must match: the same
// text apart from letter case, nothing trimmed or normalised. Every runtime's
// comparison is checked against this one table.

namespace tolvane::testing {

struct AnswerCase {
    const char *name;
    const char *typed; // UTF-8
    const char *accepted;
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
};

} // namespace tolvane::testing
