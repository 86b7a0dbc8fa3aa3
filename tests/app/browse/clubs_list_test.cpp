// The participants tree with its counters, and the participants list drawn into a recording
// painter.
#include "app/browse/clubs_list.h"

#include <gtest/gtest.h>

#include "app/browse/clubs_tree.h"
#include "app/browse/recording_painter.h"
#include "browse_fixture.h"
#include "frame/language/language_manager.h"
#include "swim/qbsw_language.h"

using namespace browse_test;
using app::TRecordingPainter;

namespace {

const std::vector<int> kWidths{45, 110, 110, 60, 40, 70};

std::string Text(char letter, int number) { return frame::Language().GetText(letter, number); }

std::string Athlete(int id, const std::string& last, const std::string& inside) {
  return "<ATHLETE athleteid=\"" + std::to_string(id) + "\" lastname=\"" + last +
         "\" firstname=\"Max\" gender=\"M\" birthdate=\"2009-05-03\">" + inside + "</ATHLETE>";
}

std::string Result(int id, int eventId, const std::string& attrs) {
  return "<RESULT resultid=\"" + std::to_string(id) + "\" eventid=\"" + std::to_string(eventId) + "\" " + attrs + "/>";
}

// Events: 1 heats (PRE), 2 final (FIN) of the same style, 3 semi-final, 4 timed final, 5 a
// 4 x 50 relay (TIM).
Meet CountingMeet() {
  std::string events = Event(1, 1, "gender=\"M\" round=\"PRE\"") + Event(2, 2, "gender=\"M\" round=\"FIN\"") +
                       Event(3, 3, "gender=\"M\" round=\"SEM\"") + Event(4, 4, "gender=\"M\"") +
                       Event(5, 5, "gender=\"M\"", "distance=\"50\" stroke=\"FREE\" relaycount=\"4\"");
  std::string athletes =
      Athlete(1, "ZED",
              "<ENTRIES><ENTRY eventid=\"1\" entrytime=\"00:01:00.00\"/></ENTRIES><RESULTS>" +
                  Result(11, 1, "place=\"5\" swimtime=\"00:00:59.00\"") +
                  Result(12, 2, "place=\"1\" swimtime=\"00:00:58.00\"") +
                  Result(13, 3, "place=\"2\" swimtime=\"00:00:58.50\" comment=\"Q\"") + "</RESULTS>") +
      Athlete(2, "ADAMS",
              "<ENTRIES><ENTRY eventid=\"4\" entrytime=\"00:01:05.00\" heat=\"3\" lane=\"2\"/>"
              "<ENTRY eventid=\"2\" entrytime=\"00:01:04.00\" lane=\"5\"/></ENTRIES>");
  std::string relays =
      "<RELAYS><RELAY number=\"1\" gender=\"M\"><ENTRIES><ENTRY eventid=\"5\" entrytime=\"00:02:00.00\">"
      "<RELAYPOSITIONS><RELAYPOSITION number=\"1\" athleteid=\"2\"/><RELAYPOSITION number=\"2\" athleteid=\"1\"/>"
      "</RELAYPOSITIONS></ENTRY></ENTRIES></RELAY></RELAYS>";
  return ReadMeet(
      "course=\"LCM\" nation=\"\"",
      "<SESSIONS>" + Session("number=\"1\"", events) +
          "</SESSIONS><CLUBS><CLUB name=\"Lausanne\" nation=\"SUI\" code=\"LN\"><CONTACT name=\"Club office\" "
          "street=\"Rue 1\" zip=\"1000\" city=\"Lausanne\" phone=\"021 000\" email=\"a@example.org\"/><ATHLETES>" +
          athletes + "</ATHLETES>" + relays + "</CLUB></CLUBS>",
      "2.1");
}

app::TFlagMap NoFlags() { return {}; }

}  // namespace

TEST(ClubsTree, CountersOfHeatsAndFinalsAndAthletesBeforeRelays) {
  qbsw::TQbSwLanguage::ResetInstance();
  Meet m = CountingMeet();
  app::TBrowseNodes tree = app::FillClubsTree(*m.meet, NoFlags());
  ASSERT_EQ(tree.size(), 2u);
  const app::TBrowseNode& group = tree[0];
  ASSERT_EQ(group.children.size(), 1u);
  const app::TBrowseNode& club = group.children[0];
  // Athletes by text, then the relay.
  ASSERT_EQ(club.children.size(), 3u);
  EXPECT_EQ(club.children[0].icon, app::kIconAthlete);
  EXPECT_EQ(club.children[0].text.substr(0, 5), "ADAMS");
  EXPECT_EQ(club.children[1].text.substr(0, 3), "ZED");
  EXPECT_EQ(club.children[2].icon, app::kIconRelay);
  EXPECT_EQ(club.children[1].text, club.children[1].data->athlete->GetFullNameWithBirthdate());

  // ZED: results in heats (counter 6), final place 1 (counters 1 and 10), semi-final place 2
  // (counter 9, no medal); the entry is not counted as there are results. ADAMS: entries only,
  // a timed final (counter 4) and a final (not counted). The relay: one relay entry (counter 5).
  const app::TClubStatistic& statistic = *club.data->statistic;
  const int expected[11] = {0, 1, 0, 0, 1, 1, 1, 0, 2, 1, 1};
  for (int counter = 1; counter <= 10; ++counter) {
    EXPECT_EQ(statistic.Get(counter), expected[counter]) << counter;
    EXPECT_EQ(group.data->statistic->Get(counter), expected[counter]) << counter;
  }
  EXPECT_EQ(tree[1].data->statistic->Get(8), 0);
}

TEST(ClubsList, ClubShowsCountersInTheirOrderAndItsContact) {
  Meet m = CountingMeet();
  app::TBrowseNodes tree = app::FillClubsTree(*m.meet, NoFlags());
  TRecordingPainter painter;
  app::TClubsListRequest request;
  request.data = tree[0].children[0].data;
  request.level = 1;
  request.widths = kWidths;
  auto outcome = app::DrawClubsList(painter, request);
  EXPECT_TRUE(outcome.drawn);
  EXPECT_FALSE(outcome.header.visible);
  std::vector<std::string> lines;
  for (const auto& item : painter.Texts())
    if (item.x == 10) lines.push_back(item.text);
  EXPECT_EQ(lines, (std::vector<std::string>{Text('V', 17), Text('V', 18), Text('V', 19), Text('V', 20), Text('V', 14),
                                             Text('V', 22), Text('V', 23), Text('V', 24), "Club office", "Rue 1",
                                             "1000 Lausanne", Text('V', 25) + "021 000", "Email: a@example.org"}));
  const app::TPaintItem* athletes = painter.Find("2");
  ASSERT_NE(athletes, nullptr);
  EXPECT_EQ(athletes->x, 200);
  EXPECT_EQ(athletes->y, 5);
  EXPECT_EQ(athletes->flags, app::kDrawRight);
  // Seven counter lines, 10 more, then the contact.
  EXPECT_EQ(painter.Find(Text('V', 24))->y, 5 + 7 * 15 + 10);
}

TEST(ClubsList, AthleteResultsWithRoundNotesAndPlaces) {
  Meet m = CountingMeet();
  app::TBrowseNodes tree = app::FillClubsTree(*m.meet, NoFlags());
  TRecordingPainter painter;
  app::TClubsListRequest request;
  request.data = tree[0].children[0].children[1].data;  // ZED
  request.level = 2;
  request.widths = kWidths;
  auto outcome = app::DrawClubsList(painter, request);
  ASSERT_TRUE(outcome.drawn);
  EXPECT_TRUE(outcome.resultsMode);
  ASSERT_NE(outcome.athlete, nullptr);
  EXPECT_TRUE(outcome.header.visible);
  EXPECT_EQ(outcome.header.lastWidth, 40);
  // m = 325 + 20 - 1: heats and semi-final places centred at m, plain; the final's at m - 2, bold.
  auto events = m.meet->GetEvents(lnx::kEventsByNumber, 0);
  const app::TPaintItem* semi = painter.Find("2.");
  ASSERT_NE(semi, nullptr);
  EXPECT_EQ(semi->x, 344);
  EXPECT_EQ(semi->flags, app::kDrawCentre);
  const app::TPaintItem* final = painter.Find("1.");
  ASSERT_NE(final, nullptr);
  EXPECT_EQ(final->x, 342);
  EXPECT_EQ(final->flags, app::kDrawCentre | app::kDrawBold);
  std::string semiNote = "(" + events->GetItem(2)->GetRoundName() + "), Q";
  const app::TPaintItem* note = painter.Find(semiNote);
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->x, 405 + 5);
  EXPECT_NE(painter.Find("(" + events->GetItem(1)->GetRoundName() + ")"), nullptr);
  EXPECT_EQ(painter.Find("58.00")->flags, app::kDrawRight | app::kDrawBold);
}

TEST(ClubsList, AthleteEntriesWithHeatLaneAndRoundName) {
  Meet m = CountingMeet();
  app::TBrowseNodes tree = app::FillClubsTree(*m.meet, NoFlags());
  TRecordingPainter painter;
  app::TClubsListRequest request;
  request.data = tree[0].children[0].children[0].data;  // ADAMS, entries only
  request.level = 2;
  request.widths = kWidths;
  auto outcome = app::DrawClubsList(painter, request);
  ASSERT_TRUE(outcome.drawn);
  EXPECT_FALSE(outcome.resultsMode);
  ASSERT_NE(outcome.athlete, nullptr);
  // Heat and lane at left(5) + 10; the final's entry names its round after the last column
  // (70 wide in entry lists) and, with a lane but no heat, shows no heat number.
  const app::TPaintItem* heatLane = painter.Find("3 / 2");
  ASSERT_NE(heatLane, nullptr);
  EXPECT_EQ(heatLane->x, 375);
  auto final = m.meet->GetEvents(lnx::kEventsByNumber, 0)->GetItem(1);
  const app::TPaintItem* round = painter.Find(final->GetRoundName());
  ASSERT_NE(round, nullptr);
  EXPECT_EQ(round->x, 435 + 5);
  EXPECT_EQ(painter.Find("-1 / 5"), nullptr);
  EXPECT_EQ(painter.Find("1:05.00")->flags, app::kDrawRight);
}

TEST(ClubsList, RelayEntriesShowSwimmersButLeavePrintWithoutAthlete) {
  Meet m = CountingMeet();
  app::TBrowseNodes tree = app::FillClubsTree(*m.meet, NoFlags());
  TRecordingPainter painter;
  app::TClubsListRequest request;
  request.data = tree[0].children[0].children[2].data;  // the relay
  request.level = 2;
  request.widths = kWidths;
  auto outcome = app::DrawClubsList(painter, request);
  ASSERT_TRUE(outcome.drawn);
  EXPECT_FALSE(outcome.resultsMode);
  EXPECT_EQ(outcome.athlete, nullptr);
  EXPECT_EQ(outcome.header.timeTitle, Text('S', 17));
  EXPECT_EQ(outcome.header.lastWidth, 70);
  // Split box unchecked, yet the entry's swimmers are drawn (at width(0) + 3).
  const app::TPaintItem* first = painter.Find("ADAMS, Max");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->x, 48);
  EXPECT_NE(painter.Find("ZED, Max"), nullptr);
  ASSERT_EQ(painter.Lines().size(), 1u);
  EXPECT_EQ(painter.Lines()[0].x2, 365 - 1);  // max(right(4) - 1, width(0) + 300)
}
