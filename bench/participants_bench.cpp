// Building every event's result list (results joined to their event, placed by the rankings and
// put in result order) of a national-championship-sized meet: through the document's caches,
// first and later questions, and through the plain scans as a reference.
#include <benchmark/benchmark.h>

#include "lenex/entities/lnx_event.h"
#include "lenex/model/qb_lenex_entities_intf.h"
#include "lenex/qb_lenex.h"
#include "lenex/reader/qb_lenex_reader_default.h"
#include "synthetic_meet.h"

namespace {

constexpr std::size_t kMeetBytes = 20u << 20;

const std::string& MeetText() {
  static const std::string text = lapscope::bench::MakeSyntheticMeet(kMeetBytes);
  return text;
}

std::shared_ptr<lnx::TQbLenex> LoadMeet() {
  auto reader = lnx::TQbLenexReaderDefault::FromText(MeetText());
  return lnx::TQbLenex::FromReader(*reader, true);
}

// Every event's results; answers the number of results.
int64_t AllResultLists(const lnx::IQbLenex& doc) {
  int64_t count = 0;
  auto meets = doc.GetMeets();
  for (const auto& meet : *meets) {
    auto events = meet->GetEvents(-1, 0);
    for (const auto& event : *events) {
      auto results = event->GetResults();
      count += results->GetCount();
      if (results->GetCount() > 0) benchmark::DoNotOptimize(results->GetItem(0)->GetPlace());
    }
  }
  return count;
}

// A fresh document each time: the caches are built within the timing.
void BM_EventResultsFirstQuestion(benchmark::State& state) {
  int64_t results = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = LoadMeet();
    state.ResumeTiming();
    results = AllResultLists(*doc);
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.counters["results"] = static_cast<double>(results);
  state.SetItemsProcessed(state.iterations() * results);
}

// The same document asked again: the caches are checked, not built.
void BM_EventResultsAgain(benchmark::State& state) {
  auto doc = LoadMeet();
  int64_t results = AllResultLists(*doc);
  for (auto _ : state) benchmark::DoNotOptimize(AllResultLists(*doc));
  state.counters["results"] = static_cast<double>(results);
  state.SetItemsProcessed(state.iterations() * results);
}

// Views made outside the document's index scan the tree for every list and every place.
void BM_EventResultsByScans(benchmark::State& state) {
  auto doc = LoadMeet();
  lnx::TQbXmlElementList events;
  auto collect = [&](auto&& self, const lnx::TQbXmlElementPtr& e) -> void {
    if (e->GetName() == "EVENT") events.push_back(e);
    if (e->GetName() == "CLUBS") return;
    for (const auto& c : e->Children()) self(self, c);
  };
  collect(collect, doc->GetRoot());
  int64_t results = 0;
  for (auto _ : state) {
    results = 0;
    for (const auto& e : events) results += lnx::TLnxEvent(e, nullptr).GetResults()->GetCount();
  }
  state.counters["results"] = static_cast<double>(results);
  state.SetItemsProcessed(state.iterations() * results);
}

}  // namespace

BENCHMARK(BM_EventResultsFirstQuestion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EventResultsAgain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EventResultsByScans)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
