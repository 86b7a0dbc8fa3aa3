#include "lenex/entities/lnx_relay.h"

#include <algorithm>

#include "base/qb_strings.h"
#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_entry.h"
#include "lenex/entities/lnx_meet.h"
#include "lenex/entities/lnx_participants.h"
#include "lenex/model/qb_lenex_event_intf.h"
#include "swim/qbsw_language.h"
#include "swim/qbsw_unicode.h"

namespace lnx {

namespace {
const qbsw::TQbSwLanguage& Texts() { return qbsw::TQbSwLanguage::Instance(); }
}  // namespace

char RelayLetter(int number) { return static_cast<char>('A' + std::clamp(number, 1, 26) - 1); }

qbsw::TQbSwAgeRange TLnxRelay::TotalRange() const {
  return qbsw::TQbSwAgeRange(Int("agetotalmin"), Int("agetotalmax"));
}

qbsw::TQbSwAgeRange TLnxRelay::GetAgeRange() const {
  qbsw::TQbSwAgeRange total = TotalRange();
  return total.IsOpen() ? qbsw::TQbSwAgeRange(Int("agemin"), Int("agemax")) : total;
}

std::string TLnxRelay::GetAgeText() const {
  qbsw::TQbSwAgeRange range = GetAgeRange();
  return range.IsOpen() ? std::string() : Texts().LongAgeGroupText(range, GetGender(), 0);
}

std::shared_ptr<const IQbLenexEntries> TLnxRelay::GetEntries(int sortOrder, TQbRoundSet rounds) const {
  return OwnEntries({element_}, sortOrder, rounds, Index());
}

int TLnxRelay::GetGender() const { return Texts().GenderFromText(Attr("gender")); }

std::string TLnxRelay::GetOwnName() const {
  std::string name = Attr("name");
  TQbXmlElementPtr club = Up(2);
  if (name.empty() || !club || club->GetName() != "CLUB") return name;
  std::string clubName = club->GetAttribute("name");
  int number = GetNumber();
  for (const std::string& repeat :
       {clubName, clubName + " " + std::to_string(number), clubName + " " + std::string(1, RelayLetter(number))})
    if (qbsw::EqualsAnyCase(name, repeat)) return {};
  return name;
}

std::shared_ptr<const IQbLenexResults> TLnxRelay::GetResults(int sortOrder, TQbRoundSet rounds) const {
  return OwnResults(Element(), sortOrder, rounds, Index());
}

std::string TLnxRelay::GetName(bool withGender) const {
  std::string name = Attr("name");
  if (name.empty()) name = qb::Format("%d. team", GetNumber());
  if (withGender) name += ", " + Texts().GenderName(GetGender());
  return name;
}

int TLnxTeam::GetGender() const { return Texts().GenderFromText(Attr("gender")); }

std::shared_ptr<const IQbLenexTeamAthletes> TLnxTeam::GetTeamAthletes() const {
  return WrapAll<IQbLenexTeamAthlete, TLnxTeamAthlete>(Container("ENTRIES")->Children(), Index());
}

std::shared_ptr<const IQbLenexAthlete> TLnxTeamAthlete::GetAthlete() const {
  TQbXmlElementPtr meet = Ancestor("MEET");
  return meet ? Make<TLnxAthlete>(FindAthleteElement(*meet, GetAthleteId(), Index())) : nullptr;
}

std::shared_ptr<const IQbLenexResult> TLnxTeamAthlete::GetTeamResult() const {
  TQbXmlElementPtr meet = Ancestor("MEET");
  TQbXmlElementPtr athlete = meet ? FindAthleteElement(*meet, GetAthleteId(), Index()) : nullptr;
  if (!athlete) return nullptr;
  // The team's gender; the athlete's when the team names none.
  TQbXmlElementPtr team = Up(2);
  int gender = team ? Texts().GenderFromText(team->GetAttribute("gender")) : 0;
  if (gender == 0) gender = Texts().GenderFromText(athlete->GetAttribute("gender"));
  int eventNumber = (gender - 1) * 100 + GetNumber();
  auto results = ResultsInResultOrder(ChildrenNamed(athlete->FindChild(AtomOf("RESULTS")), "RESULT"), Index());
  for (const auto& r : *results)
    if (auto event = r->GetEvent(); event && event->GetNumber() == eventNumber) return r;
  return nullptr;
}

}  // namespace lnx
