// Loading a national-championship-sized meet: our document (scan, tree, id check) beside the
// DOM parse of two general XML libraries over the same bytes, as references.
#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <pugixml.hpp>

#include <filesystem>
#include <fstream>

#include "base/temp_files.h"
#include "lenex/qb_lenex.h"
#include "synthetic_meet.h"

namespace {

constexpr std::size_t kMeetBytes = 20u << 20;

const std::string& MeetText() {
  static const std::string text = lapscope::bench::MakeSyntheticMeet(kMeetBytes);
  return text;
}

const std::string& MeetFile() {
  static const std::string path = [] {
    std::string p = qb::TempFolder() + "/lapscope-bench-meet.lef";
    std::ofstream(p, std::ios::binary) << MeetText();
    return p;
  }();
  return path;
}

void BM_LapscopeLoad(benchmark::State& state) {
  const std::string& file = MeetFile();
  for (auto _ : state) {
    auto doc = lnx::ReadLenexDocument(file);
    if (!doc->GetErrors().empty()) state.SkipWithError(doc->GetErrors()[0].c_str());
    benchmark::DoNotOptimize(doc->GetRoot());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * MeetText().size()));
}

void BM_PugixmlParse(benchmark::State& state) {
  const std::string& text = MeetText();
  for (auto _ : state) {
    pugi::xml_document doc;
    auto result = doc.load_buffer(text.data(), text.size());
    if (!result) state.SkipWithError(result.description());
    benchmark::DoNotOptimize(doc.first_child());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * MeetText().size()));
}

void BM_Libxml2Parse(benchmark::State& state) {
  const std::string& text = MeetText();
  for (auto _ : state) {
    xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), "meet.lef", nullptr, XML_PARSE_HUGE);
    if (!doc) state.SkipWithError("libxml2 parse failed");
    xmlFreeDoc(doc);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * MeetText().size()));
}

}  // namespace

BENCHMARK(BM_LapscopeLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Libxml2Parse)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
