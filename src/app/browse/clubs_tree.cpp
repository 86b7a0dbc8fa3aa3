#include "app/browse/clubs_tree.h"

#include <algorithm>

#include "app/browse/club_members.h"
#include "base/qb_strings.h"
#include "frame/language/language_manager.h"

namespace app {

using Kind = TNodeData::Kind;

namespace {
int Sign(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

// The top-level group nodes by code, in the order they were made.
class TGroupList {
 public:
  TGroupList(TBrowseNodes& roots, const TFlagMap& flags) : roots_(roots), flags_(flags) {}

  TBrowseNode& GroupNode(const std::string& code) {
    for (size_t i = 0; i < codes_.size(); ++i)
      if (codes_[i] == code) return roots_[i];
    int flag = flags_.IndexOf(code);
    auto data = std::make_shared<TNodeData>();
    data->kind = Kind::Group;
    data->statistic = std::make_shared<TClubStatistic>();
    codes_.push_back(code);
    // Groups are the only roots, so "after the last group" is the end.
    roots_.push_back({code, flag >= 0 ? flag : kIconNation, data, {}});
    return roots_.back();
  }

 private:
  TBrowseNodes& roots_;
  const TFlagMap& flags_;
  std::vector<std::string> codes_;
};

void SortLevel(TBrowseNodes& nodes, int level) {
  std::stable_sort(nodes.begin(), nodes.end(),
                   [level](const TBrowseNode& a, const TBrowseNode& b) { return TrvClubsCompare(a, b, level) < 0; });
  for (TBrowseNode& node : nodes) SortLevel(node.children, level + 1);
}
}  // namespace

int TrvClubsCompare(const TBrowseNode& a, const TBrowseNode& b, int level) {
  if (level == 2 && a.icon != b.icon && (a.icon == kIconAthlete || a.icon == kIconRelay) &&
      (b.icon == kIconAthlete || b.icon == kIconRelay))
    return a.icon > b.icon ? -1 : 1;
  return Sign(a.text.compare(b.text));
}

std::string ClubFlagKey(const lnx::IQbLenexClub& club) {
  std::string nation = club.GetNation();
  return nation.empty() ? std::string() : nation + "_" + club.GetCode();
}

TBrowseNodes FillClubsTree(const lnx::IQbLenexMeet& meet, const TFlagMap& flags, const TScanProgress& progress) {
  TBrowseNodes roots;
  // A group node is reached again for each club; roots grows only when a new group is made, so a
  // reference to one is held only within one club's step.
  TGroupList groups(roots, flags);
  groups.GroupNode(kOtherGroupCode);
  int count = 0;
  TEntryCounter counter;
  auto clubs = meet.GetClubs(lnx::kClubsByName);
  if (clubs) {
    for (const auto& club : *clubs) {
      if (progress) progress(++count);
      std::string nation = club->GetNation();
      std::string flagKey = ClubFlagKey(*club);
      TBrowseNode& group = groups.GroupNode(nation.empty() ? std::string(kOtherGroupCode) : nation);
      int flag = flagKey.empty() ? -1 : flags.IndexOf(flagKey);
      auto data = std::make_shared<TNodeData>();
      data->kind = Kind::Club;
      data->statistic = std::make_shared<TClubStatistic>(club);
      TBrowseNode clubNode{club->GetName(), flag >= 0 ? flag : kIconClub, data, {}};
      AddClubMembers(*club, clubNode, *data->statistic, *group.data->statistic, counter);
      group.children.push_back(std::move(clubNode));
    }
  }
  SortLevel(roots, 0);
  for (TBrowseNode& root : roots) {
    if (root.text == kOtherGroupCode && root.data && root.data->kind == Kind::Group) {
      root.text = frame::Language().GetText('V', 10);
      break;
    }
  }
  return roots;
}

std::string ClubsScannedText(int count) { return qb::Format("%d clubs scanned ...", count); }

}  // namespace app
