#include <gtest/gtest.h>

#include "base/date_time.h"
#include "lenex/qb_attribute_forms.h"

using namespace lnx;

TEST(AttributeForms, ReadsEveryFormTotally) {
  EXPECT_EQ(ReadInteger("42"), 42);
  EXPECT_EQ(ReadInteger("4x"), 0);
  EXPECT_EQ(ReadInteger(""), 0);
  EXPECT_EQ(ReadIntegerOrNone(""), kNoValue);
  EXPECT_EQ(ReadIntegerOrNone("+65"), 65);
  EXPECT_EQ(ReadIntegerOrNone("0"), 0);
  EXPECT_DOUBLE_EQ(ReadHundredths("1250"), 12.5);
  EXPECT_DOUBLE_EQ(ReadFloat("3.25"), 3.25);
  EXPECT_DOUBLE_EQ(ReadFloat("3,25"), 0);
  EXPECT_TRUE(ReadBoolean("TRUE"));
  EXPECT_TRUE(ReadBoolean("1"));
  EXPECT_FALSE(ReadBoolean("0"));
  EXPECT_FALSE(ReadBoolean("yes"));
}

TEST(AttributeForms, DatesAndTimesArePositional) {
  EXPECT_DOUBLE_EQ(ReadDate("2024-02-29"), qb::EncodeDate(2024, 2, 29));
  EXPECT_DOUBLE_EQ(ReadDate("2023-02-29"), 0);
  EXPECT_DOUBLE_EQ(ReadDate("2024-2-9"), 0);
  EXPECT_DOUBLE_EQ(ReadTime("08:30"), qb::EncodeTime(8, 30, 0, 0));
  EXPECT_DOUBLE_EQ(ReadTime("8:30"), 0);
  EXPECT_DOUBLE_EQ(ReadTime("08:30:15"), qb::EncodeTime(8, 30, 15, 0));
  EXPECT_DOUBLE_EQ(ReadDateTime("2024-05-13T09:05:00"), qb::EncodeDate(2024, 5, 13) + qb::EncodeTime(9, 5, 0, 0));
}

TEST(AttributeForms, SwimTimes) {
  struct Case {
    const char* text;
    std::int32_t ms;
  } cases[] = {{"NT", kNoSwimTime}, {"nt", kNoSwimTime},     {"", 0},
               {"00:00:00.00", 0},  {"00:01:02.34", 62340}, {"01:00:00.00", 3600000},
               {"xx:00:59.99", 59990}};
  for (const auto& c : cases) EXPECT_EQ(ReadSwimTime(c.text), c.ms) << c.text;
  EXPECT_EQ(WriteSwimTime(62340), "00:01:02.34");
  EXPECT_EQ(WriteSwimTime(kNoSwimTime), "NT");
}

TEST(AttributeForms, WritingRulesAndRemovals) {
  EXPECT_EQ(WriteInteger(0), "");
  EXPECT_EQ(WriteInteger(-3), "-3");
  EXPECT_EQ(WriteIntegerOrNone(kNoValue), "");
  EXPECT_EQ(WriteIntegerOrNone(65), "+65");
  EXPECT_EQ(WriteIntegerOrNone(-12), "-12");
  EXPECT_EQ(WriteIntegerOrNone(0), "0");
  EXPECT_EQ(WriteHundredths(12.345), "1235");
  EXPECT_EQ(WriteFloat(0), "");
  EXPECT_EQ(WriteFloat(2.5), "2.5");
  EXPECT_EQ(WriteBoolean(true), "True");
  EXPECT_EQ(WriteDate(0), "");
  EXPECT_EQ(WriteDate(qb::EncodeDate(2009, 3, 7)), "2009-03-07");
  EXPECT_EQ(WriteTime(qb::EncodeTime(8, 5, 30, 0)), "08:05");
  EXPECT_EQ(WriteDateTime(qb::EncodeDate(2009, 3, 7) + qb::EncodeTime(8, 5, 30, 0)), "2009-03-07T08:05:30");
}
