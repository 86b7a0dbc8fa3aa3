// The members of a club node in the participants tree, and the counting of their entries and
// results into the club's and its group's statistics.
#pragma once

#include <unordered_map>

#include "app/browse/browse_tree.h"
#include "lenex/model/qb_lenex_entry_intf.h"

namespace app {

// Counts entries and results into statistics. The round and kind of each event are read once
// per event id (an entry finds its event by that id, so the answer is the same).
class TEntryCounter {
 public:
  // Counts the results into both statistics, or, when there is none, the entries.
  void CountEntryStatistics(TClubStatistic& clubStatistic, TClubStatistic& groupStatistic,
                            const lnx::IQbLenexResults* results, const lnx::IQbLenexEntries* entries);

 private:
  struct TEventFacts {
    bool known = false;  // the element has an event
    int round = 0;
    bool relay = false;
  };
  TEventFacts Facts(const lnx::IQbLenexEntry& element);
  void CountResult(TClubStatistic& statistic, int place, const TEventFacts& facts);
  void CountEntry(TClubStatistic& statistic, const TEventFacts& facts);
  std::unordered_map<int, TEventFacts> events_;
};

// Adds the club's athletes (by name) and relays under the club node and counts them.
void AddClubMembers(const lnx::IQbLenexClub& club, TBrowseNode& clubNode, TClubStatistic& clubStatistic,
                    TClubStatistic& groupStatistic, TEntryCounter& counter);

}  // namespace app
