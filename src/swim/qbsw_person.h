// Athletes' ages, person names and nation codes.
#pragma once

#include <string>
#include <string_view>

#include "base/date_time.h"

namespace qbsw {

// Age of an athlete on a meet date by an age-calculation type (kAgeCalcYear .. kAgeCalcLux);
// 99 when the birth date is not known (0).
int AgeAtDate(int ageCalcType, qb::TDateTime meetDate, qb::TDateTime birthDate);

// Layout flags of FormatPersonName.
enum TQbSwNameFlags : unsigned {
  kNamePrefixLastFirst = 0x01,  // "P L" sep "F G" (the default order)
  kNameFirstLast = 0x02,        // "F G" sep "P L"
  kNameLastGivenFirstPrefix = 0x04,  // "L G" sep "F P"
  kNameLastPrefixFirst = 0x08,  // "L P" sep "F G"
  kNameUpperLast = 0x10,        // upper-case last name (and, with 0x01, the prefix)
  kNameComma = 0x20,            // ", " between the halves instead of " "
  kNameInitial = 0x80,          // first name as its initial "J.", second given name dropped
  kNameShortPrefix = 0x100,     // "van den " -> "vd ", "op den " -> "od "
};

// "VAN DEN BERG, Jan" for flags 0x30. The halves are joined by the separator only when both hold
// text; the result is trimmed and runs of blanks are folded to one.
std::string FormatPersonName(std::string_view firstName, std::string_view secondName, std::string_view namePrefix,
                             std::string_view lastName, unsigned flags);

// Outdated nation codes replaced by today's ("CZ" -> "CZE", "YUG" -> "SRB"); any other text is
// returned as it is.
std::string NormalizeNationCode(std::string_view code);

}  // namespace qbsw
