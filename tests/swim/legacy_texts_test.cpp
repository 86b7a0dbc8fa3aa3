#include "swim/qbsw_legacy_texts.h"

#include <gtest/gtest.h>

#include "swim_test_support.h"

using namespace qbsw;
using swim_test::FreshLanguage;

using LegacyTexts = FreshLanguage;

TEST_F(LegacyTexts, StatusWordsAndTexts) {
  const std::pair<const char*, int> words[] = {
      {"ex", 1},      {"DQ", 2},       {"dsq", 2},        {"DNS", 3}, {"DNF", 4},  {"DQFULL", 5}, {"WDR", 6},
      {"DQ10", 7},    {"DQ20", 8},     {"SUI.RED10", 9},  {"sui.red60", 11}, {"SICK", 0}, {"", 0}};
  for (const auto& [word, code] : words) EXPECT_EQ(LegacyStatusFromText(word), code) << word;
  const std::pair<int, const char*> texts[] = {{1, "EX"},   {2, "DQ"},  {5, "DQ sport."}, {12, "sick"},
                                               {13, "RJC"}, {99, "RJC"}, {0, ""},         {14, ""}, {-1, ""}};
  for (const auto& [code, text] : texts) EXPECT_EQ(StatusText(code), text) << code;
}

TEST_F(LegacyTexts, GenderAndTeamTexts) {
  EXPECT_EQ(GenderText(0), "Men");
  EXPECT_EQ(GenderText(2), "mixed");
  EXPECT_EQ(GenderText(3), "");
  EXPECT_EQ(GenderLetter(1), "W");
  EXPECT_EQ(GenderLetter(-1), "");
  EXPECT_EQ(TeamText(3, -1), "3. team");
  EXPECT_EQ(TeamText(2, 1), "2. team, Women");
}

TEST_F(LegacyTexts, TextsFromTheLanguage) {
  Lang().SetLegacyTexts(TQbSwLegacyTexts::FromLanguageTexts("Herren;Damen;gemischt", "", ";AK;DQ", "%d. Mannschaft"));
  EXPECT_EQ(GenderText(1), "Damen");
  EXPECT_EQ(GenderLetter(1), "W");
  EXPECT_EQ(StatusText(1), "AK");
  EXPECT_EQ(StatusText(3), "DNS");
  EXPECT_EQ(TeamText(1, 0), "1. Mannschaft, Herren");
  // A translated format with other "%" sequences is filled, never handed to printf.
  Lang().SetLegacyTexts(TQbSwLegacyTexts::FromLanguageTexts("", "", "", "%s%n team %d"));
  EXPECT_EQ(TeamText(4, -1), "%s%n team 4");
}
