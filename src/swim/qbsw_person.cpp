#include "swim/qbsw_person.h"

#include "base/qb_strings.h"
#include "swim/qbsw_codes.h"
#include "swim/qbsw_format.h"
#include "swim/qbsw_unicode.h"

namespace qbsw {

int AgeAtDate(int ageCalcType, qb::TDateTime meetDate, qb::TDateTime birthDate) {
  if (birthDate == 0) return 99;
  const qb::DateParts meet = qb::DecodeDate(meetDate);
  const qb::DateParts birth = qb::DecodeDate(birthDate);
  // Month and day compared as one number mmdd, which orders like the text "mm.dd".
  const int meetDay = meet.month * 100 + meet.day;
  const int birthDay = birth.month * 100 + birth.day;
  int age = meet.year - birth.year;
  switch (ageCalcType) {
    case kAgeCalcDate:
      if (birthDay > meetDay) --age;
      break;
    case kAgeCalcPor:
      if (meetDay > 930) ++age;
      break;
    case kAgeCalcCanFnq:
      if (meet.month < 9) --age;
      break;
    case kAgeCalcLux:
      if (meetDay <= 915) --age;
      break;
    default:
      break;
  }
  return age;
}

namespace {

// Case-insensitive replacement of an ASCII word group.
std::string ReplaceNoCase(const std::string& text, std::string_view from, std::string_view to) {
  std::string result;
  size_t pos = 0;
  while (pos < text.size()) {
    if (qb::StartsWithNoCaseAscii(std::string_view(text).substr(pos), from)) {
      result += to;
      pos += from.size();
    } else {
      result += text[pos++];
    }
  }
  return result;
}

std::string ShortPrefix(std::string_view prefix) {
  // The prefix is followed by the last name, so a bare "van den" is shortened as well.
  std::string text = std::string(prefix) + " ";
  for (std::string_view from : {"van den ", "van der ", "van de "}) text = ReplaceNoCase(text, from, "vd ");
  text = ReplaceNoCase(text, "op den ", "od ");
  return text.substr(0, text.size() - 1);
}

std::string Join(std::string_view a, std::string_view b) { return std::string(a) + " " + std::string(b); }


}  // namespace

std::string FormatPersonName(std::string_view firstName, std::string_view secondName, std::string_view namePrefix,
                             std::string_view lastName, unsigned flags) {
  std::string f(firstName), g(secondName), p(namePrefix), l(lastName);
  if (flags & kNameInitial) {
    const std::string initial = FirstCharacter(qb::TrimView(f));
    f = initial.empty() ? "" : initial + ".";
    g.clear();
  }
  if (flags & kNameShortPrefix) p = ShortPrefix(p);
  if ((flags & 0x0F) == 0) flags |= kNamePrefixLastFirst;
  if (flags & kNameUpperLast) {
    l = UpperCase(l);
    if (flags & kNamePrefixLastFirst) p = UpperCase(p);
  }
  std::string first, second;
  if (flags & kNameFirstLast) {
    first = Join(f, g), second = Join(p, l);
  } else if (flags & kNameLastPrefixFirst) {
    first = Join(l, p), second = Join(f, g);
  } else if (flags & kNameLastGivenFirstPrefix) {
    first = Join(l, g), second = Join(f, p);
  } else {
    first = Join(p, l), second = Join(f, g);
  }
  first = qb::Trim(first);
  second = qb::Trim(second);
  const std::string separator = (flags & kNameComma) ? ", " : " ";
  if (first.empty() || second.empty()) return FoldRepeats(first + second, ' ');
  return FoldRepeats(first + separator + second, ' ');
}

std::string NormalizeNationCode(std::string_view code) {
  static const std::pair<std::string_view, std::string_view> kRenamed[] = {
      {"CZ", "CZE"}, {"CH", "SUI"}, {"MGO", "MNE"}, {"PL", "POL"}, {"ROM", "ROU"}, {"YUG", "SRB"}, {"SCG", "SRB"}};
  for (const auto& [old, current] : kRenamed)
    if (qb::EqualsNoCaseAscii(code, old)) return std::string(current);
  return std::string(code);
}

}  // namespace qbsw
