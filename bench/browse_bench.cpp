// The browse pages over a 20 MB generated meet: building both trees beside loading the file, and
// drawing the list of the largest event (results, and results with every split) into a counting
// painter.
#include <benchmark/benchmark.h>

#include <fstream>

#include "app/browse/clubs_tree.h"
#include "app/browse/events_list.h"
#include "app/browse/events_tree.h"
#include "app/browse/recording_painter.h"
#include "app/flag_map.h"
#include "base/temp_files.h"
#include "lenex/qb_lenex.h"
#include "synthetic_meet.h"

namespace {

constexpr std::size_t kMeetBytes = 20u << 20;

const std::string& MeetFile() {
  static const std::string path = [] {
    std::string p = qb::TempFolder() + "/lapscope-browse-bench-meet.lef";
    std::ofstream(p, std::ios::binary) << lapscope::bench::MakeSyntheticMeet(kMeetBytes);
    return p;
  }();
  return path;
}

const lnx::TQbLenexPtr& Document() {
  static const lnx::TQbLenexPtr doc = lnx::ReadLenexDocument(MeetFile());
  return doc;
}

std::shared_ptr<const lnx::IQbLenexMeet> Meet() { return Document()->GetMeets()->GetItem(0); }

app::TFlagMap Flags() {
  app::TFlagMap flags;
  int index = 15;
  for (const std::string& code : app::FlagCodes()) flags.Add(code, index++);
  return flags;
}

// The event with the most results.
std::shared_ptr<const lnx::IQbLenexEvent> LargestEvent() {
  static const std::shared_ptr<const lnx::IQbLenexEvent> largest = [] {
    std::shared_ptr<const lnx::IQbLenexEvent> best;
    int most = -1;
    auto events = Meet()->GetEvents(lnx::kEventsByNumber, 0);
    for (const auto& event : *events) {
      int count = event->GetResults()->GetCount();
      if (count > most) most = count, best = event;
    }
    return best;
  }();
  return largest;
}

void BM_LoadMeet(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lnx::ReadLenexDocument(MeetFile())->GetRoot());
}

void BM_FillEventsTree(benchmark::State& state) {
  auto meet = Meet();
  for (auto _ : state) benchmark::DoNotOptimize(app::FillEventsTree(*meet).size());
}

void BM_FillClubsTree(benchmark::State& state) {
  auto meet = Meet();
  app::TFlagMap flags = Flags();
  for (auto _ : state) benchmark::DoNotOptimize(app::FillClubsTree(*meet, flags).size());
}

void BM_DrawLargestEvent(benchmark::State& state) {
  auto event = LargestEvent();
  app::TEventsListRequest request;
  request.event = event;
  request.split = state.range(0) != 0;
  request.widths = {36, 143, 143, 53, 50};
  // The event node shows its results unless its age groups hold them: then the largest group.
  app::TCountingPainter probe;
  if (!app::DrawEventsList(probe, request).header.visible) {
    int most = -1;
    auto groups = event->GetAgeGroups();
    for (const auto& group : *groups) {
      int count = group->GetResults()->GetCount();
      if (count > most) most = count, request.ageGroup = group;
    }
  }
  long texts = 0;
  for (auto _ : state) {
    app::TCountingPainter painter;
    app::DrawEventsList(painter, request);
    texts = painter.texts;
  }
  state.counters["texts"] = static_cast<double>(texts);
  state.counters["results"] = static_cast<double>(event->GetResults()->GetCount());
}

}  // namespace

BENCHMARK(BM_LoadMeet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillEventsTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillClubsTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLargestEvent)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
