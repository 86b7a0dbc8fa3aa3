// Unicode-aware case mapping, "any case" comparison and plain letters for names (ICU).
#pragma once

#include <string>
#include <string_view>

namespace qbsw {

// Full Unicode upper-casing ("Noè" -> "NOÈ", "Архипенко" -> "АРХИПЕНКО").
std::string UpperCase(std::string_view text);
// Case folding, for comparisons that ignore case.
std::string FoldCase(std::string_view text);
bool EqualsAnyCase(std::string_view a, std::string_view b);
bool StartsWithAnyCase(std::string_view text, std::string_view prefix);
// Accents and other marks removed, Latin letters reduced to plain ASCII where they have a plain
// form ("Noè" -> "Noe", "Łódź" -> "Lodz", "Straße" -> "Strasse"); other scripts stay as they are.
std::string PlainLetters(std::string_view text);
// The first character (code point) of a UTF-8 text, or empty.
std::string FirstCharacter(std::string_view text);

}  // namespace qbsw
