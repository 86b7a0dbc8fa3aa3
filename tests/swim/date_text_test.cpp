#include "swim/qbsw_date_text.h"

#include <gtest/gtest.h>

#include "swim_test_support.h"

using namespace qbsw;
using qb::EncodeDate;
using swim_test::FreshLanguage;

using DateTexts = FreshLanguage;

TEST_F(DateTexts, FormatTokens) {
  const qb::TDateTime date = EncodeDate(2009, 3, 5);  // a Thursday
  const TQbSwDateNames names;
  struct Case {
    const char* format;
    const char* text;
  } cases[] = {{"d mmmm yyyy", "5 March 2009"}, {"dd.mm.yyyy", "05.03.2009"}, {"ddd, d mmm yy", "Thu, 5 Mar 09"},
               {"dddd", "Thursday"},           {"'day' d", "day 5"},        {"DD/MM/YYYY", "05/03/2009"},
               {"m/d/yyyy", "3/5/2009"}};
  for (const auto& c : cases) EXPECT_EQ(FormatDate(date, c.format, names), c.text) << c.format;
  EXPECT_EQ(DateText(date, true), "5 March 2009");
  EXPECT_EQ(DateText(date, false), "05.03.2009");
}

TEST_F(DateTexts, Ranges) {
  struct Case {
    int y1, m1, d1, y2, m2, d2;
    const char* shortText;
    const char* longText;
  } cases[] = {
      {2009, 3, 12, 2009, 3, 14, "12.-14.03.2009", "12 - 14 March 2009"},
      {2009, 3, 12, 2009, 3, 13, "12./13.03.2009", "12 / 13 March 2009"},
      {2009, 2, 28, 2009, 3, 2, "28.02.-02.03.2009", "28 February - 2 March 2009"},
      {2008, 12, 31, 2009, 1, 2, "31.12.2008-02.01.2009", "31 December 2008 - 2 January 2009"},
      {2009, 3, 12, 2009, 3, 12, "12.03.2009", "12 March 2009"},
      {2009, 3, 14, 2009, 3, 12, "", ""},
  };
  for (const auto& c : cases) {
    const qb::TDateTime first = EncodeDate(c.y1, c.m1, c.d1), last = EncodeDate(c.y2, c.m2, c.d2);
    EXPECT_EQ(DateRangeText(first, last, false), c.shortText) << c.shortText;
    EXPECT_EQ(DateRangeText(first, last, true), c.longText) << c.longText;
  }
  // Two times of the same day are one date.
  EXPECT_EQ(DateRangeText(EncodeDate(2009, 3, 12) + 0.25, EncodeDate(2009, 3, 12) + 0.75, false), "12.03.2009");
}

TEST_F(DateTexts, FormatsAndNamesFromTheLanguage) {
  Install({{"#QB.LongMonthNames", "Januar;Februar;März"},
           {"#QB.LongDateFormat", "d. mmmm yyyy"},
           {"#QB.ShortDateFormat", "yyyy-mm-dd"},
           {"#QB.LongDayNames", "Sonntag;Montag;Dienstag;Mittwoch;Donnerstag"}});
  const qb::TDateTime first = EncodeDate(2009, 3, 12), last = EncodeDate(2009, 3, 14);
  EXPECT_EQ(DateText(first, true), "12. März 2009");
  EXPECT_EQ(DateRangeText(first, last, true), "12. - 14. März 2009");
  EXPECT_EQ(DateRangeText(first, last, false), "12-2009-03-14");
  EXPECT_EQ(FormatDate(first, "dddd", TQbSwLanguage::Instance().DateNames()), "Donnerstag");
  EXPECT_EQ(DateText(EncodeDate(2009, 4, 1), true), "1. April 2009");  // item missing from the list
}
