// The participants tree: nation groups (and the group of clubs without nation, always last),
// their clubs, and under each club its athletes and relay teams; every group and club node
// carries the counters of its participation.
#pragma once

#include "app/browse/browse_tree.h"
#include "app/flag_map.h"

namespace app {

// The code of the group of clubs without nation while the tree is built.
inline constexpr const char* kOtherGroupCode = "other";

// Level 2: athletes before relays (the higher icon first); otherwise, and within each kind, the
// ordinal comparison of the texts. Answers <0, 0, >0.
int TrvClubsCompare(const TBrowseNode& a, const TBrowseNode& b, int level);

// The flag key of a club: nation, "_" and club code; empty without nation.
std::string ClubFlagKey(const lnx::IQbLenexClub& club);

TBrowseNodes FillClubsTree(const lnx::IQbLenexMeet& meet, const TFlagMap& flags, const TScanProgress& progress = {});

// "%d clubs scanned ..."
std::string ClubsScannedText(int count);

}  // namespace app
