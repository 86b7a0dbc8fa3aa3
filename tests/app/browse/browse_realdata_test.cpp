// Both pages over every real LENEX file: the trees fill, every event (or age group) node with
// results or entries draws its list, and every athlete node draws its results or entries.
#include <gtest/gtest.h>

#include "app/browse/clubs_list.h"
#include "app/browse/clubs_tree.h"
#include "app/browse/events_list.h"
#include "app/browse/events_tree.h"
#include "app/browse/recording_painter.h"
#include "app/result_readers.h"
#include "test_support.h"

namespace {

struct Counts {
  int eventLists = 0, emptyEventLists = 0, athleteLists = 0, emptyAthleteLists = 0;
};

app::TEventsListOutcome DrawEventList(const app::TBrowseNode& event, const app::TBrowseNode* ageGroup,
                                      app::TCountingPainter& painter) {
  app::TEventsListRequest request;
  request.event = event.data->event;
  if (ageGroup) request.ageGroup = ageGroup->data->ageGroup;
  request.split = true;
  request.widths = {36, 143, 143, 53, 50};
  return app::DrawEventsList(painter, request);
}

// Every event with results or entries shows them, on its own node or on its age groups' nodes.
void DrawEventNodes(const app::TBrowseNodes& nodes, Counts& counts) {
  for (const app::TBrowseNode& session : nodes) {
    for (const app::TBrowseNode& event : session.children) {
      const auto& e = *event.data->event;
      if (e.GetResults()->GetCount() == 0 && e.GetEntries(0, nullptr)->GetCount() == 0) continue;
      ++counts.eventLists;
      app::TCountingPainter painter;
      bool shown = DrawEventList(event, nullptr, painter).header.visible;
      if (shown) EXPECT_GT(painter.texts, 0) << event.text;
      for (const app::TBrowseNode& group : event.children) {
        app::TCountingPainter groupPainter;
        app::TEventsListOutcome outcome = DrawEventList(event, &group, groupPainter);
        EXPECT_TRUE(outcome.shown) << group.text;
        if (outcome.header.visible) EXPECT_GT(groupPainter.texts, 0) << group.text;
        shown |= outcome.header.visible;
      }
      if (!shown) ++counts.emptyEventLists;
    }
  }
}

void DrawAthleteNodes(const app::TBrowseNodes& groups, Counts& counts) {
  for (const app::TBrowseNode& group : groups) {
    for (const app::TBrowseNode& club : group.children) {
      for (const app::TBrowseNode& member : club.children) {
        app::TClubsListRequest request;
        request.data = member.data;
        request.level = 2;
        request.split = true;
        request.widths = {45, 110, 110, 60, 40, 70};
        app::TCountingPainter painter;
        app::TClubsListOutcome outcome = app::DrawClubsList(painter, request);
        ASSERT_TRUE(outcome.drawn) << member.text;
        if (member.icon != app::kIconAthlete) continue;
        ++counts.athleteLists;
        if (painter.texts == 0) ++counts.emptyAthleteLists;
      }
    }
  }
}

}  // namespace

TEST(BrowseRealFiles, EveryEventAndAthleteNodeDrawsItsList) {
  auto files = testing_support::RealDataFiles("lenex3", {".lef", ".lxf"});
  if (files.empty()) GTEST_SKIP() << "no real data";
  app::TFlagMap flags;
  int index = 15;
  for (const std::string& code : app::FlagCodes()) flags.Add(code, index++);
  for (const std::string& file : files) {
    app::TOpenOutcome opened = app::OpenResultDocument(file);
    if (opened.kind != app::TOpenOutcome::Kind::Loaded) continue;
    auto meets = opened.document->GetMeets();
    for (const auto& meet : *meets) {
      app::TBrowseNodes events = app::FillEventsTree(*meet);
      app::TBrowseNodes clubs = app::FillClubsTree(*meet, flags);
      EXPECT_FALSE(events.empty()) << file;
      EXPECT_GE(clubs.size(), 1u) << file;
      Counts counts;
      DrawEventNodes(events, counts);
      DrawAthleteNodes(clubs, counts);
      // Nearly every list holds something; athletes of a meet are there because they swim.
      EXPECT_EQ(counts.emptyEventLists, 0) << file;
      EXPECT_LT(counts.emptyAthleteLists * 20, counts.athleteLists + 20) << file;
    }
  }
}
