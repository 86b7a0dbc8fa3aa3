#include "lenex/entities/lnx_club.h"

#include <set>
#include <tuple>

#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_entry.h"
#include "lenex/entities/lnx_participants.h"
#include "lenex/entities/lnx_relay.h"
#include "lenex/model/qb_lenex_entry_intf.h"
#include "lenex/model/qb_lenex_event_intf.h"
#include "swim/qbsw_codes.h"
#include "swim/qbsw_person.h"
#include "swim/qbsw_unicode.h"

namespace lnx {

int TLnxClub::GetClubType() const {
  std::string type = Attr("type");
  if (type == "NATIONALTEAM") return kClubTypeNationalTeam;
  if (type == "REGIONALTEAM") return kClubTypeRegionalTeam;
  // A club without code and nation is no national team.
  std::string code = GetCode();
  return !code.empty() && GetNation() == code ? kClubTypeNationalTeam : kClubTypeClub;
}

std::string TLnxClub::GetCode() const {
  std::string code = Attr("code");
  return code == "0" ? std::string() : code;
}

std::string TLnxClub::GetNation() const {
  std::string nation = Attr("nation");
  if (nation.empty()) {
    TQbXmlElementPtr meet = Up(2);
    if (meet && meet->GetName() == "MEET") nation = meet->GetAttribute("nation");
  }
  if (nation.empty()) {
    std::string code = GetCode();
    std::string name = GetName();
    if (code.size() == 3)
      nation = code;
    else if (name.size() == 3)
      nation = name;
  }
  return qbsw::NormalizeNationCode(nation);
}

std::string TLnxClub::GetStatsKey() const {
  std::string key, previous;
  for (const std::string& part : {GetNation(), GetRegion(), GetCode()}) {
    if (part.empty() || part == previous) continue;
    if (!key.empty()) key += ".";
    key += part;
    previous = part;
  }
  return key;
}

std::shared_ptr<const IQbLenexContact> TLnxClub::GetContact() const { return ContactOf(Element(), Index()); }

std::string TLnxClub::GetStatsName() const { return GetStats()->GetDisplayName(); }

std::string TLnxClub::GetNameEn() const {
  std::string en = Attr("name.en");
  return en.empty() ? qbsw::PlainLetters(GetName()) : en;
}

std::string TLnxClub::GetShortName() const {
  std::string shortName = Attr("shortname");
  return shortName.empty() ? GetName() : shortName;
}

std::string TLnxClub::GetShortNameEn() const {
  // The English short name the file gives, else the short name in plain letters (a "shortname"
  // in other letters must not reach where plain letters are asked for).
  std::string en = Attr("shortname.en");
  return en.empty() ? qbsw::PlainLetters(GetShortName()) : en;
}

std::shared_ptr<const IQbLenexAthletes> TLnxClub::GetAthletes(int sortOrder) const {
  std::vector<std::shared_ptr<const IQbLenexAthlete>> athletes;
  for (const auto& a : ChildrenNamed(Element().FindChild(AtomOf("ATHLETES")), "ATHLETE"))
    athletes.push_back(Make<TLnxAthlete>(a));
  if (sortOrder == kAthletesByName)
    SortByKey(athletes, [](const auto& a) { return qbsw::FoldCase(a->GetFullName()); });
  else if (sortOrder == kAthletesByGenderAndName)
    SortByKey(athletes, [](const auto& a) { return std::make_pair(a->GetGender(), qbsw::FoldCase(a->GetFullName())); });
  return std::make_shared<IQbLenexAthletes>(std::move(athletes));
}

std::shared_ptr<const IQbLenexOfficials> TLnxClub::GetOfficials() const {
  return WrapAll<IQbLenexOfficial, TLnxOfficial>(ChildrenNamed(Element().FindChild(AtomOf("OFFICIALS")), "OFFICIAL"),
                                                 Index());
}

std::shared_ptr<const IQbLenexEntries> TLnxClub::GetRelayEntries(int sortOrder, TQbRoundSet rounds) const {
  return OwnEntries(ChildrenNamed(Element().FindChild(AtomOf("RELAYS")), "RELAY"), sortOrder, rounds, Index());
}

std::shared_ptr<const IQbLenexRelays> TLnxClub::GetRelays() const {
  return WrapAll<IQbLenexRelay, TLnxRelay>(ChildrenNamed(Element().FindChild(AtomOf("RELAYS")), "RELAY"), Index());
}

std::shared_ptr<const IQbLenexTeams> TLnxClub::GetTeams() const {
  return WrapAll<IQbLenexTeam, TLnxTeam>(ChildrenNamed(Element().FindChild(AtomOf("TEAMS")), "TEAM"), Index());
}

int TLnxClub::GetAthleteCount(TQbGenderSet genders) const { return GetStats()->GetAthleteCount(genders); }

int TLnxClub::GetStartCount(TQbGenderSet genders, bool relay) const {
  return GetStats()->GetStartCount(genders, relay);
}

std::shared_ptr<const IQbLenexClubStats> TLnxClub::GetStats() const {
  if (!stats_) stats_ = std::make_shared<TLnxClubStats>(*this);
  return stats_;
}

std::shared_ptr<const IQbLenexClub> TLnxClubs::FindByName(const IQbLenexClub& club) const {
  std::string name = club.GetName();
  for (const auto& c : items_)
    if (qbsw::EqualsAnyCase(c->GetName(), name)) return c;
  return nullptr;
}

namespace {

constexpr TQbRoundSet kStatsRounds = RoundBit(qbsw::kRoundTim) | RoundBit(qbsw::kRoundPre);

// Starts of one athlete or relay: every event once, from its results of rounds 1 and 2 and then
// its entries in those rounds.
template <class Owner>
int CountStarts(const Owner& owner) {
  std::set<int> events;
  auto results = owner.GetResults(0, kStatsRounds);
  for (const auto& r : *results)
    if (auto e = r->GetEvent()) events.insert(e->GetId());
  auto entries = owner.GetEntries(0, kStatsRounds);
  for (const auto& en : *entries)
    if (auto e = en->GetEvent()) events.insert(e->GetId());
  return static_cast<int>(events.size());
}

bool IsCountedGender(int gender) { return gender >= qbsw::kGenderMale && gender <= qbsw::kGenderMixed; }

}  // namespace

TLnxClubStats::TLnxClubStats(const IQbLenexClub& club) : name_(club.GetName()), key_(club.GetStatsKey()) {
  auto athletes = club.GetAthletes(0);  // the counts do not depend on the order
  for (const auto& a : *athletes) {
    int gender = a->GetGender();
    if (!IsCountedGender(gender)) continue;
    if (gender != qbsw::kGenderMixed) ++athletes_[gender];
    starts_[0][gender] += CountStarts(*a);
  }
  auto relays = club.GetRelays();
  for (const auto& r : *relays) {
    int gender = r->GetGender();
    if (IsCountedGender(gender)) starts_[1][gender] += CountStarts(*r);
  }
}

int TLnxClubStats::GetAthleteCount(TQbGenderSet genders) const {
  int count = 0;
  for (int g : {qbsw::kGenderMale, qbsw::kGenderFemale})
    if (genders & GenderBit(g)) count += athletes_[g];
  return count;
}

int TLnxClubStats::GetStartCount(TQbGenderSet genders, bool relay) const {
  int count = 0;
  for (int g = qbsw::kGenderMale; g <= qbsw::kGenderMixed; ++g)
    if (genders & GenderBit(g)) count += starts_[relay ? 1 : 0][g];
  return count;
}

std::string TLnxClubStats::GetDisplayName() const { return key_.empty() ? name_ : name_ + " (" + key_ + ")"; }

}  // namespace lnx
