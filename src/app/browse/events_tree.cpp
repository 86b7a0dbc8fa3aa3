#include "app/browse/events_tree.h"

#include <algorithm>

#include "base/qb_strings.h"
#include "swim/qbsw_codes.h"
#include "swim/qbsw_date_text.h"
#include "swim/qbsw_language.h"

namespace app {

using Kind = TNodeData::Kind;

std::string SessionNodeText(const lnx::IQbLenexSession& session) {
  return qb::Format("%d - %s - %s", session.GetNumber(), session.GetName().c_str(),
                    qbsw::DateText(session.GetDate(), true).c_str());
}

std::string EventNodeText(const lnx::IQbLenexEvent& event) {
  std::string text = event.GetTitle();
  int round = event.GetRound();
  if (round != qbsw::kRoundTim) text += ", " + qbsw::TQbSwLanguage::Instance().RoundName(round);
  auto ageGroups = event.GetAgeGroups();
  if (ageGroups && ageGroups->GetCount() == 1)
    text += ", " + ageGroups->GetItem(0)->GetDisplayName(lnx::kAgeGroupNameOnly);
  return text;
}

std::string AgeGroupNodeText(const lnx::IQbLenexAgeGroup& ageGroup) {
  return ageGroup.GetDisplayName(lnx::kAgeGroupNameGenderWhenOther);
}

namespace {
int Sign(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

int CompareText(const std::string& a, const std::string& b) { return Sign(a.compare(b)); }

std::shared_ptr<TNodeData> Data(Kind kind) {
  auto data = std::make_shared<TNodeData>();
  data->kind = kind;
  return data;
}

template <class Compare>
void SortRecursively(TBrowseNodes& nodes, const Compare& compare) {
  std::stable_sort(nodes.begin(), nodes.end(),
                   [&](const TBrowseNode& a, const TBrowseNode& b) { return compare(a, b) < 0; });
  for (TBrowseNode& node : nodes) SortRecursively(node.children, compare);
}
}  // namespace

int TrvEventsCompare(const TBrowseNode& a, const TBrowseNode& b) {
  if (!a.data || !b.data || a.data->kind != b.data->kind) return 0;
  switch (a.data->kind) {
    case Kind::Session:
      return Sign(a.data->session->GetNumber() - b.data->session->GetNumber());
    case Kind::Event:
      return CompareText(a.data->event->GetSortKey(), b.data->event->GetSortKey());
    case Kind::AgeGroup:
      return CompareText(a.data->ageGroup->GetRange().GetSortKey(true), b.data->ageGroup->GetRange().GetSortKey(true));
    default:
      return 0;
  }
}

TBrowseNodes FillEventsTree(const lnx::IQbLenexMeet& meet, const TScanProgress& progress) {
  TBrowseNodes sessions;
  int count = 0;
  auto sessionList = meet.GetSessions();
  if (!sessionList) return sessions;
  for (const auto& session : *sessionList) {
    TBrowseNode sessionNode{SessionNodeText(*session), kIconSession, nullptr, {}};
    auto sessionData = Data(Kind::Session);
    sessionData->session = session;
    sessionNode.data = sessionData;
    auto events = session->GetEvents(lnx::kEventsByNumber, 0);
    for (const auto& event : *events) {
      TBrowseNode eventNode{EventNodeText(*event), kIconEvent, nullptr, {}};
      auto eventData = Data(Kind::Event);
      eventData->event = event;
      eventNode.data = eventData;
      if (progress) progress(++count);
      auto ageGroups = event->GetAgeGroups();
      if (ageGroups && ageGroups->GetCount() >= 2) {
        for (const auto& ageGroup : *ageGroups) {
          auto ageData = Data(Kind::AgeGroup);
          ageData->ageGroup = ageGroup;
          eventNode.children.push_back({AgeGroupNodeText(*ageGroup), kIconAgeGroup, ageData, {}});
        }
      }
      sessionNode.children.push_back(std::move(eventNode));
    }
    sessions.push_back(std::move(sessionNode));
  }
  SortRecursively(sessions, TrvEventsCompare);
  return sessions;
}

std::string EventsScannedText(int count) { return qb::Format("%d events scanned ...", count); }

}  // namespace app
