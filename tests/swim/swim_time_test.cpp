#include <gtest/gtest.h>

#include "swim/qbsw_swim_time.h"

using namespace qbsw;

TEST(SwimTime, TextOfTimes) {
  struct Case {
    std::int32_t time;
    bool showNt;
    const char* text;
  } cases[] = {
      {0, true, "NT"},           {-5, true, "NT"},         {kNoSwimTime, false, ""}, {kNoSwimTime, true, "NT"},
      {1, false, "0.00"},        {9870, false, "9.87"},    {59990, false, "59.99"},  {60000, false, "1:00.00"},
      {62349, false, "1:02.34"}, {3599999, false, "59:59.99"}, {3600000, false, "1:00:00.00"},
      {3723450, false, "1:02:03.45"}, {2147483646, false, "596:31:23.64"},
  };
  for (const auto& c : cases) EXPECT_EQ(SwimTimeToText(c.time, c.showNt), c.text) << c.time;
}

TEST(SwimTime, ReadingTextsByGroupsOfTwo) {
  struct Case {
    const char* text;
    std::int32_t time;
  } cases[] = {
      {"1:02.34", 62340},       {"1.02,34", 62340},  {"10234", 62340},  {" 1 : 02 . 34 ", 62340},
      {"1:02.3", 62300},        {"59.9", 59900},     {"34", 34000},     {"5", 5000},
      {"1:02.345", 3723450},    {"1h02'03\"45", 3723450}, {"1:02:03.45", 3723450},
      {"1:0x.34", 60340},       // a group starting with a digit but not a number counts 0
      {"x1.50", 50000},         // groups not starting with a digit are dropped
      {"", kNoSwimTime},        {"NT", kNoSwimTime}, {"0", kNoSwimTime}, {"0.00", kNoSwimTime},
      {"-1.00", kNoSwimTime},   // "-1" is dropped, leaving one group: 0 seconds
  };
  for (const auto& c : cases) EXPECT_EQ(TextToSwimTime(c.text), c.time) << c.text;
}

TEST(SwimTime, TextRoundTrip) {
  for (std::int32_t t : {10, 990, 59990, 60000, 62340, 3599990, 3600000, 3723450, 36000000})
    EXPECT_EQ(TextToSwimTime(SwimTimeToText(t, false)), t) << t;
}

TEST(LegacyTime, TextOfPackedValues) {
  struct Case {
    std::int64_t value;
    bool showNt;
    const char* text;
  } cases[] = {
      {623100, false, " 1:02.3*"}, {623040, false, " 1:02.34"}, {23040, false, "   02.34"},
      {6023040, false, "10:02.34"}, {35999089, false, "59:59.98"}, {11, false, "   00.01"},
      {10, true, "NT"},            {kLegacyNoTime, true, "NT"},  {kLegacyNoTime, false, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(LegacyTimeToText(c.value, c.showNt), c.text) << c.value;
}

TEST(LegacyTime, ReadingTexts) {
  struct Case {
    const char* text;
    std::int64_t value;
  } cases[] = {
      {" 1:02.34", 623040}, {" 1:02.3*", 623100}, {"1:02.3", 623100}, {"   02.34", 23040}, {"02,3", 23100},
      {"99:99.99", kLegacyNoTime}, {"99:99,99", kLegacyNoTime}, {"1:10:02.34", 623040} /* only the first field gives minutes */,
      {"DQ", 0}, {"", 0}, {"0.0", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToLegacyTime(c.text), c.value) << c.text;
}

TEST(LegacyTime, ConversionsKeepHundredthsAndNoTime) {
  EXPECT_EQ(SwimTimeToLegacy(62340), 623040);
  EXPECT_EQ(SwimTimeToLegacy(62349), 623040);
  EXPECT_EQ(SwimTimeToLegacy(kNoSwimTime), kLegacyNoTime);
  EXPECT_EQ(LegacyToSwimTime(623040), 62340);
  EXPECT_EQ(LegacyToSwimTime(623100), 62300);  // tenth-only mark
  EXPECT_EQ(LegacyToSwimTime(kLegacyNoTime), kNoSwimTime);
  EXPECT_EQ(LegacyToSwimTime(1'000'000'000'000LL), kNoSwimTime);  // beyond 32 bits
  for (std::int32_t t : {10, 62340, 3599980, 3723450}) EXPECT_EQ(LegacyToSwimTime(SwimTimeToLegacy(t)), t);
  EXPECT_EQ(SwimTimeToLegacy(3599990), kLegacyNoTime);  // 59:59.99 is the packed form of no time
}
