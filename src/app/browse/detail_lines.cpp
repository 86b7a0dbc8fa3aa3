#include "app/browse/detail_lines.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/qb_strings.h"
#include "lenex/model/qb_lenex_event_intf.h"
#include "lenex/model/qb_lenex_session_intf.h"
#include "swim/qbsw_codes.h"
#include "swim/qbsw_swim_time.h"

namespace app {

namespace {
// The time text without "NT"; empty for a time that cannot be shown (also a negative lap).
std::string TimeText(std::int64_t time) {
  if (time < 1 || time > 2147483646) return {};
  return qbsw::SwimTimeToText(static_cast<std::int32_t>(time), false);
}

std::string Lap(std::int64_t lap) {
  std::string text = TimeText(lap);
  return text.empty() ? text : "(" + text + ")";
}

std::string DistanceLabel(bool yards, int distance) {
  return yards ? qb::Format("%dy:", distance) : qb::Format("%dm:", distance);
}

void Put(TListPainter& painter, int x, int y, int width, int flags, const std::string& text) {
  if (!text.empty()) painter.DrawText(x, y, width, flags, text);
}

int DrawRelayLines(TListPainter& painter, const lnx::IQbLenexEntry& element, const lnx::IQbLenexSplits* splits,
                   const qbsw::TQbSwSwimStyle& style, int course, bool yards, int c, int w, int y) {
  const int d = style.GetDistance();
  const int n = style.GetRelayCount();
  if (d <= 0 || n <= 0) return y;
  std::vector<std::shared_ptr<const lnx::IQbLenexPosition>> slots(static_cast<size_t>(n));
  if (auto positions = element.GetRelayPositions())
    for (const auto& position : *positions)
      if (position->GetNumber() >= 1 && position->GetNumber() <= n)
        slots[static_cast<size_t>(position->GetNumber() - 1)] = position;
  const int s = qbsw::PoolStep(course);
  std::int64_t previous = 0, legStart = 0;
  for (int D = 0; D < n * d; D += s) {
    bool nameLine = false;
    if (D % d == 0) {
      const auto& position = slots[static_cast<size_t>(D / d)];
      auto athlete = position && position->GetAthleteId() > 0 ? position->GetAthlete() : nullptr;
      if (athlete) {
        y += 15;
        Put(painter, c + 3, y, w - 5, kDrawLeft, athlete->GetFullName());
        nameLine = true;
      }
    }
    const int F = D + s;
    if (!splits) continue;
    const std::int32_t t = splits->GetSplitTime(F);
    if (t <= 0 || !qbsw::IsValidSwimTime(t)) continue;
    if (!nameLine) y += 15;
    Put(painter, c + w + 3, y, 0, kDrawLeft, DistanceLabel(yards, F));
    Put(painter, c + w + 85, y, 0, kDrawLeft, TimeText(t));
    Put(painter, c + w + 137, y, 0, kDrawLeft, Lap(t - previous));
    if (F % d == 0) {
      // A leg with splits inside it also shows the leg's own time.
      if (previous != legStart) Put(painter, c + w - 5, y, 0, kDrawRight, TimeText(t - legStart));
      legStart = t;
    }
    previous = t;
  }
  return y;
}

// The second split column starts w further right, yet never over the first column's lap times
// (drawn 137 right of the column, about 50 wide): with a narrow list w is only 160.
int SecondColumnOffset(int w) { return std::max(w, 190); }

int DrawSplitColumns(TListPainter& painter, const lnx::IQbLenexSplits& splits, bool yards, int c, int w, int y) {
  const int g = splits.GetCount();
  const int k = (g - 1) / 2 + 1;
  const int startY = y;
  std::int64_t previous = 0;
  for (int i = 0; i < g; ++i) {
    if (i == k) y = startY;
    const int x = i < k ? c : c + SecondColumnOffset(w);
    auto split = splits.GetItem(i);
    const std::int32_t time = split->GetSwimTime();
    y += 15;
    Put(painter, x + 3, y, 0, kDrawLeft, DistanceLabel(yards, split->GetDistance()));
    Put(painter, x + 85, y, 0, kDrawLeft, TimeText(time));
    if (!qbsw::IsValidSwimTime(time)) continue;  // a split without time leaves the previous one
    if (time + previous > 0) Put(painter, x + 137, y, 0, kDrawLeft, Lap(time - previous));
    previous = time;
  }
  return startY + 15 * k;
}
}  // namespace

int DrawDetailLines(TListPainter& painter, const lnx::IQbLenexEntry& element, int right, int left, int y) {
  auto event = element.GetEvent();
  std::shared_ptr<const lnx::IQbLenexSplits> splits;
  if (auto* result = dynamic_cast<const lnx::IQbLenexResult*>(&element)) {
    splits = result->GetSplits();
    if (splits && splits->GetCount() == 0) splits.reset();
  }
  y += 1;
  auto session = event ? event->GetSession() : nullptr;
  const int course = session ? session->GetCourse() : 0;
  const bool yards = course == qbsw::kCourseScy;
  const int w = std::clamp(right - left - 137, 160, 220);
  if (event) {
    qbsw::TQbSwSwimStyle style = event->GetSwimStyle();
    if (style.IsRelay())
      y = DrawRelayLines(painter, element, splits.get(), style, course, yards, left, w, y);
    else if (splits)
      y = DrawSplitColumns(painter, *splits, yards, left, w, y);
  }
  return y + 5;
}

}  // namespace app
