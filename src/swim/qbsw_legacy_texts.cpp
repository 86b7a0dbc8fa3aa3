#include "swim/qbsw_legacy_texts.h"

#include "swim/qbsw_format.h"
#include "swim/qbsw_language.h"
#include "swim/qbsw_unicode.h"

namespace qbsw {

TQbSwLegacyTexts TQbSwLegacyTexts::FromLanguageTexts(std::string_view genderNames, std::string_view genderLetters,
                                                     std::string_view statusList, std::string_view teamFormat) {
  TQbSwLegacyTexts texts;
  ReplaceItems(genderNames, texts.genderNames);
  ReplaceItems(genderLetters, texts.genderLetters);
  ReplaceItems(statusList, texts.statusList);
  if (!teamFormat.empty()) texts.teamFormat = std::string(teamFormat);
  return texts;
}

int LegacyStatusFromText(std::string_view text) {
  static const std::pair<std::string_view, int> kWords[] = {
      {"EX", 1},     {"DQ", 2},   {"DSQ", 2},  {"DNS", 3},        {"DNF", 4},        {"DQFULL", 5},
      {"WDR", 6},    {"DQ10", 7}, {"DQ20", 8}, {"SUI.RED10", 9}, {"SUI.RED20", 10}, {"SUI.RED60", 11}};
  for (const auto& [word, code] : kWords)
    if (EqualsAnyCase(text, word)) return code;
  return 0;
}

std::string StatusText(int status) {
  const auto& list = TQbSwLanguage::Instance().LegacyTexts().statusList;
  if (status == 99) return ItemAt(list, 13);
  return status >= 1 && status <= 13 ? ItemAt(list, status) : "";
}

std::string GenderText(int gender) { return ItemAt(TQbSwLanguage::Instance().LegacyTexts().genderNames, gender); }

std::string GenderLetter(int gender) { return ItemAt(TQbSwLanguage::Instance().LegacyTexts().genderLetters, gender); }

std::string TeamText(int team, int gender) {
  std::string text = FormatInts(TQbSwLanguage::Instance().LegacyTexts().teamFormat, {team});
  if (gender >= 0) text += ", " + GenderText(gender);
  return text;
}

}  // namespace qbsw
