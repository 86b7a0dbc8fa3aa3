// The events tree: sessions, their events in sort-key order, and the age groups of events with
// two or more of them.
#pragma once

#include "app/browse/browse_tree.h"

namespace app {

// "%d - %s - %s" of number, name and long date.
std::string SessionNodeText(const lnx::IQbLenexSession& session);
// The title, ", " and the round name unless the round is TIM, and ", " and the one age group's
// name when the event has exactly one.
std::string EventNodeText(const lnx::IQbLenexEvent& event);
std::string AgeGroupNodeText(const lnx::IQbLenexAgeGroup& ageGroup);

// Sessions by number, events by sort key, age groups by age range (undefined ranges last);
// any other pair is equal (0). Answers <0, 0, >0.
int TrvEventsCompare(const TBrowseNode& a, const TBrowseNode& b);

TBrowseNodes FillEventsTree(const lnx::IQbLenexMeet& meet, const TScanProgress& progress = {});

// "%d events scanned ..."
std::string EventsScannedText(int count);

}  // namespace app
