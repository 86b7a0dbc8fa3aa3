#include "lenex/qb_lenex_codes.h"

#include <array>

#include "base/qb_strings.h"

namespace lnx {

namespace {

constexpr std::string_view kCourse[] = {"", "LCM", "SCM", "SCY", "SCM33", "SCM16", "SCM20", "OPEN"};
constexpr std::string_view kGender[] = {"", "M", "F", "X"};
constexpr std::string_view kAgeDateType[] = {"YEAR", "DATE", "POR", "CAN.FNQ", "LUX"};
constexpr std::string_view kClubType[] = {"", "CLUB", "", "", "REGIONALTEAM", "", "NATIONALTEAM", "", "", "UNATTACHED"};
constexpr std::string_view kFeeType[] = {"CLUB", "ATHLETE", "RELAY", "TEAM"};
constexpr std::string_view kHeatStatus[] = {"", "SEEDED", "INOFFICIAL", "OFFICIAL"};
constexpr std::string_view kMeetType[] = {"", "SUI.OPEN", "SUI.JUNIOR", "SUI.KIDSLIGA"};
constexpr std::string_view kQualConversion[] = {"", "FINA_POINTS", "LCM_AS_SCM"};
constexpr std::string_view kQualRelayMode[] = {"", "CLUB", "INDIVIDUAL", "BOTH"};
constexpr std::string_view kResultStatus[] = {"",          "EXH",       "DSQ",       "DNS",       "DNF",
                                              "DSQ",       "WDR",       "SUI.DSQ10", "SUI.DSQ20", "SUI.RED10",
                                              "SUI.RED20", "SUI.RED60", "SICK"};
constexpr std::string_view kEventRound[] = {"",    "TIM", "PRE", "SOP", "QUA",      "SOQ",
                                            "SEM", "SOS", "FHT", "FIN", "CEREMONY", "BREAK"};
constexpr std::string_view kStroke[] = {"", "FREE", "BACK", "BREAST", "FLY", "MEDLEY"};
constexpr std::string_view kTechnique[] = {"", "KICK", "START", "TURN"};
constexpr std::string_view kTimeStandardListType[] = {"MAXIMUM", "MINIMUM", "DEFAULT", "LEVEL"};
constexpr std::string_view kTiming[] = {"", "AUTOMATIC", "MANUAL3", "MANUAL1"};

struct TableRule {
  std::span<const std::string_view> entries;
  bool anyCase;
  int lowest;  // the lowest position the lookup tests
};

TableRule Rule(TQbCodeTable table) {
  switch (table) {
    case TQbCodeTable::Course: return {kCourse, false, 1};
    case TQbCodeTable::Gender: return {kGender, false, 1};
    case TQbCodeTable::AgeDateType: return {kAgeDateType, true, 1};
    case TQbCodeTable::ClubType: return {kClubType, false, 1};
    case TQbCodeTable::FeeType: return {kFeeType, false, 1};
    case TQbCodeTable::HeatStatus: return {kHeatStatus, true, 1};
    case TQbCodeTable::MeetType: return {kMeetType, true, 1};
    case TQbCodeTable::QualConversion: return {kQualConversion, true, 1};
    case TQbCodeTable::QualRelayMode: return {kQualRelayMode, true, 1};
    case TQbCodeTable::ResultStatus: return {kResultStatus, false, 1};
    case TQbCodeTable::EventRound: return {kEventRound, false, 1};
    case TQbCodeTable::Stroke: return {kStroke, false, 1};
    case TQbCodeTable::Technique: return {kTechnique, false, 1};
    case TQbCodeTable::TimeStandardListType: return {kTimeStandardListType, true, 0};
    case TQbCodeTable::Timing: return {kTiming, false, 1};
  }
  return {kCourse, false, 1};
}

}  // namespace

std::span<const std::string_view> CodeTableEntries(TQbCodeTable table) { return Rule(table).entries; }

std::string_view CodeText(TQbCodeTable table, int code) {
  auto entries = Rule(table).entries;
  return code >= 0 && code < static_cast<int>(entries.size()) ? entries[static_cast<size_t>(code)]
                                                               : std::string_view();
}

int LookupCode(TQbCodeTable table, std::string_view text) {
  // "DSQ" appears twice in the status table; it is tested first and always gives 2.
  if (table == TQbCodeTable::ResultStatus && text == "DSQ") return 2;
  TableRule rule = Rule(table);
  for (int i = static_cast<int>(rule.entries.size()) - 1; i >= rule.lowest; --i) {
    std::string_view entry = rule.entries[static_cast<size_t>(i)];
    if (entry.empty()) continue;
    if (rule.anyCase ? qb::EqualsNoCaseAscii(entry, text) : entry == text) return i;
  }
  return 0;
}

}  // namespace lnx
