// The members of a club node in the participants tree, and the counting of their entries and
// results into the club's and its group's statistics.
#pragma once

#include "app/browse/browse_tree.h"
#include "lenex/model/qb_lenex_entry_intf.h"

namespace app {

// Adds the club's athletes (by name) and relays under the club node and counts them.
void AddClubMembers(const lnx::IQbLenexClub& club, TBrowseNode& clubNode, TClubStatistic& clubStatistic,
                    TClubStatistic& groupStatistic);

// Counts the results into both statistics, or, when there is none, the entries.
void CountEntryStatistics(TClubStatistic& clubStatistic, TClubStatistic& groupStatistic,
                          const lnx::IQbLenexResults* results, const lnx::IQbLenexEntries* entries);

}  // namespace app
