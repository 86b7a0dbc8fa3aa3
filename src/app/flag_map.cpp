#include "app/flag_map.h"

#include "base/qb_strings.h"

namespace app {

const std::vector<std::string>& FlagCodes() {
  static const std::vector<std::string> codes = qb::Split(
      "SUI;GER;AUT;BEL;BUL;DEN;ESP;EST;FIN;FRA;GBR;GRE;HUN;IRL;ISL;ISR;ITA;LAT;LIE;LTU;LUX;MKD;MON;NED;NOR;"
      "POL;POR;ROM;RUS;SLO;SVK;SWE;TUR;UKR;YUG;SUI_BUEL;SUI_LN;SUI_RFN;SUI_RN;SUI_SCBU;SUI_SCU;SUI_SKBE",
      ';');
  return codes;
}

void TFlagMap::Add(std::string_view code, int imageIndex) {
  entries_.push_back(qb::Format("%.*s=%d", static_cast<int>(code.size()), code.data(), imageIndex));
}

int TFlagMap::IndexOf(std::string_view code) const {
  for (const std::string& entry : entries_) {
    size_t eq = entry.rfind('=');
    if (eq != std::string::npos && std::string_view(entry).substr(0, eq) == code) {
      int index = -1;
      return qb::TryParseInt(std::string_view(entry).substr(eq + 1), index) ? index : -1;
    }
  }
  return -1;
}

}  // namespace app
