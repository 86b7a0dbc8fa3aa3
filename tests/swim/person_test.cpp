#include "swim/qbsw_person.h"

#include <gtest/gtest.h>

#include "swim/qbsw_codes.h"
#include "swim/qbsw_unicode.h"

using namespace qbsw;
using qb::EncodeDate;

TEST(AgeAtDate, FiveCalculationTypes) {
  const qb::TDateTime born = EncodeDate(2000, 6, 15);
  struct Case {
    int type, year, month, day, age;
  } cases[] = {
      {kAgeCalcYear, 2010, 3, 1, 10},   {kAgeCalcYear, 2010, 12, 31, 10},
      {kAgeCalcDate, 2010, 6, 14, 9},   {kAgeCalcDate, 2010, 6, 15, 10},
      {kAgeCalcPor, 2010, 9, 30, 10},   {kAgeCalcPor, 2010, 10, 1, 11},
      {kAgeCalcCanFnq, 2010, 8, 31, 9}, {kAgeCalcCanFnq, 2010, 9, 1, 10},
      {kAgeCalcLux, 2010, 9, 15, 9},    {kAgeCalcLux, 2010, 9, 16, 10},
      {7, 2010, 1, 1, 10},  // unknown types count by year
  };
  for (const auto& c : cases)
    EXPECT_EQ(AgeAtDate(c.type, EncodeDate(c.year, c.month, c.day), born), c.age)
        << c.type << " " << c.year << "-" << c.month << "-" << c.day;
  EXPECT_EQ(AgeAtDate(kAgeCalcDate, EncodeDate(2010, 1, 1), 0), 99);
}

TEST(PersonName, LayoutFlags) {
  struct Case {
    const char *first, *second, *prefix, *last;
    unsigned flags;
    const char* text;
  } cases[] = {
      {"Jan", "", "van den", "Berg", 0x30, "VAN DEN BERG, Jan"},
      {"Jan", "", "van den", "Berg", 0x130, "VD BERG, Jan"},
      {"Jan", "", "Van Der", "Berg", 0x100, "vd Berg Jan"},
      {"Anna", "", "op den", "Bosch", 0x100, "od Bosch Anna"},
      {"Jan", "", "van den", "Berg", 0, "van den Berg Jan"},
      {"Jan", "Peter", "van den", "Berg", 0x02, "Jan Peter van den Berg"},
      {"Jan", "", "van den", "Berg", 0x28, "Berg van den, Jan"},
      {"Jan", "Peter", "van den", "Berg", 0x04, "Berg Peter Jan van den"},
      {"Jan", "Peter", "", "Berg", 0x82, "J. Berg"},
      {"Émile", "", "", "Noè", 0x92, "É. NOÈ"},
      {"Ива", "", "", "Архипенко", 0x30, "АРХИПЕНКО, Ива"},
      {"Jan", "", "van", "Berg", 0x18, "BERG van Jan"},  // prefix upper-cased only in the default order
      {"", "", "", "Smith", 0x30, "SMITH"},
      {"Jan", "", "", "", 0x20, "Jan"},
      {"  Jan  ", " ", "", "  Berg", 0x02, "Jan Berg"},
      {"Jan", "", "", "Berg", 0x80 | 0x20, "Berg, J."},
      {"", "", "", "Berg", 0x80, "Berg"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatPersonName(c.first, c.second, c.prefix, c.last, c.flags), c.text) << c.text;
}

TEST(NationCode, OutdatedCodesAreReplaced) {
  const std::pair<const char*, const char*> cases[] = {
      {"CZ", "CZE"}, {"ch", "SUI"}, {"MGO", "MNE"}, {"PL", "POL"}, {"Rom", "ROU"},
      {"YUG", "SRB"}, {"SCG", "SRB"}, {"GER", "GER"}, {"ger", "ger"}, {"", ""}};
  for (const auto& [code, normal] : cases) EXPECT_EQ(NormalizeNationCode(code), normal) << code;
}

TEST(Unicode, PlainLettersAndCase) {
  const std::pair<const char*, const char*> plain[] = {
      {"Noè", "Noe"}, {"Müller", "Muller"}, {"Łódź", "Lodz"}, {"Ærø", "AEro"}, {"Архипенко", "Архипенко"},
      {"São Paulo", "Sao Paulo"}, {"", ""}};
  for (const auto& [text, expected] : plain) EXPECT_EQ(PlainLetters(text), expected) << text;
  EXPECT_EQ(UpperCase("straße noè"), "STRASSE NOÈ");
  EXPECT_TRUE(EqualsAnyCase("ÉMILE", "émile"));
  EXPECT_FALSE(EqualsAnyCase("Emile", "Émile"));
  EXPECT_TRUE(StartsWithAnyCase("Semifinal", "SEMI"));
  EXPECT_EQ(FirstCharacter("Élan"), "É");
}
