#include "swim/qbsw_age_range.h"

#include <gtest/gtest.h>

#include <climits>

using qbsw::TQbSwAgeRange;

TEST(AgeRange, ConstructionRule) {
  struct Case {
    int min, max;
    const char* key;
  } cases[] = {{10, 12, "10_12"}, {0, 12, "X_12"},    {-5, 0, "X_X"},   {10, -3, "10_X"}, {10, 109, "10_X"},
               {10, 999, "10_X"}, {10, 99, "10_X"},   {72, 99, "72_99"}, {80, 99, "80_99"}, {95, 99, "95_99"},
               {96, 99, "96_X"},  {10, 98, "10_98"},  {100, 119, "100_119"}};
  for (const auto& c : cases) EXPECT_EQ(TQbSwAgeRange(c.min, c.max).GetKey(), c.key) << c.min << "," << c.max;
}

TEST(AgeRange, SpanAndSortKeys) {
  const TQbSwAgeRange range(10, 12), from10(10, 0), open(0, 0), undefined;
  EXPECT_EQ(range.GetSpan(), 2);
  EXPECT_EQ(from10.GetSpan(), INT_MAX - 10);
  EXPECT_EQ(open.GetSpan(), INT_MAX);
  EXPECT_EQ(undefined.GetSpan(), 0);
  EXPECT_EQ(range.GetSortKey(true), "00010_00012");
  EXPECT_EQ(range.GetSortKey(false), "00989_00987");
  EXPECT_EQ(from10.GetSortKey(false), "00989_01000");
  EXPECT_EQ(undefined.GetSortKey(true), "X");
  EXPECT_TRUE(open.IsOpen());
  EXPECT_FALSE(from10.IsOpen());
  EXPECT_TRUE(undefined.IsUndefined());
}

TEST(AgeRange, ContainsAgeAndRange) {
  const TQbSwAgeRange range(10, 12), upTo12(0, 12), open(0, 0);
  for (int age : {10, 11, 12}) EXPECT_TRUE(range.ContainsAge(age)) << age;
  for (int age : {9, 13, -1}) EXPECT_FALSE(range.ContainsAge(age)) << age;
  EXPECT_TRUE(upTo12.ContainsAge(1));
  EXPECT_TRUE(open.ContainsAge(80));
  EXPECT_FALSE(TQbSwAgeRange().ContainsAge(10));

  EXPECT_TRUE(range.ContainsRange(TQbSwAgeRange(11, 12)));
  EXPECT_FALSE(range.ContainsRange(TQbSwAgeRange(9, 12)));
  EXPECT_FALSE(range.ContainsRange(TQbSwAgeRange(10, 0)));  // open upper end reaches beyond 12
  EXPECT_FALSE(range.ContainsRange(TQbSwAgeRange(0, 12)));
  EXPECT_TRUE(upTo12.ContainsRange(TQbSwAgeRange(0, 11)));
  EXPECT_TRUE(open.ContainsRange(TQbSwAgeRange(0, 0)));
}

TEST(AgeRange, TotalRangesOfRelays) {
  struct Case {
    int min, max;
    bool total;
  } cases[] = {{120, 159, true}, {100, 119, true}, {72, 99, true}, {80, 96, true},  {95, 99, false},
               {80, 99, false},  {10, 12, false},  {0, 0, false},   {160, 0, true}};
  for (const auto& c : cases) EXPECT_EQ(TQbSwAgeRange(c.min, c.max).IsTotalRange(), c.total) << c.min << "," << c.max;
  EXPECT_FALSE(TQbSwAgeRange().IsTotalRange());
}

TEST(AgeRange, Overlaps) {
  struct Case {
    int aMin, aMax, bMin, bMax;
    bool overlaps;
  } cases[] = {{10, 12, 12, 14, true}, {10, 12, 13, 14, false}, {10, 20, 12, 14, true}, {0, 10, 20, 0, false},
               {0, 10, 0, 12, true},   {0, 0, 30, 40, true},    {10, 0, 0, 9, false},   {10, 0, 0, 10, true}};
  for (const auto& c : cases) {
    const TQbSwAgeRange a(c.aMin, c.aMax), b(c.bMin, c.bMax);
    EXPECT_EQ(a.Overlaps(b), c.overlaps) << a.GetKey() << " " << b.GetKey();
    EXPECT_EQ(b.Overlaps(a), c.overlaps) << b.GetKey() << " " << a.GetKey();
  }
}

TEST(AgeRange, Extend) {
  TQbSwAgeRange range;
  range.Extend(TQbSwAgeRange(10, 12));
  EXPECT_EQ(range.GetKey(), "10_12");
  range.Extend(TQbSwAgeRange(8, 11));
  EXPECT_EQ(range.GetKey(), "8_12");
  range.Extend(TQbSwAgeRange());
  EXPECT_EQ(range.GetKey(), "8_12");
  range.Extend(TQbSwAgeRange(9, 0));
  EXPECT_EQ(range.GetKey(), "8_X");
  EXPECT_TRUE(range.Equals(TQbSwAgeRange(8, 0)));
  EXPECT_FALSE(range.Equals(TQbSwAgeRange(8, 12)));
}
