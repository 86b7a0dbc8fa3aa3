// The clipboard text of an event, an age group and an athlete, on a small meet (tests/data/
// copy_text/meet.lef). Every list of the real files: cli_trees_test.cpp.
#include "report/app_reports/copy_text.h"

#include <gtest/gtest.h>

#include "base/qb_strings.h"
#include "frame/language/language_manager.h"
#include "frame/language/language_table.h"
#include "frame/language/qb_language_txt_files.h"
#include "frame/language/swim_text_bridge.h"
#include "lenex/qb_lenex.h"
#include "swim/qbsw_language.h"
#include "test_support.h"

namespace {

using report::CopyAthleteText;
using report::CopyEventText;
using report::TCopyOptions;

// English texts for the whole suite.
class CopyText : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    qbsw::TQbSwLanguage::ResetInstance();
    frame::ConnectSwimValueTexts();
    frame::Language();
    frame::QbLanguage().SetLanguage(frame::kLanguageEnglish);
    doc_ = lnx::ReadLenexDocument(testing_support::DataPath("copy_text/meet.lef"));
  }
  static void TearDownTestSuite() { doc_.reset(); }

  static std::shared_ptr<const lnx::IQbLenexMeet> Meet() { return doc_->GetMeets()->GetItem(0); }
  static std::string Event(int id, int ageGroupId, TCopyOptions options) {
    auto event = Meet()->FindEvent(id);
    std::shared_ptr<const lnx::IQbLenexAgeGroup> group;
    auto groups = event->GetAgeGroups();
    for (const auto& g : *groups)
      if (g->GetId() == ageGroupId) group = g;
    return CopyEventText(*event, group.get(), options);
  }
  static std::string Athlete(int id, TCopyOptions options) {
    return CopyAthleteText(*Meet()->FindAthlete(id), options);
  }

  static lnx::TQbLenexPtr doc_;
};
lnx::TQbLenexPtr CopyText::doc_;

TEST_F(CopyText, ResultListsWithAndWithoutTheValidFilter) {
  ASSERT_TRUE(doc_->GetErrors().empty());
  // The disqualified swim has no time column: its comment follows the club after one tab.
  EXPECT_EQ(Event(10, 101, {}),
            "1. 100m Freestyle, Men, 10 - 12 years\r\n"
            "\t1.\tMÜLLER, Jonas\tSC Aare\t1:02.34\r\n"
            "\t2.\tFREI, Tim\tTV Basel\t1:05.00\r\n"
            "\tDSQ\tHUBER, Ben\tTV Basel\tFalse start");
  EXPECT_EQ(Event(10, 101, {.validOnly = true}),
            "1. 100m Freestyle, Men, 10 - 12 years\r\n"
            "\t1.\tMÜLLER, Jonas\tSC Aare\t1:02.34\r\n"
            "\t2.\tFREI, Tim\tTV Basel\t1:05.00");
  // An exhibition swim is valid and keeps its time.
  EXPECT_EQ(Event(10, 102, {.validOnly = true}),
            "1. 100m Freestyle, Men, 13 years and older\r\n\tEXH\tHUBER, Ben\tTV Basel\t1:00.00");
}

TEST_F(CopyText, SplitRowsPairTheFirstHalfWithTheSecond) {
  EXPECT_EQ(Event(10, 101, {.validOnly = true, .splits = true}),
            "1. 100m Freestyle, Men, 10 - 12 years\r\n"
            "\t1.\tMÜLLER, Jonas\tSC Aare\t1:02.34\r\n"
            "\t50m:\t30.10\t(30.10)\r\n"
            "\t2.\tFREI, Tim\tTV Basel\t1:05.00");
  // Three splits: two rows, the last holds only its left part.
  EXPECT_EQ(Event(20, 0, {.splits = true}),
            "2. 200m Backstroke, Women\r\n"
            "\t1.\tKELLER, Nina\tSC Aare\t2:20.50\r\n"
            "\t50m:\t33.00\t(33.00)\t150m:\t1:44.75\t(36.55)\r\n"
            "\t100m:\t1:08.20\t(35.20)");
}

TEST_F(CopyText, RelayLegsShowSwimmersLegTimesAndNoEmptySteps) {
  // 4 x 100 m in a 50 m pool: the leg time stands on each leg's second line; legs without
  // splits keep only the swimmer; position 5 is beyond the relay count.
  EXPECT_EQ(Event(30, 0, {.splits = true}),
            "3. 4 x 100m Freestyle, Mixed\r\n"
            "\t1.\tSC Aare 1, Mixed\tSC Aare\t4:10.00\r\n"
            "\tMÜLLER, Jonas, 3 May 2012\t\t50m:\t30.00\t(30.00)\r\n"
            "\t\t1:03.00\t100m:\t1:03.00\t(33.00)\r\n"
            "\tKELLER, Nina, 20 Nov 2010\t\t150m:\t1:35.00\t(32.00)\r\n"
            "\t\t1:05.00\t200m:\t2:08.00\t(33.00)\r\n"
            "\tROSSI, Luca, 15 Jan 2011\r\n"
            "\tWEBER, Lea, 8 Jul 2010");
}

TEST_F(CopyText, EntriesWhenAnEventHasNoResults) {
  EXPECT_EQ(Event(40, 0, {.splits = true}),
            "4. 50m Butterfly, Women\r\n\tROSSI, Luca\tSC Aare\t31.20\r\n\tGRAF, Mia\tTV Basel\t33.00");
}

TEST_F(CopyText, AthleteResultsAndEntries) {
  EXPECT_EQ(Athlete(2, {.splits = true}),
            "KELLER, Nina, 20 Nov 2010\r\n"
            "\t2\t200m Backstroke\t2:20.50\t1.\t(Final)\r\n"
            "\t50m:\t33.00\t(33.00)\t150m:\t1:44.75\t(36.55)\r\n"
            "\t100m:\t1:08.20\t(35.20)");
  EXPECT_EQ(Athlete(12, {}),
            "HUBER, Ben, 30 Aug 2011\r\n"
            "\t1\t100m Freestyle, 10 - 12\t1:01.00\tDSQ\t\r\n"
            "\t1\t100m Freestyle, 13 +\t1:00.00\tEXH");
  EXPECT_EQ(Athlete(12, {.validOnly = true}), "HUBER, Ben, 30 Aug 2011\r\n\t1\t100m Freestyle, 13 +\t1:00.00\tEXH");
  // Heat and lane only with a lane.
  EXPECT_EQ(Athlete(3, {}), "ROSSI, Luca, 15 Jan 2011\r\n\t4\t50m Butterfly\t31.20\tHeat 2, lane 5");
  EXPECT_EQ(Athlete(13, {}), "GRAF, Mia, 4 Apr 2010\r\n\t4\t50m Butterfly\t33.00");
  EXPECT_EQ(Athlete(4, {}), "WEBER, Lea, 8 Jul 2010");
}

TEST_F(CopyText, TextsNeverStartOrEndWithBlanksTabsOrLineEnds) {
  auto events = Meet()->GetEvents(lnx::kEventsByNumber, 0);
  for (const auto& event : *events) {
    std::vector<std::shared_ptr<const lnx::IQbLenexAgeGroup>> groups{nullptr};
    auto own = event->GetAgeGroups();
    groups.insert(groups.end(), own->begin(), own->end());
    for (const auto& g : groups)
      for (bool splits : {false, true}) {
        std::string text = CopyEventText(*event, g.get(), {.splits = splits});
        EXPECT_EQ(text, qb::Trim(text)) << event->GetTitle();
      }
  }
}

}  // namespace

namespace {

TEST_F(CopyText, YardsPoolRelayEntryAndPositionZero) {
  // A 4 x 50 y relay entry in a yards session: the entry has no times, so the block lists the
  // swimmers of legs 1 and 2; position 0 is no leg.
  const std::string text =
      "<LENEX version=\"3.0\"><MEETS><MEET name=\"Y\" course=\"LCM\"><SESSIONS>"
      "<SESSION number=\"1\" course=\"SCY\"><EVENTS><EVENT eventid=\"1\" number=\"1\" gender=\"F\">"
      "<SWIMSTYLE distance=\"50\" stroke=\"FREE\" relaycount=\"4\"/></EVENT></EVENTS></SESSION></SESSIONS>"
      "<CLUBS><CLUB name=\"C\"><ATHLETES><ATHLETE athleteid=\"1\" lastname=\"Ames\" firstname=\"Ann\"/>"
      "<ATHLETE athleteid=\"2\" lastname=\"Bell\" firstname=\"Bea\"/></ATHLETES><RELAYS>"
      "<RELAY number=\"1\" gender=\"F\"><ENTRIES><ENTRY eventid=\"1\" entrytime=\"00:01:50.00\"><RELAYPOSITIONS>"
      "<RELAYPOSITION number=\"0\" athleteid=\"2\"/><RELAYPOSITION number=\"1\" athleteid=\"1\"/>"
      "<RELAYPOSITION number=\"2\" athleteid=\"2\"/></RELAYPOSITIONS></ENTRY></ENTRIES>"
      "<RESULTS><RESULT resultid=\"1\" eventid=\"1\" place=\"1\" swimtime=\"00:01:48.00\"><SPLITS>"
      "<SPLIT distance=\"25\" swimtime=\"00:00:12.00\"/><SPLIT distance=\"50\" swimtime=\"00:00:26.00\"/>"
      "</SPLITS></RESULT></RESULTS></RELAY></RELAYS></CLUB></CLUBS></MEET></MEETS></LENEX>";
  testing_support::ScratchDir dir;
  auto yards = lnx::ReadLenexDocument(dir.Write("yards.lef", text));
  auto event = yards->GetMeets()->GetItem(0)->FindEvent(1);
  auto entries = event->GetEntries(lnx::kEntriesByEntryTime, nullptr);
  ASSERT_EQ(entries->GetCount(), 1);
  EXPECT_EQ(report::IntermediateTimesText(*entries->GetItem(0)), "\tAMES, Ann\r\n\tBELL, Bea\r\n\t\r\n");
  // A result without positions shows its splits in yards (two splits: one row).
  EXPECT_EQ(CopyEventText(*event, nullptr, {.splits = true}),
            "1. 4 x 50y Freestyle, Women\r\n\t1.\t1. team\tC\t1:48.00\r\n"
            "\t25y:\t12.00\t(12.00)\t50y:\t26.00\t(14.00)");
}

}  // namespace
