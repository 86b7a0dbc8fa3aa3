#include "frame/language/language_table.h"

#include <array>

#include "base/qb_strings.h"

namespace frame {

namespace {

struct LanguageRow {
  const char* code;
  const char* name;
};

constexpr std::array<LanguageRow, kLanguageIdCount> kLanguages{{
    {"xx", "None"},           {"ch", "German Swiss"},   {"de", "German"},         {"fr", "French"},
    {"us", "English"},        {"it", "Italian"},        {"nl", "Dutch"},          {"es", "Spanish"},
    {"ru", "Russian"},        {"dk", "Danish"},         {"pl", "Polish"},         {"pt", "Portuguese"},
    {"fi", "Finnish"},        {"is", "Icelandic"},      {"se", "Swedish"},        {"no", "Norwegian"},
    {"at", "German Austria"}, {"ca", "French Canada"},  {"hu", "Hungarian"},      {"cz", "Czech"},
    {"si", "Slovenian"},      {"hr", "Croatian"},       {"tr", "Turkish"},        {"mx", "Spanish Mexican"},
    {"uk", "English UK"},     {"ua", "Ukrainian"},      {"rs", "Serbian"},
}};

// ISO 639 language (and, for some, ISO 3166 territory) to language id.
struct LocaleRow {
  const char* language;
  const char* territory;  // nullptr: any territory
  int id;
};

constexpr LocaleRow kLocales[] = {
    {"cs", nullptr, 19}, {"da", nullptr, 9},  {"de", "CH", 1},    {"de", "AT", 16},
    {"de", nullptr, 2},  {"en", "GB", 24},    {"en", nullptr, 4}, {"es", "MX", 23},   {"es", nullptr, 7},
    {"fi", nullptr, 12}, {"fr", "CA", 17},    {"fr", nullptr, 3}, {"hu", nullptr, 18}, {"is", nullptr, 13},
    {"it", nullptr, 5},  {"nl", nullptr, 6},  {"nb", nullptr, 15}, {"nn", nullptr, 15}, {"no", nullptr, 15},
    {"pl", nullptr, 10}, {"pt", nullptr, 11}, {"ru", nullptr, 8}, {"sr", nullptr, 26}, {"hr", nullptr, 21},
    {"bs", nullptr, 21}, {"sv", nullptr, 14}, {"tr", nullptr, 22}, {"sl", nullptr, 20},
};

}  // namespace

bool IsLanguageId(int id) { return id >= 0 && id < kLanguageIdCount; }

std::string_view LanguageCodeOfId(int id) { return IsLanguageId(id) ? kLanguages[id].code : kLanguages[0].code; }

std::string_view LanguageNameOfId(int id) { return IsLanguageId(id) ? kLanguages[id].name : kLanguages[0].name; }

int LanguageIdOfCode(std::string_view code) {
  for (int id = 0; id < kLanguageIdCount; ++id)
    if (qb::EqualsNoCaseAscii(code, kLanguages[id].code)) return id;
  return -1;
}

int LanguageIndexOfId(int id) { return (id >= 1 && id <= 25) ? id - 1 : kNoLanguageIndex; }

int LanguageIdOfIndex(int index) { return (index >= 0 && index <= 24) ? index + 1 : kLanguageNone; }

std::string_view LanguageCodeOfIndex(int index) { return LanguageCodeOfId(LanguageIdOfIndex(index)); }

int FallbackLanguage(int id) {
  switch (id) {
    case kLanguageGerman:
    case kLanguageFrench:
      return kLanguageGermanSwiss;
    case kLanguageEnglish:
      return kLanguageNone;
    case kLanguageGermanAustria:
      return kLanguageGerman;
    case kLanguageFrenchCanada:
      return kLanguageFrench;
    case kLanguageSpanishMexico:
      return kLanguageSpanish;
    default:
      return kLanguageEnglish;
  }
}

int LanguageIdOfLocale(std::string_view locale) {
  // language[_territory][.codeset][@modifier]
  std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  size_t sep = name.find_first_of("_-");
  std::string language = qb::ToLowerAscii(name.substr(0, sep));
  std::string territory = sep == std::string_view::npos ? std::string() : qb::ToUpperAscii(name.substr(sep + 1));
  for (const LocaleRow& row : kLocales) {
    if (language != row.language) continue;
    if (row.territory == nullptr || territory == row.territory) return row.id;
  }
  return kLanguageEnglish;
}

}  // namespace frame
