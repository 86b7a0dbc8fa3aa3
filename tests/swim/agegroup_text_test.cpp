#include <gtest/gtest.h>

#include "swim/qbsw_age_range.h"
#include "swim/qbsw_language.h"
#include "swim_test_support.h"

using namespace qbsw;
using swim_test::FreshLanguage;

using AgeGroupTexts = FreshLanguage;

TEST_F(AgeGroupTexts, ShortAndLongByAgeAndByYearOfBirth) {
  struct Case {
    int min, max, year;
    const char* shortText;
    const char* longText;
  } cases[] = {
      {10, 12, 0, "10 - 12", "10 - 12 years"},
      {10, 12, 2009, "1997 - 1999", "YOB 1997 - 1999"},
      {0, 10, 0, "- 10", "10 years and younger"},
      {0, 10, 2009, "1999 +", "1999 and younger"},
      {10, 0, 0, "10 +", "10 years and older"},
      {10, 0, 2009, "- 1999", "1999 and older"},
      {12, 12, 0, "12", "12 years"},
      {12, 12, 2009, "1997", "YOB 1997"},
      {0, 0, 0, "Open", "Open"},
      {0, 0, 2009, "Open", "Open"},
      {120, 159, 2009, "120 - 159", "AG 120 - 159"},  // relay totals always by age
      {72, 99, 0, "72 - 99", "AG 72 - 99"},
      {160, 0, 0, "160 +", "AG 160 and older"},
  };
  for (const auto& c : cases) {
    const TQbSwAgeRange range(c.min, c.max);
    EXPECT_EQ(Lang().ShortAgeGroupText(range, 0, c.year), c.shortText) << range.GetKey() << " " << c.year;
    EXPECT_EQ(Lang().LongAgeGroupText(range, 0, c.year), c.longText) << range.GetKey() << " " << c.year;
  }
  EXPECT_EQ(Lang().ShortAgeGroupText(TQbSwAgeRange(), 1, 0), "");
}

TEST_F(AgeGroupTexts, OverridesByGenderAndBounds) {
  EXPECT_EQ(TQbSwLanguage::AgeGroupOverrideKey(1, 10, 12), "M;10;12");
  EXPECT_EQ(TQbSwLanguage::AgeGroupOverrideKey(0, -1, 10), ";-1;10");
  Lang().SetAgeGroupOverride(false, "M;10;12", "Jugend B");
  const TQbSwAgeRange range(10, 12);
  EXPECT_EQ(Lang().ShortAgeGroupText(range, 1, 0), "Jugend B");
  EXPECT_EQ(Lang().ShortAgeGroupText(range, 2, 0), "10 - 12");
  EXPECT_EQ(Lang().LongAgeGroupText(range, 1, 0), "10 - 12 years");
  Lang().ClearAgeGroupOverrides();
  EXPECT_EQ(Lang().ShortAgeGroupText(range, 1, 0), "10 - 12");
}

TEST_F(AgeGroupTexts, TranslatedFormatsAreFilledSafely) {
  Install({{"#QbSwLanguage.Agegroups", "Offen;%d Jahre;bis %d Jahre;%s ab %n %d;%d - %d Jahre"},
           {"#QbSwLanguage.YOBs", "Offen;Jg. %d"}});
  EXPECT_EQ(Lang().LongAgeGroupText(TQbSwAgeRange(10, 0), 0, 0), "%s ab %n 10");
  EXPECT_EQ(Lang().LongAgeGroupText(TQbSwAgeRange(0, 0), 0, 2009), "Offen");
  EXPECT_EQ(Lang().LongAgeGroupText(TQbSwAgeRange(12, 12), 0, 2009), "Jg. 1997");
  EXPECT_EQ(Lang().LongAgeGroupText(TQbSwAgeRange(10, 12), 0, 2009), "YOB 1997 - 1999");  // item kept in English
}
