#include <gtest/gtest.h>

#include "lenex/qb_lenex_codes.h"

using namespace lnx;

TEST(LenexCodes, LookupRulesPerTable) {
  struct Case {
    TQbCodeTable table;
    const char* text;
    int code;
  } cases[] = {
      {TQbCodeTable::Course, "SCM", 2},           {TQbCodeTable::Course, "scm", 0},
      {TQbCodeTable::ResultStatus, "DSQ", 2},     {TQbCodeTable::ResultStatus, "SICK", 12},
      {TQbCodeTable::ResultStatus, "dns", 0},     {TQbCodeTable::AgeDateType, "por", 2},
      {TQbCodeTable::AgeDateType, "YEAR", 0},     {TQbCodeTable::HeatStatus, "official", 3},
      {TQbCodeTable::ClubType, "NATIONALTEAM", 6}, {TQbCodeTable::ClubType, "", 0},
      {TQbCodeTable::TimeStandardListType, "maximum", 0}, {TQbCodeTable::TimeStandardListType, "LEVEL", 3},
      {TQbCodeTable::Timing, "MANUAL1", 3},       {TQbCodeTable::Technique, "kick", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(LookupCode(c.table, c.text), c.code) << c.text;
  EXPECT_EQ(CodeText(TQbCodeTable::EventRound, 9), "FIN");
  EXPECT_EQ(CodeText(TQbCodeTable::Course, 99), "");
}
