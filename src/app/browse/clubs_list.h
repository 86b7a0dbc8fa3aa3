// The list of the participants page: the statistics (and contact) of a nation group or a club,
// or every result (else every entry) of an athlete or a relay team.
#pragma once

#include <memory>
#include <vector>

#include "app/browse/browse_tree.h"
#include "app/browse/list_painter.h"

namespace app {

struct TClubsListRequest {
  std::shared_ptr<const TNodeData> data;
  int level = 0;            // of the selected node
  bool split = false;       // chkTnSplit
  bool onlyValids = false;  // chkTnOnlyValids
  std::vector<int> widths;  // the six header sections
  bool pointTable = true;
};

struct TClubsListOutcome {
  bool drawn = false;
  bool resultsMode = false;
  TListHeader header;                                   // hidden for groups and clubs
  std::shared_ptr<const lnx::IQbLenexAthlete> athlete;  // the current athlete, none for relays
};

TClubsListOutcome DrawClubsList(TListPainter& painter, const TClubsListRequest& request);

// The statistics lines of a group or club (counters in the order 8, 4, 5, 6, 7, 1, 2, 3, 10, 9)
// and a club's contact block; answers the y after them.
int DrawClubStatistic(TListPainter& painter, const TClubStatistic& statistic);

}  // namespace app
