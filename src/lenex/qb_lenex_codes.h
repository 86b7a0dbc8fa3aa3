// The LENEX code tables: enumerated attribute values mapped to small codes (the position in the
// table; 0 = not given). Display names of the codes are value texts of the swim library.
#pragma once

#include <span>
#include <string_view>

namespace lnx {

enum class TQbCodeTable {
  Course,
  Gender,
  AgeDateType,
  ClubType,
  FeeType,
  HeatStatus,
  MeetType,
  QualConversion,
  QualRelayMode,
  ResultStatus,
  EventRound,
  Stroke,
  Technique,
  TimeStandardListType,
  Timing,
};

// The entries of a table by code (position 0 is "" where the table has no real value there).
std::span<const std::string_view> CodeTableEntries(TQbCodeTable table);
// The exchange text of a code, empty when out of range.
std::string_view CodeText(TQbCodeTable table, int code);
// The code of an attribute text by the table's own lookup rule (last position down to the first;
// exact or any case as the table says). Gender, round and stroke texts are read by the wider
// parsers of the swim library; here they use the plain table.
int LookupCode(TQbCodeTable table, std::string_view text);

}  // namespace lnx
