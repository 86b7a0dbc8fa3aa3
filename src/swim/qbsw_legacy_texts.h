// Texts of the older document model (the converters' meet tree and its document view): the
// status words of its CODE attribute, gender names and letters, and team names. The converter
// path loads them from the screen language (SetLegacyTexts); until then the English texts apply.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qbsw {

struct TQbSwLegacyTexts {
  std::vector<std::string> genderNames{"Men", "Women", "mixed"};  // index 0..2
  std::vector<std::string> genderLetters{"M", "W", "X"};          // index 0..2
  // An empty item 0, then codes 1..13; code 99 shows item 13.
  std::vector<std::string> statusList{"",          "EX",      "DQ",      "DNS",     "DNF",
                                      "DQ sport.", "DNS. no r.", "DQ 10%", "DQ 20%", "red.10%",
                                      "red.20%",   "red.60%", "sick",    "RJC"};
  std::string teamFormat = "%d. team";

  // Builds the texts from ";"-separated lists as the language files hold them; a missing or
  // empty text keeps the English one, a list with fewer items keeps the English rest.
  static TQbSwLegacyTexts FromLanguageTexts(std::string_view genderNames, std::string_view genderLetters,
                                            std::string_view statusList, std::string_view teamFormat);
};

// "EX" 1, "DQ"/"DSQ" 2, "DNS" 3, "DNF" 4, "DQFULL" 5, "WDR" 6, "DQ10" 7, "DQ20" 8, "SUI.RED10" 9,
// "SUI.RED20" 10, "SUI.RED60" 11 (any case); anything else 0.
int LegacyStatusFromText(std::string_view text);
// The display text of a legacy status code (1..13 and 99); empty for any other code.
std::string StatusText(int status);
// Gender index 0..2: "Men", "Women", "mixed"; empty for other indexes.
std::string GenderText(int gender);
// Gender index 0..2: "M", "W", "X"; empty for other indexes.
std::string GenderLetter(int gender);
// "3. team", with a gender index of 0 or more followed by ", " and GenderText.
std::string TeamText(int team, int gender);

}  // namespace qbsw
