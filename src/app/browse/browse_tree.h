// The nodes of the two browse trees as the core builds them: text, icon, payload and children.
// The Qt trees copy them into their items; tests and the headless program read them directly.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lenex/model/qb_lenex_meet_intf.h"

namespace lnx {
class IQbLenexRelay;
}

namespace app {

// Icon places in the main window's image list.
enum TTreeIcon : int {
  kIconRelay = 5,
  kIconNation = 7,
  kIconAthlete = 9,
  kIconSession = 11,
  kIconEvent = 12,
  kIconAgeGroup = 13,
  kIconClub = 14
};

// The ten counters of a nation group or a club, numbered 1 to 10.
class TClubStatistic {
 public:
  TClubStatistic() = default;
  explicit TClubStatistic(std::shared_ptr<const lnx::IQbLenexClub> club) : club_(std::move(club)) {}
  int Get(int counter) const { return counter >= 1 && counter <= 10 ? counters_[static_cast<size_t>(counter)] : 0; }
  void Add(int counter) {
    if (counter >= 1 && counter <= 10) ++counters_[static_cast<size_t>(counter)];
  }
  const std::shared_ptr<const lnx::IQbLenexClub>& Club() const { return club_; }

 private:
  std::array<int, 11> counters_{};
  std::shared_ptr<const lnx::IQbLenexClub> club_;
};

// The payload of a node: one reference to a document object, or a statistic.
struct TNodeData {
  enum class Kind { Session, Event, AgeGroup, Group, Club, Athlete, Relay };
  Kind kind = Kind::Session;
  std::shared_ptr<const lnx::IQbLenexSession> session;
  std::shared_ptr<const lnx::IQbLenexEvent> event;
  std::shared_ptr<const lnx::IQbLenexAgeGroup> ageGroup;
  std::shared_ptr<const lnx::IQbLenexAthlete> athlete;
  std::shared_ptr<const lnx::IQbLenexRelay> relay;
  std::shared_ptr<TClubStatistic> statistic;  // groups and clubs
};

struct TBrowseNode {
  std::string text;
  int icon = 0;
  std::shared_ptr<const TNodeData> data;
  std::vector<TBrowseNode> children;
};

using TBrowseNodes = std::vector<TBrowseNode>;

// Called with the running count while a tree is built ("%d events scanned ...").
using TScanProgress = std::function<void(int count)>;

}  // namespace app
