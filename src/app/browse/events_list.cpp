#include "app/browse/events_list.h"

#include "app/browse/detail_lines.h"
#include "base/qb_strings.h"
#include "frame/language/language_manager.h"
#include "lenex/model/qb_lenex_agegroup_intf.h"
#include "lenex/model/qb_lenex_heat_intf.h"
#include "swim/qbsw_codes.h"

namespace app {

namespace {
void Put(TListPainter& painter, int x, int y, int width, int flags, const std::string& text) {
  if (!text.empty()) painter.DrawText(x, y, width, flags, text);
}

bool AgeGroupsClaimResults(const lnx::IQbLenexEvent& event) {
  auto ageGroups = event.GetAgeGroups();
  if (!ageGroups || ageGroups->GetCount() <= 1) return false;
  for (const auto& ageGroup : *ageGroups) {
    auto results = ageGroup->GetResults();
    if (results && results->GetCount() > 0) return true;
  }
  return false;
}

void DrawResults(TListPainter& painter, const TEventsListRequest& request, const TColumnEdges& cols,
                 const lnx::IQbLenexResults& results, bool mixed, bool relay, int rowHeight) {
  int y = 5;
  int i = -1;
  for (const auto& result : results) {
    ++i;
    const bool valid = qbsw::IsValidResultStatus(result->GetResultStatus());
    if (request.onlyValids && !valid) continue;
    Put(painter, cols.Width(0) / 2, y, 0, kDrawCentre, result->GetPlaceText());
    const int highlight = i == request.foundRow ? kDrawHighlight : 0;
    Put(painter, cols.Left(1) + 3, y, cols.Width(1) - 6, highlight, result->GetName(mixed));
    if (auto club = result->GetClub()) Put(painter, cols.Left(2) + 3, y, cols.Width(2) - 6, kDrawLeft, club->GetName());
    Put(painter, cols.Right(3) - 3, y, 0, kDrawRight | (valid ? kDrawBold : kDrawItalic), result->GetSwimTimeText());
    Put(painter, cols.Right(4) + 5, y, 0, kDrawLeft, result->GetComment());
    if (result->GetPoints() > 0)
      Put(painter, (cols.Left(4) + cols.Right(4)) / 2 - 2, y, 0, kDrawCentre, std::to_string(result->GetPoints()));
    if (request.split || relay) {
      y = DrawDetailLines(painter, *result, cols.Right(3) - 5, cols.Width(0), y);
      painter.DrawLine(5, y + 14, cols.Right(3) - 1, y + 14, 1);
    }
    y += rowHeight;
  }
}

void DrawEntries(TListPainter& painter, const TEventsListRequest& request, const TColumnEdges& cols,
                 const lnx::IQbLenexEntries& entries, bool mixed, bool relay, int rowHeight) {
  int y = 5;
  int i = -1;
  for (const auto& entry : entries) {
    ++i;
    const int highlight = i == request.foundRow ? kDrawHighlight : 0;
    Put(painter, cols.Left(1) + 3, y, cols.Width(1) - 6, highlight, entry->GetName(mixed));
    if (auto club = entry->GetClub()) Put(painter, cols.Left(2) + 3, y, cols.Width(2) - 6, kDrawLeft, club->GetName());
    Put(painter, cols.Right(3) - 3, y, 0, kDrawRight, entry->GetEntryTimeText());
    auto heat = entry->GetHeat();
    if (heat && heat->GetNumber() > 0)
      Put(painter, cols.Left(4) + 10, y, 0, kDrawLeft, qb::Format("%d / %d", heat->GetNumber(), entry->GetLane()));
    if (relay) {
      y = DrawDetailLines(painter, *entry, cols.Right(3) - 5, cols.Width(0), y);
      painter.DrawLine(5, y + 14, cols.Right(3) - 1, y + 14, 1);
    }
    y += rowHeight;
  }
}
}  // namespace

TEventsListOutcome DrawEventsList(TListPainter& painter, const TEventsListRequest& request) {
  TEventsListOutcome outcome;
  if (!request.event) return outcome;
  const lnx::IQbLenexEvent& event = *request.event;
  outcome.rowHeight = request.split ? 17 : 15;
  outcome.resultsMode = true;

  std::shared_ptr<const lnx::IQbLenexResults> results;
  std::shared_ptr<const lnx::IQbLenexEntries> entries;
  if (request.ageGroup) {
    results = request.ageGroup->GetResults();
  } else {
    results = event.GetResults();
    if (results && results->GetCount() > 0) {
      // The results belong to the age groups: the user picks one. When no age group names any
      // of them (LENEX 3 results carry no age group), the event shows them all.
      if (AgeGroupsClaimResults(event)) return outcome;
    } else {
      outcome.resultsMode = false;
      entries = event.GetEntries(lnx::kEntriesByEntryTime, nullptr);
    }
  }
  outcome.shown = true;
  const int gender = event.GetGender();
  const bool mixed = gender != qbsw::kGenderMale && gender != qbsw::kGenderFemale;
  const bool relay = event.GetSwimStyle().IsRelay();

  frame::TLanguage& language = frame::Language();
  TColumnEdges cols(request.widths);
  const int count = outcome.resultsMode ? (results ? results->GetCount() : 0) : (entries ? entries->GetCount() : 0);
  TListHeader& header = outcome.header;
  if (outcome.resultsMode) {
    header.timeTitle = language.GetText('V', 11);
    header.lastTitle = language.GetText('V', 12);
    header.lastAlign = TListHeader::Align::Centre;
    header.lastWidth = request.pointTable ? 40 : 0;
  } else {
    header.timeTitle = language.GetText('S', 17);
    header.lastTitle = language.GetText('V', 13);
    header.lastAlign = TListHeader::Align::Left;
    header.lastWidth = 70;
  }
  cols.SetWidth(4, header.lastWidth);
  header.visible = count > 0;

  if (outcome.resultsMode && results)
    DrawResults(painter, request, cols, *results, mixed, relay, outcome.rowHeight);
  else if (entries)
    DrawEntries(painter, request, cols, *entries, mixed, relay, outcome.rowHeight);
  return outcome;
}

int FoundRowScrollPosition(int foundRow, int rowHeight, int clientHeight) {
  if (foundRow < 0) return -1;
  const int bottom = (foundRow + 3) * rowHeight;
  return bottom >= clientHeight ? bottom - clientHeight : -1;
}

}  // namespace app
