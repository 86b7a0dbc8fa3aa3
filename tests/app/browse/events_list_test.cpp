// The events list drawn into a recording painter: rows, header wishes, the only-valid rule, and
// the detail lines of relays and individual splits.
#include "swim/qbsw_codes.h"
#include "app/browse/events_list.h"

#include <gtest/gtest.h>

#include "app/browse/detail_lines.h"
#include "app/browse/recording_painter.h"
#include "browse_fixture.h"
#include "frame/language/language_manager.h"
#include "swim/qbsw_language.h"

using namespace browse_test;
using app::TRecordingPainter;

namespace {

const std::vector<int> kWidths{36, 143, 143, 53, 50};

std::string Athlete(int id, const std::string& last, const std::string& inside) {
  return "<ATHLETE athleteid=\"" + std::to_string(id) + "\" lastname=\"" + last +
         "\" firstname=\"Ann\" gender=\"F\" birthdate=\"2010-01-01\">" + inside + "</ATHLETE>";
}

std::string Result(int id, int eventId, const std::string& attrs, const std::string& inside = "") {
  return "<RESULT resultid=\"" + std::to_string(id) + "\" eventid=\"" + std::to_string(eventId) + "\" " + attrs + ">" +
         inside + "</RESULT>";
}

std::string Splits(const std::vector<std::pair<int, std::string>>& splits) {
  std::string s = "<SPLITS>";
  for (const auto& [distance, time] : splits)
    s += "<SPLIT distance=\"" + std::to_string(distance) + "\" swimtime=\"" + time + "\"/>";
  return s + "</SPLITS>";
}

app::TEventsListOutcome Draw(TRecordingPainter& painter, const Meet& m, int eventIndex, int ageGroupIndex = -1,
                             bool split = false, bool onlyValids = false) {
  auto events = m.meet->GetEvents(lnx::kEventsByNumber, 0);
  app::TEventsListRequest request;
  request.event = events->GetItem(eventIndex);
  if (ageGroupIndex >= 0) request.ageGroup = request.event->GetAgeGroups()->GetItem(ageGroupIndex);
  request.split = split;
  request.onlyValids = onlyValids;
  request.widths = kWidths;
  return app::DrawEventsList(painter, request);
}

std::string Text(char letter, int number) { return frame::Language().GetText(letter, number); }

// One club, individual events 1 (one age group) and 2 (two age groups), both with results, and
// event 3 with entries only.
Meet AgeGroupMeet() {
  std::string ag1 = "<AGEGROUPS><AGEGROUP agegroupid=\"10\" agemin=\"10\" agemax=\"12\"/></AGEGROUPS>";
  std::string ag2 =
      "<AGEGROUPS><AGEGROUP agegroupid=\"20\" agemin=\"10\" agemax=\"11\"/>"
      "<AGEGROUP agegroupid=\"21\" agemin=\"12\" agemax=\"13\"/></AGEGROUPS>";
  std::string heats = "<HEATS><HEAT heatid=\"901\" number=\"2\"/></HEATS>";
  std::string events = Event(1, 1, "gender=\"F\"", "distance=\"100\" stroke=\"FREE\" relaycount=\"1\"", ag1) +
                       Event(2, 2, "gender=\"F\"", "distance=\"50\" stroke=\"FREE\" relaycount=\"1\"", ag2) +
                       Event(3, 3, "gender=\"F\"", "distance=\"200\" stroke=\"FREE\" relaycount=\"1\"", heats);
  std::string athletes =
      Athlete(1, "ALPHA",
              "<RESULTS>" + Result(101, 1, "agegroupid=\"10\" place=\"1\" swimtime=\"00:01:01.00\" points=\"512\"") +
                  Result(201, 2, "agegroupid=\"21\" place=\"1\" swimtime=\"00:00:29.00\"") +
                  "</RESULTS><ENTRIES><ENTRY eventid=\"3\" entrytime=\"00:02:20.00\" heatid=\"901\" "
                  "lane=\"4\"/></ENTRIES>") +
      Athlete(2, "BRAVO",
              "<RESULTS>" + Result(102, 1, "agegroupid=\"10\" place=\"2\" swimtime=\"00:01:02.00\" comment=\"PB\"") +
                  Result(202, 2, "agegroupid=\"20\" place=\"1\" swimtime=\"00:00:31.00\"") +
                  "</RESULTS><ENTRIES><ENTRY eventid=\"3\" entrytime=\"00:02:10.00\" heatid=\"901\" "
                  "lane=\"5\"/></ENTRIES>");
  return ReadMeet("course=\"LCM\"",
                  "<SESSIONS>" + Session("number=\"1\"", events) +
                      "</SESSIONS><CLUBS><CLUB name=\"Team Blue\"><ATHLETES>" + athletes + "</ATHLETES></CLUB></CLUBS>",
                  "2.1");
}

}  // namespace

TEST(EventsList, EventWithOneAgeGroupShowsItsResultsInColumns) {
  qbsw::TQbSwLanguage::ResetInstance();
  Meet m = AgeGroupMeet();
  TRecordingPainter painter;
  auto outcome = Draw(painter, m, 0);
  ASSERT_TRUE(outcome.shown);
  EXPECT_TRUE(outcome.resultsMode);
  EXPECT_TRUE(outcome.header.visible);
  EXPECT_EQ(outcome.header.timeTitle, Text('V', 11));
  EXPECT_EQ(outcome.header.lastTitle, Text('V', 12));
  EXPECT_EQ(outcome.header.lastWidth, 40);
  // Row 1 at y 5, row 2 at y 20: place centred in column 0, name and club clipped to their
  // columns, time right-aligned and bold, comment after the points column, points centred.
  const app::TPaintItem* place = painter.Find("1.");
  ASSERT_NE(place, nullptr);
  EXPECT_EQ(place->x, 18);
  EXPECT_EQ(place->y, 5);
  EXPECT_EQ(place->flags, app::kDrawCentre);
  const app::TPaintItem* name = painter.Find("ALPHA, Ann");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->x, 39);
  EXPECT_EQ(name->width, 137);
  const app::TPaintItem* club = painter.Find("Team Blue");
  ASSERT_NE(club, nullptr);
  EXPECT_EQ(club->x, 182);
  const app::TPaintItem* time = painter.Find("1:01.00");
  ASSERT_NE(time, nullptr);
  EXPECT_EQ(time->x, 372);
  EXPECT_EQ(time->flags, app::kDrawRight | app::kDrawBold);
  const app::TPaintItem* points = painter.Find("512");
  ASSERT_NE(points, nullptr);
  EXPECT_EQ(points->x, (375 + 415) / 2 - 2);
  const app::TPaintItem* comment = painter.Find("PB");
  ASSERT_NE(comment, nullptr);
  EXPECT_EQ(comment->x, 420);
  EXPECT_EQ(comment->y, 20);
  EXPECT_TRUE(painter.Lines().empty());
}

TEST(EventsList, EventWithTwoAgeGroupsAndResultsDrawsNothingButEachAgeGroupItsOwn) {
  Meet m = AgeGroupMeet();
  TRecordingPainter painter;
  auto outcome = Draw(painter, m, 1);
  EXPECT_FALSE(outcome.shown);
  EXPECT_FALSE(outcome.header.visible);
  EXPECT_TRUE(painter.Items().empty());

  auto second = Draw(painter, m, 1, 1);
  EXPECT_TRUE(second.shown);
  EXPECT_NE(painter.Find("ALPHA, Ann"), nullptr);
  EXPECT_EQ(painter.Find("BRAVO, Ann"), nullptr);
}

TEST(EventsList, EventWithAgeGroupsThatClaimNoResultShowsThemAllOnItsOwnNode) {
  // LENEX 3 results name no age group: every age group list is empty, so the event shows them.
  std::string groups =
      "<AGEGROUPS><AGEGROUP agegroupid=\"20\" agemin=\"10\" agemax=\"11\"/>"
      "<AGEGROUP agegroupid=\"21\" agemin=\"12\" agemax=\"13\"/></AGEGROUPS>";
  std::string athletes =
      Athlete(1, "ONE", "<RESULTS>" + Result(1, 1, "place=\"1\" swimtime=\"00:01:00.00\"") + "</RESULTS>");
  Meet m = ReadMeet("course=\"LCM\"",
                    "<SESSIONS>" +
                        Session("number=\"1\"", Event(1, 1, "gender=\"F\"",
                                                      "distance=\"100\" stroke=\"FREE\" relaycount=\"1\"", groups)) +
                        "</SESSIONS><CLUBS><CLUB name=\"C\"><ATHLETES>" + athletes + "</ATHLETES></CLUB></CLUBS>",
                    "2.1");
  TRecordingPainter painter;
  auto outcome = Draw(painter, m, 0);
  EXPECT_TRUE(outcome.shown);
  EXPECT_TRUE(outcome.header.visible);
  EXPECT_NE(painter.Find("ONE, Ann"), nullptr);
}

TEST(EventsList, EventWithoutResultsShowsEntriesByEntryTimeWithHeatAndLane) {
  Meet m = AgeGroupMeet();
  TRecordingPainter painter;
  auto outcome = Draw(painter, m, 2);
  ASSERT_TRUE(outcome.shown);
  EXPECT_FALSE(outcome.resultsMode);
  EXPECT_EQ(outcome.header.timeTitle, Text('S', 17));
  EXPECT_EQ(outcome.header.lastTitle, Text('V', 13));
  EXPECT_EQ(outcome.header.lastWidth, 70);
  EXPECT_EQ(outcome.header.lastAlign, app::TListHeader::Align::Left);
  // BRAVO entered faster and comes first.
  EXPECT_EQ(painter.TextsAt(5), (std::vector<std::string>{"BRAVO, Ann", "Team Blue", "2:10.00", "2 / 5"}));
  EXPECT_EQ(painter.TextsAt(20), (std::vector<std::string>{"ALPHA, Ann", "Team Blue", "2:20.00", "2 / 4"}));
  EXPECT_EQ(painter.Find("2 / 5")->x, 385);
  EXPECT_EQ(painter.Find("2:10.00")->flags, app::kDrawRight);
}

TEST(EventsList, OnlyValidResultsDropsNonStartersKeepsExhibitionsAndItalicisesInvalidTimes) {
  std::string athletes =
      Athlete(1, "VALID", "<RESULTS>" + Result(1, 1, "place=\"1\" swimtime=\"00:01:00.00\"") + "</RESULTS>") +
      Athlete(2, "EXHIB", "<RESULTS>" + Result(2, 1, "status=\"EXH\" swimtime=\"00:01:01.00\"") + "</RESULTS>") +
      Athlete(3, "DISQ", "<RESULTS>" + Result(3, 1, "status=\"DSQ\" swimtime=\"00:01:02.00\"") + "</RESULTS>") +
      Athlete(4, "NOSTART", "<RESULTS>" + Result(4, 1, "status=\"DNS\"") + "</RESULTS>");
  Meet m = ReadMeet("course=\"LCM\"",
                    "<SESSIONS>" + Session("number=\"1\"", Event(1, 1, "gender=\"F\"")) +
                        "</SESSIONS><CLUBS><CLUB name=\"C\"><ATHLETES>" + athletes + "</ATHLETES></CLUB></CLUBS>",
                    "2.1");
  TRecordingPainter all;
  Draw(all, m, 0);
  EXPECT_NE(all.Find("NOSTART, Ann"), nullptr);
  EXPECT_EQ(all.Find("1:02.00")->flags, app::kDrawRight | app::kDrawItalic);
  EXPECT_EQ(all.Find("1:01.00")->flags, app::kDrawRight | app::kDrawBold);

  TRecordingPainter valid;
  Draw(valid, m, 0, -1, false, true);
  EXPECT_NE(valid.Find("VALID, Ann"), nullptr);
  EXPECT_NE(valid.Find("EXHIB, Ann"), nullptr);
  EXPECT_EQ(valid.Find("DISQ, Ann"), nullptr);
  EXPECT_EQ(valid.Find("NOSTART, Ann"), nullptr);

  for (int status : {0, 1, 9, 10, 11}) EXPECT_TRUE(qbsw::IsValidResultStatus(status)) << status;
  for (int status : {2, 3, 4, 5, 6, 7, 8, 12, 99}) EXPECT_FALSE(qbsw::IsValidResultStatus(status)) << status;
}

TEST(DetailLines, RelayOf4x100LcmWith50mSplitsShowsSwimmersLapsAndLegTimes) {
  std::string swimmers;
  for (int i = 1; i <= 4; ++i) swimmers += Athlete(i, "LEG" + std::to_string(i), "");
  std::string positions = "<RELAYPOSITIONS>";
  for (int i = 1; i <= 4; ++i)
    positions += "<RELAYPOSITION number=\"" + std::to_string(i) + "\" athleteid=\"" + std::to_string(i) + "\"/>";
  positions += "</RELAYPOSITIONS>";
  std::string splits = Splits({{50, "00:00:30.00"},
                               {100, "00:01:02.50"},
                               {150, "00:01:32.00"},
                               {200, "00:02:05.00"},
                               {250, "00:02:35.00"},
                               {300, "00:03:08.00"},
                               {350, "00:03:38.00"},
                               {400, "00:04:11.00"}});
  std::string relay = "<RELAYS><RELAY number=\"1\" gender=\"F\"><RESULTS>" +
                      Result(9, 1, "place=\"1\" swimtime=\"00:04:11.00\"", splits + positions) +
                      "</RESULTS></RELAY></RELAYS>";
  Meet m = ReadMeet(
      "course=\"LCM\"",
      "<SESSIONS>" +
          Session("number=\"1\"", Event(1, 1, "gender=\"F\"", "distance=\"100\" stroke=\"FREE\" relaycount=\"4\"")) +
          "</SESSIONS><CLUBS><CLUB name=\"C\"><ATHLETES>" + swimmers + "</ATHLETES>" + relay + "</CLUB></CLUBS>",
      "2.1");
  // A relay event shows its details even with the split box unchecked.
  TRecordingPainter painter;
  Draw(painter, m, 0);
  // c = 36, w = 197: names at 39, labels at 236, times at 318, laps at 370, leg times right at 228.
  const std::vector<std::string> legTimes{"1:02.50", "1:02.50", "1:03.00", "1:03.00"};
  for (int leg = 1; leg <= 4; ++leg) {
    const app::TPaintItem* name = painter.Find("LEG" + std::to_string(leg) + ", Ann");
    ASSERT_NE(name, nullptr) << leg;
    EXPECT_EQ(name->x, 39);
    EXPECT_EQ(name->width, 192);
    // The leg's first split shares the name's line; the leg's end is on the next line.
    const app::TPaintItem* first = painter.Find(std::to_string(leg * 100 - 50) + "m:");
    const app::TPaintItem* end = painter.Find(std::to_string(leg * 100) + "m:");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(first->y, name->y);
    EXPECT_EQ(end->y, name->y + 15);
    EXPECT_EQ(end->x, 236);
    std::vector<std::string> endLine = painter.TextsAt(end->y);
    ASSERT_EQ(endLine.size(), 4u) << leg;
    EXPECT_EQ(endLine[3], legTimes[static_cast<size_t>(leg - 1)]);
    for (const auto& item : painter.Texts())
      if (item.y == end->y && item.text == legTimes[static_cast<size_t>(leg - 1)] && item.x == 228)
        EXPECT_EQ(item.flags, app::kDrawRight);
    EXPECT_EQ(painter.TextsAt(first->y).size(), 4u);
  }
  EXPECT_EQ(painter.TextsAt(painter.Find("100m:")->y)[2], "(32.50)");
  EXPECT_EQ(painter.TextsAt(painter.Find("50m:")->y).back(), "(30.00)");
  // The separator line under the details, from 5 to the end of the time column.
  ASSERT_EQ(painter.Lines().size(), 1u);
  EXPECT_EQ(painter.Lines()[0].x, 5);
  EXPECT_EQ(painter.Lines()[0].x2, 374);
  EXPECT_EQ(painter.Lines()[0].y, painter.Find("400m:")->y + 5 + 14);
}

TEST(DetailLines, FiveIndividualSplitsFillTwoColumnsThreeAndTwoAndYardsLabelEndInY) {
  std::string splits = Splits(
      {{50, "00:00:30.00"}, {100, "00:01:02.00"}, {150, "00:01:35.00"}, {200, "00:02:08.00"}, {250, "00:02:41.00"}});
  std::string athletes =
      Athlete(1, "SOLO", "<RESULTS>" + Result(1, 1, "place=\"1\" swimtime=\"00:03:14.00\"", splits) + "</RESULTS>");
  for (const std::string course : {"LCM", "SCY"}) {
    Meet m = ReadMeet(
        "course=\"" + course + "\"",
        "<SESSIONS>" +
            Session("number=\"1\"", Event(1, 1, "gender=\"F\"", "distance=\"300\" stroke=\"FREE\" relaycount=\"1\"")) +
            "</SESSIONS><CLUBS><CLUB name=\"C\"><ATHLETES>" + athletes + "</ATHLETES></CLUB></CLUBS>",
        "2.1");
    const std::string unit = course == "SCY" ? "y:" : "m:";
    TRecordingPainter painter;
    Draw(painter, m, 0, -1, true);
    struct Expect {
      int distance, x, y;
      const char* lap;
    };
    // Row at 5, details start at 6: first column at x 39, the second w = 197 further right.
    for (const Expect& e :
         {Expect{50, 39, 21, "(30.00)"}, Expect{100, 39, 36, "(32.00)"}, Expect{150, 39, 51, "(33.00)"},
          Expect{200, 236, 21, "(33.00)"}, Expect{250, 236, 36, "(33.00)"}}) {
      const app::TPaintItem* label = painter.Find(std::to_string(e.distance) + unit);
      ASSERT_NE(label, nullptr) << course << e.distance;
      EXPECT_EQ(label->x, e.x) << e.distance;
      EXPECT_EQ(label->y, e.y) << e.distance;
      bool lapFound = false;
      for (const auto& item : painter.Texts())
        lapFound |= item.y == e.y && item.x == e.x - 3 + 137 && item.text == e.lap;
      EXPECT_TRUE(lapFound) << e.distance;
    }
    // After the details: start y 6 + 3 rows + 5, separator 14 below.
    ASSERT_EQ(painter.Lines().size(), 1u);
    EXPECT_EQ(painter.Lines()[0].y, 6 + 45 + 5 + 14);
    // In a narrow list (participants page: right edge 344, left 45, w = 162) the second column
    // keeps clear of the first column's lap times.
    TRecordingPainter narrow;
    auto result = m.meet->GetEvents(lnx::kEventsByNumber, 0)->GetItem(0)->GetResults()->GetItem(0);
    EXPECT_EQ(app::DrawDetailLines(narrow, *result, 344, 45, 5), 5 + 1 + 45 + 5);
    EXPECT_EQ(narrow.Find("50" + unit)->x, 48);
    EXPECT_EQ(narrow.Find("200" + unit)->x, 45 + 190 + 3);
  }
}

TEST(EventsList, FoundRowIsHighlightedAndScrolledTo) {
  Meet m = AgeGroupMeet();
  TRecordingPainter painter;
  auto events = m.meet->GetEvents(lnx::kEventsByNumber, 0);
  app::TEventsListRequest request;
  request.event = events->GetItem(0);
  request.widths = kWidths;
  request.foundRow = 1;
  app::DrawEventsList(painter, request);
  EXPECT_EQ(painter.Find("BRAVO, Ann")->flags, app::kDrawHighlight);
  EXPECT_EQ(painter.Find("ALPHA, Ann")->flags, app::kDrawLeft);
  EXPECT_EQ(app::FoundRowScrollPosition(20, 15, 200), 345 - 200);
  EXPECT_EQ(app::FoundRowScrollPosition(2, 15, 200), -1);
  EXPECT_EQ(app::FoundRowScrollPosition(-1, 15, 10), -1);
}
