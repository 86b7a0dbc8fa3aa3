#include "app/browse/club_members.h"

#include "lenex/model/qb_lenex_event_intf.h"
#include "swim/qbsw_codes.h"

namespace app {

namespace {
bool IsOneOf(int round, std::initializer_list<int> rounds) {
  for (int r : rounds)
    if (round == r) return true;
  return false;
}

void CountResult(TClubStatistic& statistic, const lnx::IQbLenexResult& result) {
  auto event = result.GetEvent();
  if (!event) return;  // a result of no event of this meet counts nowhere
  const bool relay = event->GetSwimStyle().IsRelay();
  const int round = event->GetRound();
  if (round == qbsw::kRoundSem) statistic.Add(9);
  if (round == qbsw::kRoundFin) statistic.Add(10);
  if (IsOneOf(round, {qbsw::kRoundTim, qbsw::kRoundFht, qbsw::kRoundFin})) {
    const int place = result.GetPlace();
    if (place >= 1 && place <= 3) statistic.Add(place);
  }
  if (IsOneOf(round, {qbsw::kRoundTim, qbsw::kRoundPre, qbsw::kRoundFht})) statistic.Add(relay ? 7 : 6);
}

void CountEntry(TClubStatistic& statistic, const lnx::IQbLenexEntry& entry) {
  auto event = entry.GetEvent();
  if (!event) return;
  if (IsOneOf(event->GetRound(), {qbsw::kRoundTim, qbsw::kRoundPre, qbsw::kRoundFht}))
    statistic.Add(event->GetSwimStyle().IsRelay() ? 5 : 4);
}

std::shared_ptr<TNodeData> Data(TNodeData::Kind kind) {
  auto data = std::make_shared<TNodeData>();
  data->kind = kind;
  return data;
}
}  // namespace

void CountEntryStatistics(TClubStatistic& clubStatistic, TClubStatistic& groupStatistic,
                          const lnx::IQbLenexResults* results, const lnx::IQbLenexEntries* entries) {
  if (results && results->GetCount() > 0) {
    for (const auto& result : *results) {
      CountResult(clubStatistic, *result);
      CountResult(groupStatistic, *result);
    }
  } else if (entries) {
    for (const auto& entry : *entries) {
      CountEntry(clubStatistic, *entry);
      CountEntry(groupStatistic, *entry);
    }
  }
}

void AddClubMembers(const lnx::IQbLenexClub& club, TBrowseNode& clubNode, TClubStatistic& clubStatistic,
                    TClubStatistic& groupStatistic) {
  constexpr int kDocumentOrder = 0;
  if (auto athletes = club.GetAthletes(lnx::kAthletesByName)) {
    for (const auto& athlete : *athletes) {
      auto data = Data(TNodeData::Kind::Athlete);
      data->athlete = athlete;
      clubNode.children.push_back({athlete->GetFullNameWithBirthdate(), kIconAthlete, data, {}});
      clubStatistic.Add(8);
      groupStatistic.Add(8);
      auto results = athlete->GetResults(kDocumentOrder, 0);
      auto entries = athlete->GetEntries(kDocumentOrder, 0);
      CountEntryStatistics(clubStatistic, groupStatistic, results.get(), entries.get());
    }
  }
  if (auto relays = club.GetRelays()) {
    for (const auto& relay : *relays) {
      auto data = Data(TNodeData::Kind::Relay);
      data->relay = relay;
      clubNode.children.push_back({relay->GetName(true), kIconRelay, data, {}});
      auto results = relay->GetResults(kDocumentOrder, 0);
      auto entries = relay->GetEntries(kDocumentOrder, 0);
      CountEntryStatistics(clubStatistic, groupStatistic, results.get(), entries.get());
    }
  }
}

}  // namespace app
