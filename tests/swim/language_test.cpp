#include "swim/qbsw_language.h"

#include <gtest/gtest.h>

#include "swim_test_support.h"

using namespace qbsw;
using swim_test::FreshLanguage;

using LanguageTexts = FreshLanguage;

TEST_F(LanguageTexts, BuiltInEnglishTexts) {
  auto& lang = Lang();
  EXPECT_EQ(lang.CourseName(0), "All");
  EXPECT_EQ(lang.CourseName(2), "Short Course (25m)");
  EXPECT_EQ(lang.CourseName(4), "");
  EXPECT_EQ(lang.CourseName(7), "Open Water");
  EXPECT_EQ(lang.CourseName(8), "");
  EXPECT_EQ(CourseShortText(3), "25y");
  EXPECT_EQ(CourseShortText(7), "OW");
  EXPECT_EQ(RoundLetter(8), "A");
  EXPECT_EQ(lang.RoundName(9), "Final");
  EXPECT_EQ(lang.RoundName(12), "");
  EXPECT_EQ(lang.StrokeCode(3), "Br");
  EXPECT_EQ(lang.StrokeName(4), "Fly");
  EXPECT_EQ(lang.ListItem(TQbSwTextList::ClubTypeNames, 9), "Unattached");
  EXPECT_EQ(lang.ListItem(TQbSwTextList::QualRelayModeNames, 3), "Best relay result or with ind. results of swimmers");
  EXPECT_EQ(lang.AgeCalcTypeName(4), "LUX: Only year of birth, calculated with beginning of season (Sep 16)");
  EXPECT_EQ(lang.AgeCalcTypeName(5), "");
  EXPECT_EQ(ExchangeCode(TQbSwCodeList::ClubType, 6), "NATIONALTEAM");
  EXPECT_EQ(ExchangeCode(TQbSwCodeList::AgeCalc, 0), "YEAR");
}

TEST_F(LanguageTexts, GenderNameUsesYoungFormUpToTheAgeLimit) {
  struct Case {
    int gender, age;
    const char* text;
  } cases[] = {{1, 17, "Boys"}, {1, 18, "Boys"}, {1, 19, "Men"},   {2, 16, "Girls"}, {2, 17, "Women"},
               {1, 0, "Men"},   {2, -1, "Women"}, {3, 10, "Mixed"}, {0, 10, "All"},   {4, 10, ""}};
  for (const auto& c : cases) EXPECT_EQ(Lang().GenderName(c.gender, c.age), c.text) << c.gender << "/" << c.age;
}

TEST_F(LanguageTexts, ResultStatusTextsAndPlaces) {
  auto& lang = Lang();
  EXPECT_EQ(lang.ResultStatusText(2), "DSQ");
  EXPECT_EQ(lang.ResultStatusText(90), "DOP");
  EXPECT_EQ(lang.ResultStatusText(101), "SP.");
  EXPECT_EQ(lang.ResultStatusText(102), "RL.");
  EXPECT_NE(lang.ResultStatusText(99), "");
  for (int code : {0, 13, 50, 98, 103, -1}) EXPECT_EQ(lang.ResultStatusText(code), "") << code;
  EXPECT_EQ(lang.PlaceText(0, 3), "3.");
  EXPECT_EQ(lang.PlaceText(3, 3), "DNS");
  EXPECT_EQ(lang.PlaceText(0, 0), "");
}

TEST_F(LanguageTexts, SourceReplacesItemsAndMissingKeysKeepEnglish) {
  auto source = Install({{"#QbSwLanguage.GenderNames", "Alle;Männer;Frauen"},
                         {"#QbSwLanguage.CourseNameOpenWater", "Freiwasser"},
                         {"#QbSwLanguage.AgeCalcTypeName1", "Stichtag"},
                         {"#QbSwLanguage.ResultStatusCode3", "n.a."},
                         {"#QbSwLanguage.ResultStatusCode99", "abgelehnt"}});
  auto& lang = Lang();
  EXPECT_EQ(lang.GenderName(1), "Männer");
  EXPECT_EQ(lang.GenderName(3), "Mixed");  // item beyond the translated text
  EXPECT_EQ(lang.GenderName(1, 12), "Boys");  // list not in the source
  EXPECT_EQ(lang.CourseName(7), "Freiwasser");
  EXPECT_EQ(lang.AgeCalcTypeName(1), "Stichtag");
  EXPECT_EQ(lang.ResultStatusText(3), "n.a.");
  EXPECT_EQ(lang.ResultStatusText(99), "abgelehnt");
  EXPECT_EQ(lang.RoundName(9), "Final");

  // A change of language: a key the new language lacks falls back to English, not to the old text.
  source->texts = {{"#QbSwLanguage.RoundNames", ";Zeitendlauf;Vorlauf"}};
  lang.Reload();
  EXPECT_EQ(lang.RoundName(2), "Vorlauf");
  EXPECT_EQ(lang.GenderName(1), "Men");
  EXPECT_EQ(lang.CourseName(7), "Open Water");

  TQbSwLanguage::ResetInstance();
  EXPECT_EQ(Lang().RoundName(2), "Prelim");
}
