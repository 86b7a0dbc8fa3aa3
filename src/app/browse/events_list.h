// The list of the events page: the ranked results of an event or age group, or, for an event
// without results, its entries by entry time.
#pragma once

#include <memory>
#include <vector>

#include "app/browse/list_painter.h"
#include "lenex/model/qb_lenex_event_intf.h"

namespace app {

struct TEventsListRequest {
  std::shared_ptr<const lnx::IQbLenexEvent> event;
  std::shared_ptr<const lnx::IQbLenexAgeGroup> ageGroup;  // none: the event node is selected
  bool split = false;                                     // chkEvSplit
  bool onlyValids = false;                                // chkEvOnlyValids
  int foundRow = -1;
  std::vector<int> widths;  // the five header sections
  bool pointTable = true;   // the meet gives a point table
};

struct TEventsListOutcome {
  // The event (and age group) whose list is shown; none when nothing is drawn.
  bool shown = false;
  bool resultsMode = false;
  int rowHeight = 15;
  TListHeader header;
};

// Steps 4 to 8 of a change of the events tree's selection: draws the rows and says what the
// header and the window should show.
TEventsListOutcome DrawEventsList(TListPainter& painter, const TEventsListRequest& request);

// The vertical scroll position that brings the found row into view, or -1 to stay at the top.
int FoundRowScrollPosition(int foundRow, int rowHeight, int clientHeight);

}  // namespace app
