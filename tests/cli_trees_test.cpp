// lapscope-cli events and participants: the trees of the pages as text; and every list that the
// events tree of a real file names.
#include <gtest/gtest.h>

#include "app/browse/events_tree.h"
#include "base/qb_strings.h"
#include "cli_run.h"
#include "frame/language/language_manager.h"
#include "frame/language/language_table.h"
#include "frame/language/qb_language_txt_files.h"
#include "frame/language/swim_text_bridge.h"
#include "lenex/qb_lenex.h"
#include "report/app_reports/copy_text.h"
#include "test_support.h"

using testing_support::Cli;
using testing_support::DataPath;

TEST(CliTrees, EventsAndParticipantsOfTheSmallMeet) {
  const std::string file = "'" + DataPath("copy_text/meet.lef") + "'";
  auto events = Cli("events " + file, false);
  EXPECT_EQ(events.status, 0);
  EXPECT_EQ(events.out, testing_support::ReadFile(DataPath("copy_text/events.txt")));
  auto participants = Cli("participants " + file, false);
  EXPECT_EQ(participants.status, 0);
  EXPECT_EQ(participants.out, testing_support::ReadFile(DataPath("copy_text/participants.txt")));
  EXPECT_EQ(Cli("events " + file + " --event 10").status, 2);
  EXPECT_EQ(Cli("participants " + file + " --meet 2").status, 4);
}

namespace {
// Each event and age group node of the tree, with the event it belongs to.
void CopyEveryNamedList(const lnx::IQbLenexMeet& meet, const app::TBrowseNodes& nodes,
                        const std::shared_ptr<const lnx::IQbLenexEvent>& parent, const std::string& file, int& lists) {
  for (const auto& node : nodes) {
    std::shared_ptr<const lnx::IQbLenexEvent> event = parent;
    if (node.data && node.data->kind == app::TNodeData::Kind::Event) {
      // As "list --event ID" finds it.
      event = meet.FindEvent(node.data->event->GetId());
      ASSERT_TRUE(event) << file << " eventid " << node.data->event->GetId();
      std::string text = report::CopyEventText(*event, nullptr, {.splits = true});
      ASSERT_TRUE(qb::StartsWith(text, event->GetTitle())) << file;
      ++lists;
    } else if (node.data && node.data->kind == app::TNodeData::Kind::AgeGroup && event) {
      std::shared_ptr<const lnx::IQbLenexAgeGroup> group;
      auto groups = event->GetAgeGroups();
      for (const auto& g : *groups)
        if (g->GetId() == node.data->ageGroup->GetId()) {
          group = g;
          break;
        }
      ASSERT_TRUE(group) << file << " agegroupid " << node.data->ageGroup->GetId();
      std::string text = report::CopyEventText(*event, group.get(), {.validOnly = true, .splits = true});
      ASSERT_EQ(text, qb::Trim(text)) << file;
      ++lists;
    }
    CopyEveryNamedList(meet, node.children, event, file, lists);
  }
}
}  // namespace

TEST(CliTreesRealFiles, EveryEventAndAgeGroupTheTreeNamesGivesItsList) {
  auto files = testing_support::RealDataFiles("lenex3", {".lef", ".lxf", ".xml", ".zip"});
  if (files.empty()) GTEST_SKIP() << "no real data";
  frame::ConnectSwimValueTexts();
  frame::Language();
  frame::QbLanguage().SetLanguage(frame::kLanguageEnglish);
  int lists = 0;
  for (const auto& file : files) {
    auto doc = lnx::ReadLenexDocument(file);
    if (!doc->GetErrors().empty()) continue;
    auto meets = doc->GetMeets();
    for (const auto& meet : *meets) {
      auto tree = app::FillEventsTree(*meet);
      // Every event of the meet has its node.
      int eventNodes = 0;
      for (const auto& session : tree) eventNodes += static_cast<int>(session.children.size());
      EXPECT_EQ(eventNodes, meet->GetEvents(lnx::kEventsByNumber, 0)->GetCount()) << file;
      CopyEveryNamedList(*meet, tree, nullptr, file, lists);
    }
  }
  EXPECT_GT(lists, 0);
}
