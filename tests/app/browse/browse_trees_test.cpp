// The events tree and the participants tree as the core builds them.
#include <gtest/gtest.h>

#include "app/browse/clubs_tree.h"
#include "app/browse/events_tree.h"
#include "browse_fixture.h"
#include "frame/language/language_manager.h"
#include "swim/qbsw_language.h"

using namespace browse_test;

namespace {

std::vector<std::string> Texts(const app::TBrowseNodes& nodes) {
  std::vector<std::string> texts;
  for (const auto& n : nodes) texts.push_back(n.text);
  return texts;
}

std::vector<int> Icons(const app::TBrowseNodes& nodes) {
  std::vector<int> icons;
  for (const auto& n : nodes) icons.push_back(n.icon);
  return icons;
}

app::TFlagMap FlagsAsInTheWindow() {
  app::TFlagMap map;
  int index = 15;
  for (const std::string& code : app::FlagCodes()) map.Add(code, index++);
  return map;
}

}  // namespace

TEST(EventsTree, SessionsByNumberEventsBySortKeyAgeGroupsOnlyWhenTwoOrMore) {
  qbsw::TQbSwLanguage::ResetInstance();
  std::string groups2 =
      "<AGEGROUPS>" + AgeGroup(3, 14, 15) + AgeGroup(2, 12, 13) + AgeGroup(1, 10, 11) + "</AGEGROUPS>";
  std::string group1 = "<AGEGROUPS>" + AgeGroup(4, 10, 11) + "</AGEGROUPS>";
  auto m = ReadMeet(
      "course=\"LCM\"",
      "<SESSIONS>" +
          Session("number=\"2\" name=\"Sunday\" date=\"2024-03-10\"",
                  Event(21, 9, "gender=\"F\" order=\"2\"") + Event(22, 8, "gender=\"M\" order=\"1\"")) +
          Session(
              "number=\"1\" name=\"Saturday\" date=\"2024-03-09\"",
              Event(11, 2, "gender=\"M\" round=\"FIN\"", "distance=\"100\" stroke=\"FREE\" relaycount=\"1\"", group1) +
                  Event(12, 1, "gender=\"F\"", "distance=\"50\" stroke=\"BACK\" relaycount=\"1\"", groups2)) +
          "</SESSIONS>");
  int scanned = 0;
  app::TBrowseNodes tree = app::FillEventsTree(*m.meet, [&](int count) { scanned = count; });
  EXPECT_EQ(scanned, 4);
  ASSERT_EQ(tree.size(), 2u);
  EXPECT_EQ(tree[0].text, "1 - Saturday - 9 March 2024");
  EXPECT_EQ(tree[0].icon, app::kIconSession);
  EXPECT_EQ(tree[1].text.substr(0, 10), "2 - Sunday");

  // Event 1 has three groups: children sorted by age range. Event 2 (one
  // group, a final) carries round and group in its text and has no child.
  const auto& saturday = tree[0].children;
  ASSERT_EQ(saturday.size(), 2u);
  EXPECT_EQ(saturday[0].data->event->GetNumber(), 1);
  EXPECT_EQ(saturday[0].icon, app::kIconEvent);
  ASSERT_EQ(saturday[0].children.size(), 3u);
  EXPECT_EQ(saturday[0].children[0].data->ageGroup->GetId(), 1);
  EXPECT_EQ(saturday[0].children[1].data->ageGroup->GetId(), 2);
  EXPECT_EQ(saturday[0].children[2].data->ageGroup->GetId(), 3);
  EXPECT_EQ(saturday[0].children[0].icon, app::kIconAgeGroup);
  EXPECT_EQ(saturday[0].children[0].text, saturday[0].children[0].data->ageGroup->GetDisplayName(2));

  const auto& final = saturday[1];
  EXPECT_TRUE(final.children.empty());
  auto only = final.data->event->GetAgeGroups()->GetItem(0);
  EXPECT_EQ(final.text, final.data->event->GetTitle() + ", " + qbsw::TQbSwLanguage::Instance().RoundName(9) + ", " +
                            only->GetDisplayName(0));
  // A timed final adds no round name.
  EXPECT_EQ(saturday[0].text, saturday[0].data->event->GetTitle());

  // Sunday: order 1 before order 2, whatever the numbers say.
  EXPECT_EQ(tree[1].children[0].data->event->GetNumber(), 8);
  EXPECT_EQ(tree[1].children[1].data->event->GetNumber(), 9);
}

TEST(ClubsTree, GroupsByNationFlagKeysAndTheOtherGroupLast) {
  auto m = ReadMeet("",
                    "<CLUBS>"
                    "<CLUB name=\"Zurich\" nation=\"SUI\" code=\"ZH\"/>"
                    "<CLUB name=\"Lausanne\" nation=\"SUI\" code=\"LN\"/>"
                    "<CLUB name=\"Berlin\" nation=\"GER\" code=\"BER\"/>"
                    "<CLUB name=\"Unknown swimmers\" code=\"X1\"/>"
                    "<CLUB name=\"Amsterdam\" nation=\"NED\" code=\"AMS\"/>"
                    "</CLUBS>");
  app::TFlagMap flags = FlagsAsInTheWindow();
  int scanned = 0;
  app::TBrowseNodes tree = app::FillClubsTree(*m.meet, flags, [&](int count) { scanned = count; });
  EXPECT_EQ(scanned, 5);
  const std::string other = frame::Language().GetText('V', 10);
  EXPECT_EQ(Texts(tree), (std::vector<std::string>{"GER", "NED", "SUI", other}));
  EXPECT_EQ(Icons(tree), (std::vector<int>{flags.IndexOf("GER"), flags.IndexOf("NED"), flags.IndexOf("SUI"), 7}));
  ASSERT_EQ(tree[2].children.size(), 2u);
  EXPECT_EQ(Texts(tree[2].children), (std::vector<std::string>{"Lausanne", "Zurich"}));
  // SUI_LN has a flag; SUI_ZH and GER_BER do not and get the club icon.
  EXPECT_EQ(tree[2].children[0].icon, flags.IndexOf("SUI_LN"));
  EXPECT_EQ(tree[2].children[1].icon, app::kIconClub);
  EXPECT_EQ(tree[0].children[0].icon, app::kIconClub);
  ASSERT_EQ(tree[3].children.size(), 1u);
  EXPECT_EQ(tree[3].children[0].text, "Unknown swimmers");
  EXPECT_EQ(tree[3].children[0].icon, app::kIconClub);
  // Payloads: groups carry a statistic without club, clubs one with their club.
  EXPECT_EQ(tree[2].data->kind, app::TNodeData::Kind::Group);
  EXPECT_EQ(tree[2].data->statistic->Club(), nullptr);
  EXPECT_EQ(tree[2].children[0].data->statistic->Club()->GetName(), "Lausanne");
}

TEST(ClubsTree, AMeetWhereEveryClubHasANationStillEndsWithTheEmptyOtherGroup) {
  auto m = ReadMeet("", "<CLUBS><CLUB name=\"Bern\" nation=\"SUI\"/></CLUBS>");
  app::TBrowseNodes tree = app::FillClubsTree(*m.meet, FlagsAsInTheWindow());
  ASSERT_EQ(tree.size(), 2u);
  EXPECT_EQ(tree[1].text, frame::Language().GetText('V', 10));
  EXPECT_TRUE(tree[1].children.empty());
  EXPECT_EQ(tree[1].icon, app::kIconNation);
}

TEST(ClubsTree, CompareSortsAthletesBeforeRelaysOnTheMemberLevelOnly) {
  app::TBrowseNode athlete{"Zoe", app::kIconAthlete, nullptr, {}};
  app::TBrowseNode relay{"A team", app::kIconRelay, nullptr, {}};
  EXPECT_LT(app::TrvClubsCompare(athlete, relay, 2), 0);
  EXPECT_GT(app::TrvClubsCompare(relay, athlete, 2), 0);
  app::TBrowseNode other{"Anna", app::kIconAthlete, nullptr, {}};
  EXPECT_GT(app::TrvClubsCompare(athlete, other, 2), 0);
  // Ordinal: upper-case codes before "other".
  app::TBrowseNode upper{"ZIM", 7, nullptr, {}}, lower{"other", 7, nullptr, {}};
  EXPECT_LT(app::TrvClubsCompare(upper, lower, 0), 0);
}
