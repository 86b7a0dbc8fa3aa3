// The intermediate-time block of the copied text: relay swimmers with their legs, or the splits
// of an individual swim in two columns.
#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "base/qb_strings.h"
#include "lenex/model/qb_lenex_session_intf.h"
#include "report/app_reports/copy_text.h"
#include "swim/qbsw_codes.h"
#include "swim/qbsw_swim_time.h"

namespace report {

namespace {

using lnx::IQbLenexEntry;

// Longest distance the relay walk goes through; real swims stay far below it, a hostile file
// with a huge distance would otherwise walk billions of steps.
constexpr std::int64_t kMaxWalkDistance = 1000000;

struct TBlockFrame {
  int step = 1;
  std::string unit = "m";
  int legDistance = 0;
  int relayCount = 1;
};

TBlockFrame FrameOf(const IQbLenexEntry& item) {
  TBlockFrame frame;
  auto event = item.GetEvent();
  if (!event) return frame;
  auto session = event->GetSession();
  int course = session ? session->GetCourse() : qbsw::kCourseNone;
  frame.step = qbsw::PoolStep(course);
  frame.unit = course == qbsw::kCourseScy ? "y" : "m";
  qbsw::TQbSwSwimStyle style = event->GetSwimStyle();
  frame.legDistance = style.GetDistance();
  frame.relayCount = std::max(style.GetRelayCount(), 1);
  return frame;
}

std::string Label(const TBlockFrame& frame, int distance) { return qb::Format("%d%s:", distance, frame.unit.c_str()); }

std::string TimeText(std::int32_t time) { return qbsw::SwimTimeToText(time, false); }

// Split times by distance; the first split of a distance counts.
std::map<int, std::int32_t> SplitTimes(const lnx::IQbLenexSplits* splits) {
  std::map<int, std::int32_t> times;
  if (splits)
    for (const auto& s : *splits) times.emplace(s->GetDistance(), s->GetSwimTime());
  return times;
}

void TrimTrailing(std::string& text) {
  while (!text.empty() && qb::IsBlank(text.back())) text.pop_back();
}

std::string RelayBlock(const TBlockFrame& frame, const lnx::IQbLenexPositions& positions,
                       const std::map<int, std::int32_t>& times) {
  const int n = frame.relayCount;
  const int d = frame.legDistance;
  std::vector<std::shared_ptr<const lnx::IQbLenexPosition>> legs(static_cast<size_t>(n));
  for (const auto& p : positions)
    if (p->GetNumber() >= 1 && p->GetNumber() <= n) legs[static_cast<size_t>(p->GetNumber() - 1)] = p;

  std::string text;
  std::int32_t previousTime = 0, previousLegEnd = 0;
  const std::int64_t total = std::min<std::int64_t>(static_cast<std::int64_t>(d) * n, kMaxWalkDistance);
  for (std::int64_t t = 0; t < total; t += frame.step) {
    const std::int64_t s = t + frame.step;
    // The text so far loses its trailing blanks, so steps that showed nothing leave no line.
    if (!text.empty()) {
      TrimTrailing(text);
      text += kCopyLineEnd;
    }
    text += '\t';
    if (d > 0 && t % d == 0) {
      const auto& position = legs[static_cast<size_t>(t / d)];
      if (auto athlete = position ? position->GetAthlete() : nullptr) text += athlete->GetFullNameWithBirthdate();
    }
    auto found = times.find(static_cast<int>(s));
    if (found == times.end() || !qbsw::IsValidSwimTime(found->second)) continue;
    const std::int32_t time = found->second;
    const bool endsLeg = d > 0 && s % d == 0;
    text += '\t';
    if (endsLeg && previousLegEnd != previousTime) text += TimeText(time - previousLegEnd);
    text +=
        '\t' + Label(frame, static_cast<int>(s)) + '\t' + TimeText(time) + "\t(" + TimeText(time - previousTime) + ')';
    previousTime = time;
    if (endsLeg) previousLegEnd = time;
  }
  return text + kCopyLineEnd;
}

std::string SplitPart(const TBlockFrame& frame, const lnx::IQbLenexSplit& split, std::int32_t lap) {
  std::string part = '\t' + Label(frame, split.GetDistance()) + '\t';
  std::int32_t time = split.GetSwimTime();
  if (qbsw::IsValidSwimTime(time)) return part + TimeText(time) + "\t(" + TimeText(lap) + ')';
  return part + '\t';
}

std::string SplitsBlock(const TBlockFrame& frame, const lnx::IQbLenexSplits& splits) {
  const int k = splits.GetCount();
  // Laps in the order of the splits; a lap next to a split without time is unknown (0, no text).
  std::vector<std::int32_t> laps(static_cast<size_t>(k), 0);
  std::int32_t previous = 0;
  bool previousKnown = true;
  for (int i = 0; i < k; ++i) {
    std::int32_t time = splits.GetItem(i)->GetSwimTime();
    bool known = qbsw::IsValidSwimTime(time);
    if (known && previousKnown) laps[static_cast<size_t>(i)] = time - previous;
    previous = known ? time : 0;
    previousKnown = known;
  }
  const int rows = (k + 1) / 2;
  std::string text;
  for (int i = 0; i < rows; ++i) {
    text += SplitPart(frame, *splits.GetItem(i), laps[static_cast<size_t>(i)]);
    if (i + rows < k) text += SplitPart(frame, *splits.GetItem(i + rows), laps[static_cast<size_t>(i + rows)]);
    text += kCopyLineEnd;
  }
  return text;
}

}  // namespace

std::string IntermediateTimesText(const IQbLenexEntry& item) {
  auto positions = item.GetRelayPositions();
  const auto* result = dynamic_cast<const lnx::IQbLenexResult*>(&item);
  auto splits = result ? result->GetSplits() : nullptr;
  const bool hasPositions = positions && positions->GetCount() > 0;
  const bool hasSplits = splits && splits->GetCount() > 0;
  if (!hasPositions && !hasSplits) return {};
  TBlockFrame frame = FrameOf(item);
  if (hasPositions) return RelayBlock(frame, *positions, SplitTimes(splits.get()));
  return SplitsBlock(frame, *splits);
}

}  // namespace report
