#include "swim/qbsw_codes.h"

#include <array>
#include <vector>

#include "swim/qbsw_unicode.h"

namespace qbsw {

namespace {

const std::vector<std::string_view>& Codes(TQbSwCodeList list) {
  static const std::array<std::vector<std::string_view>, 11> kCodes = {{
      {"", "LCM", "SCM", "SCY", "SCM33", "SCM16", "SCM20", "OPEN"},
      {"", "M", "F", "X"},
      {"", "FREE", "BACK", "BREAST", "FLY", "MEDLEY"},
      {"", "KICK", "START", "TURN"},
      {"", "TIM", "PRE", "SOP", "QUA", "SOQ", "SEM", "SOS", "FHT", "FIN", "CEREMONY", "BREAK"},
      {"", "EXH", "DSQ", "DNS", "DNF", "DSQ", "WDR", "SUI.DSQ10", "SUI.DSQ20", "SUI.RED10", "SUI.RED20",
       "SUI.RED60", "SICK"},
      {"", "AUTOMATIC", "MANUAL3", "MANUAL1"},
      {"", "CLUB", "", "", "REGIONALTEAM", "", "NATIONALTEAM", "", "", "UNATTACHED"},
      {"", "FINA_POINTS", "LCM_AS_SCM"},
      {"", "CLUB", "INDIVIDUAL", "BOTH"},
      {"YEAR", "DATE", "POR", "CAN.FNQ", "LUX"},
  }};
  return kCodes[static_cast<size_t>(list)];
}

}  // namespace

int CodeListSize(TQbSwCodeList list) { return static_cast<int>(Codes(list).size()); }

std::string_view ExchangeCode(TQbSwCodeList list, int index) {
  const auto& codes = Codes(list);
  return index >= 0 && index < static_cast<int>(codes.size()) ? codes[static_cast<size_t>(index)] : "";
}

int FindExchangeCode(TQbSwCodeList list, std::string_view text, bool anyCase) {
  const auto& codes = Codes(list);
  for (int i = static_cast<int>(codes.size()) - 1; i >= 1; --i) {
    const std::string_view code = codes[static_cast<size_t>(i)];
    if (code.empty()) continue;
    if (anyCase ? EqualsAnyCase(code, text) : code == text) return i;
  }
  return 0;
}

std::string_view CourseShortText(int course) {
  static const std::string_view kTexts[] = {"", "50m", "25m", "25y", "33m", "16m", "20m", "OW"};
  return course >= 1 && course <= 7 ? kTexts[course] : "";
}

std::string_view RoundLetter(int round) {
  static const std::string_view kLetters[] = {"", "T", "P", "X", "Q", "Z", "S", "Y", "A", "F", "M", "B"};
  return round >= 1 && round <= 11 ? kLetters[round] : "";
}

}  // namespace qbsw
