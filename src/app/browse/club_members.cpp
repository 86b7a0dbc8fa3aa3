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

std::shared_ptr<TNodeData> Data(TNodeData::Kind kind) {
  auto data = std::make_shared<TNodeData>();
  data->kind = kind;
  return data;
}
}  // namespace

TEntryCounter::TEventFacts TEntryCounter::Facts(const lnx::IQbLenexEntry& element) {
  auto event = element.GetEvent();
  if (!event) return {};  // an entry of no event of this meet counts nowhere
  auto [it, added] = events_.try_emplace(event->GetId());
  if (added) it->second = {true, event->GetRound(), event->GetSwimStyle().IsRelay()};
  return it->second;
}

void TEntryCounter::CountResult(TClubStatistic& statistic, int place, const TEventFacts& facts) {
  const int round = facts.round;
  if (round == qbsw::kRoundSem) statistic.Add(9);
  if (round == qbsw::kRoundFin) statistic.Add(10);
  if (place >= 1 && place <= 3) statistic.Add(place);
  if (IsOneOf(round, {qbsw::kRoundTim, qbsw::kRoundPre, qbsw::kRoundFht})) statistic.Add(facts.relay ? 7 : 6);
}

void TEntryCounter::CountEntry(TClubStatistic& statistic, const TEventFacts& facts) {
  if (IsOneOf(facts.round, {qbsw::kRoundTim, qbsw::kRoundPre, qbsw::kRoundFht})) statistic.Add(facts.relay ? 5 : 4);
}

void TEntryCounter::CountEntryStatistics(TClubStatistic& clubStatistic, TClubStatistic& groupStatistic,
                                         const lnx::IQbLenexResults* results, const lnx::IQbLenexEntries* entries) {
  if (results && results->GetCount() > 0) {
    for (const auto& result : *results) {
      TEventFacts facts = Facts(*result);
      if (!facts.known) continue;
      // Places count in timed finals, fastest heats and finals only.
      int place = IsOneOf(facts.round, {qbsw::kRoundTim, qbsw::kRoundFht, qbsw::kRoundFin}) ? result->GetPlace() : 0;
      CountResult(clubStatistic, place, facts);
      CountResult(groupStatistic, place, facts);
    }
  } else if (entries) {
    for (const auto& entry : *entries) {
      TEventFacts facts = Facts(*entry);
      if (!facts.known) continue;
      CountEntry(clubStatistic, facts);
      CountEntry(groupStatistic, facts);
    }
  }
}

void AddClubMembers(const lnx::IQbLenexClub& club, TBrowseNode& clubNode, TClubStatistic& clubStatistic,
                    TClubStatistic& groupStatistic, TEntryCounter& counter) {
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
      counter.CountEntryStatistics(clubStatistic, groupStatistic, results.get(), entries.get());
    }
  }
  if (auto relays = club.GetRelays()) {
    for (const auto& relay : *relays) {
      auto data = Data(TNodeData::Kind::Relay);
      data->relay = relay;
      clubNode.children.push_back({relay->GetName(true), kIconRelay, data, {}});
      auto results = relay->GetResults(kDocumentOrder, 0);
      auto entries = relay->GetEntries(kDocumentOrder, 0);
      counter.CountEntryStatistics(clubStatistic, groupStatistic, results.get(), entries.get());
    }
  }
}

}  // namespace app
