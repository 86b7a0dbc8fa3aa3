#include "swim/qbsw_swim_style.h"

#include <gtest/gtest.h>

#include "swim/qbsw_codes.h"
#include "swim_test_support.h"

using namespace qbsw;
using swim_test::FreshLanguage;

using SwimStyle = FreshLanguage;

TEST_F(SwimStyle, Texts) {
  const TQbSwSwimStyle relay(100, kStrokeFree, 4), back(200, kStrokeBack, 1), bigCount(100, kStrokeFree, 255);
  EXPECT_EQ(relay.GetText(), "4 x 100 Fr");
  EXPECT_EQ(relay.GetFullText(kCourseScm), "4 x 100m Freestyle");
  EXPECT_EQ(relay.GetDistanceText(kCourseLcm), "4 x 100m");
  EXPECT_EQ(back.GetText(), "200 Bk");
  EXPECT_EQ(back.GetFullText(kCourseScy), "200y Backstroke");
  EXPECT_EQ(back.GetStrokeName(), "Backstroke");
  EXPECT_EQ(bigCount.GetText(), "100 Fr");

  const auto coded = TQbSwSwimStyle::FromAttributes(25, 1, "UNKNOWN", "", "SKINS", "Skins race", 17);
  const auto bare = TQbSwSwimStyle::FromAttributes(25, 1, "UNKNOWN", "", "", "", 17);
  EXPECT_EQ(coded.GetText(), "SKINS");
  EXPECT_EQ(coded.GetFullText(kCourseScm), "Skins race");
  EXPECT_EQ(bare.GetText(), "ID17");

  Install({{"#QbSwLanguage.StrokeCodes", ";F;R;B;S;L"}, {"#QbSwLanguage.StrokeNames", ";Freistil"}});
  EXPECT_EQ(relay.GetText(), "4 x 100 F");
  EXPECT_EQ(relay.GetFullText(kCourseScm), "4 x 100m Freistil");
}

TEST_F(SwimStyle, RelayCountsAndTotals) {
  struct Case {
    int count;
    bool relay;
    int total;
  } cases[] = {{0, false, 100}, {1, false, 100}, {2, true, 200}, {254, true, 25400}, {255, false, 100}};
  for (const auto& c : cases) {
    const TQbSwSwimStyle style(100, kStrokeFree, c.count);
    EXPECT_EQ(style.IsRelay(), c.relay) << c.count;
    EXPECT_EQ(style.GetTotalDistance(), c.total) << c.count;
  }
}

TEST_F(SwimStyle, FromAttributesAndSortText) {
  const auto style = TQbSwSwimStyle::FromAttributes(100, 4, "MEDLEY", "KICK", "", "", 5);
  EXPECT_EQ(style.GetStroke(), kStrokeMedley);
  EXPECT_EQ(style.GetTechnique(), 1);
  EXPECT_EQ(style.GetUniqueId(), 5);
  EXPECT_EQ(style.GetSortText(2), "200450100001");
  EXPECT_EQ(TQbSwSwimStyle(1500, kStrokeFree, 1).GetSortText(0), "X00111500000");
  EXPECT_EQ(TQbSwSwimStyle::FromAttributes(100, 1, "FREE", "kick", "", "", 0).GetTechnique(), 0);  // exact codes

  const auto fromSettings = TQbSwSwimStyle::FromSettings(
      {{"DISTANCE", "200"}, {"RELAYCOUNT", "1"}, {"STROKE", "3"}, {"TECHNIQUE", "TURN"}, {"UNIQUEID", "9"}});
  EXPECT_EQ(fromSettings.GetDistance(), 200);
  EXPECT_EQ(fromSettings.GetStroke(), kStrokeBreast);
  EXPECT_EQ(fromSettings.GetTechnique(), 3);
  EXPECT_EQ(fromSettings.GetUniqueId(), 9);
}

TEST_F(SwimStyle, EqualsComparesIdsOnlyWithoutStroke) {
  const auto a = TQbSwSwimStyle::FromAttributes(100, 1, "FREE", "", "", "", 1);
  EXPECT_TRUE(a.Equals(TQbSwSwimStyle::FromAttributes(100, 1, "FREE", "", "X", "other", 2)));
  EXPECT_FALSE(a.Equals(TQbSwSwimStyle::FromAttributes(100, 1, "FREE", "START", "", "", 1)));
  EXPECT_FALSE(a.Equals(TQbSwSwimStyle::FromAttributes(100, 4, "FREE", "", "", "", 1)));
  EXPECT_FALSE(a.Equals(TQbSwSwimStyle::FromAttributes(50, 1, "FREE", "", "", "", 1)));
  const auto u1 = TQbSwSwimStyle::FromAttributes(25, 1, "UNKNOWN", "", "", "", 1);
  EXPECT_TRUE(u1.Equals(TQbSwSwimStyle::FromAttributes(25, 1, "UNKNOWN", "", "", "", 1)));
  EXPECT_FALSE(u1.Equals(TQbSwSwimStyle::FromAttributes(25, 1, "UNKNOWN", "", "", "", 2)));
}
