// Reading codes from the texts that result files and users write: "25", "Fem", "IM", "FI", ...
// Every comparison ignores case (Unicode-aware: translated names may be in any script).
#include "base/qb_strings.h"
#include "swim/qbsw_language.h"
#include "swim/qbsw_unicode.h"

namespace qbsw {

namespace {

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> words) {
  for (std::string_view word : words)
    if (EqualsAnyCase(text, word)) return true;
  return false;
}

// A translated item matches only when it has a text: a list with a missing item must not make
// an empty input match.
bool MatchesItem(std::string_view text, std::string_view item) { return !item.empty() && EqualsAnyCase(text, item); }

}  // namespace

int TQbSwLanguage::CourseFromText(std::string_view text) const {
  if (IsOneOf(text, {"25", "S"})) return kCourseScm;
  if (IsOneOf(text, {"Y"})) return kCourseScy;
  if (IsOneOf(text, {"50", "L"})) return kCourseLcm;
  for (int i = kCourseOpen; i >= 1; --i)
    if (MatchesItem(text, CourseShortText(i)) || MatchesItem(text, ExchangeCode(TQbSwCodeList::Course, i))) return i;
  return 0;
}

TQbSwCodeSet TQbSwLanguage::CourseSetFromText(std::string_view text) const {
  TQbSwCodeSet set = 0;
  for (const std::string& item : qb::Split(text, ',')) {
    const std::string_view trimmed = qb::TrimView(item);
    if (!trimmed.empty()) set = CodeSetWith(set, CourseFromText(trimmed));
  }
  return set;
}

int TQbSwLanguage::GenderFromText(std::string_view text) const {
  int number = 0;
  if (qb::TryParseInt(text, number) && number >= 1 && number <= 3) return number;
  if (IsOneOf(text, {"W", "Female", "V", "Fem", "D"})) return kGenderFemale;
  if (IsOneOf(text, {"H", "Male"})) return kGenderMale;
  for (int i = kGenderMixed; i >= 1; --i) {
    if (MatchesItem(text, ListItem(TQbSwTextList::GenderNames, i)) ||
        MatchesItem(text, ListItem(TQbSwTextList::GenderCodes, i)) ||
        MatchesItem(text, ExchangeCode(TQbSwCodeList::Gender, i)))
      return i;
  }
  return 0;
}

int TQbSwLanguage::StrokeFromText(std::string_view text) const {
  if (IsOneOf(text, {"IM", "I.M."})) return kStrokeMedley;
  if (IsOneOf(text, {"BA"})) return kStrokeBack;
  for (int i = kStrokeMedley; i >= 1; --i) {
    if (MatchesItem(text, ListItem(TQbSwTextList::StrokeCodes, i)) ||
        MatchesItem(text, ExchangeCode(TQbSwCodeList::Stroke, i)))
      return i;
  }
  const std::string upper = UpperCase(text);
  auto has = [&upper](std::string_view part) { return upper.find(part) != std::string::npos; };
  if (has("MEDLEY") || has("IND MED")) return kStrokeMedley;
  if (has("BREAST") || has("BRST")) return kStrokeBreast;
  if (has("BACK")) return kStrokeBack;
  if (has("FLY")) return kStrokeFly;
  if (has("FREE")) return kStrokeFree;
  return 0;
}

int TQbSwLanguage::RoundFromText(std::string_view text) const {
  if (text.empty()) return 0;
  const std::string upper = UpperCase(text);
  if (std::string_view("FINAL").substr(0, upper.size()) == upper) return kRoundFin;
  if (qb::StartsWith(upper, "SEMI")) return kRoundSem;
  if (upper == "HEAT" || qb::StartsWith(upper, "PRELIM") || qb::StartsWith(upper, "SERIES")) return kRoundPre;
  for (int i = kRoundBreak; i >= 1; --i)
    if (MatchesItem(text, ExchangeCode(TQbSwCodeList::Round, i)) || MatchesItem(text, RoundLetter(i))) return i;
  return 0;
}

int TQbSwLanguage::TechniqueFromText(std::string_view text) const {
  return FindExchangeCode(TQbSwCodeList::Technique, text, true);
}

int TQbSwLanguage::StatusFromText(std::string_view text) const {
  if (text == "DSQ") return 2;
  return FindExchangeCode(TQbSwCodeList::ResultStatus, text, false);
}

}  // namespace qbsw
