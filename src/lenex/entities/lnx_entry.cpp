#include "lenex/entities/lnx_entry.h"

#include <tuple>

#include "base/qb_strings.h"
#include "lenex/entities/lnx_agegroup.h"
#include "lenex/entities/lnx_club.h"
#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_document_index.h"
#include "lenex/entities/lnx_entry_parts.h"
#include "lenex/entities/lnx_event.h"
#include "lenex/entities/lnx_heat.h"
#include "lenex/entities/lnx_meet.h"
#include "lenex/entities/lnx_participants.h"
#include "lenex/entities/lnx_relay.h"
#include "lenex/model/qb_lenex_event_intf.h"
#include "lenex/qb_attribute_forms.h"
#include "swim/qbsw_date_text.h"
#include "swim/qbsw_language.h"
#include "swim/qbsw_swim_time.h"

namespace lnx {

namespace {

const qbsw::TQbSwLanguage& Texts() { return qbsw::TQbSwLanguage::Instance(); }

bool IsRelayElement(const TQbXmlElementPtr& e) { return e && e->GetName() == "RELAY"; }

// The DSQ swim time some meet programs write for "no time".
constexpr std::int32_t kDsqPlaceholderTime = 3590500;  // 00:59:50.50
constexpr int kStatusDsq = 2;

}  // namespace

template <class Intf>
TQbXmlElementPtr TLnxEntryOf<Intf>::EventElement() const {
  if (!eventElement_ && !eventLooked_) {
    eventLooked_ = true;
    TQbXmlElementPtr meet = Ancestor("MEET");
    if (meet) eventElement_ = FindEventElement(*meet, Int("eventid"), Index());
  }
  return eventElement_;
}

template <class Intf>
std::string TLnxEntryOf<Intf>::GetBirthYearText() const {
  TQbXmlElementPtr owner = Up(2);
  if (!owner || IsRelayElement(owner)) return {};
  qb::TDateTime birth = owner->GetAsDate("birthdate");
  return birth == 0 ? std::string() : qb::Format("%.2d", qb::DecodeDate(birth).year % 100);
}

template <class Intf>
std::shared_ptr<const IQbLenexAthlete> TLnxEntryOf<Intf>::GetAthlete() const {
  return Make<TLnxAthlete>(Up(2));
}

template <class Intf>
std::shared_ptr<const IQbLenexClub> TLnxEntryOf<Intf>::GetClub() const {
  return Make<TLnxClub>(Up(4));
}

template <class Intf>
int TLnxEntryOf<Intf>::GetGender() const {
  TQbXmlElementPtr owner = Up(2);
  return owner ? Texts().GenderFromText(owner->GetAttribute("gender")) : 0;
}

template <class Intf>
std::int32_t TLnxEntryOf<Intf>::GetEntryTime() const {
  std::int32_t time = EntryElement()->GetAsSwimTime("entrytime");
  return time >= 1 && time <= kNoSwimTime - 1 ? time : kNoSwimTime;
}

template <class Intf>
std::string TLnxEntryOf<Intf>::GetEntryTimeText() const {
  return qbsw::SwimTimeToText(GetEntryTime(), true);
}

template <class Intf>
std::shared_ptr<const IQbLenexEvent> TLnxEntryOf<Intf>::GetEvent() const {
  if (!event_) event_ = Make<TLnxEvent>(EventElement());
  return event_;
}

template <class Intf>
std::shared_ptr<const IQbLenexHeat> TLnxEntryOf<Intf>::GetHeat() const {
  TQbXmlElementPtr source = HeatAndLaneElement();
  // Only a "heatid" that is there names a heat (an id of 0 would find heats without one).
  TQbXmlElementPtr event = EventElement();
  if (event && source->HasAttribute("heatid")) {
    int heatId = source->GetAsInteger("heatid");
    for (const auto& h : ChildrenNamed(event->FindChild(AtomOf("HEATS")), "HEAT"))
      if (h->GetAsInteger("heatid") == heatId) return Make<TLnxHeat>(h);
  }
  if (source->HasAttribute("heat")) return std::make_shared<TLnxHeatNumber>(source->GetAsInteger("heat"));
  return std::make_shared<TLnxHeatNumber>(kNoHeatNumber);
}

template <class Intf>
int TLnxEntryOf<Intf>::GetLane() const {
  return HeatAndLaneElement()->GetAsInteger("lane");
}

template <class Intf>
std::shared_ptr<const IQbLenexMeetInfo> TLnxEntryOf<Intf>::GetMeetInfo() const {
  return Make<TLnxMeetInfo>(EntryElement()->GetOrCreateChild("MEETINFO"));
}

template <class Intf>
std::string TLnxEntryOf<Intf>::GetName(bool withGender) const {
  TQbXmlElementPtr owner = Up(2);
  if (!owner) return {};
  if (IsRelayElement(owner)) return Make<TLnxRelay>(owner)->GetName(withGender);
  return Make<TLnxAthlete>(owner)->GetFullName();
}

template <class Intf>
std::shared_ptr<const IQbLenexPositions> TLnxEntryOf<Intf>::GetRelayPositions() const {
  return PositionsOf(*element_, Index());
}

template <class Intf>
std::shared_ptr<const IQbLenexRelay> TLnxEntryOf<Intf>::GetRelay() const {
  TQbXmlElementPtr owner = Up(2);
  return IsRelayElement(owner) ? Make<TLnxRelay>(owner) : nullptr;
}

template <class Intf>
int TLnxEntryOf<Intf>::GetStatus() const {
  return Texts().StatusFromText(Attr("status"));
}

template <class Intf>
void TLnxEntryOf<Intf>::ReplaceMeetInfo(const TQbXmlElementPtr& meetInfo) const {
  ReplaceMeetInfoOf(*EntryElement(), meetInfo);
}

template class TLnxEntryOf<IQbLenexEntry>;
template class TLnxEntryOf<IQbLenexResult>;

TQbXmlElementPtr TLnxResult::EntryElement() const {
  if (!entry_) {
    TQbXmlElementPtr owner = Up(2);
    if (!owner) return entry_ = NewXmlElement("ENTRY");  // a result outside any athlete or relay
    std::string eventId = Attr("eventid");
    entry_ = owner->GetOrCreateChild("ENTRIES")->GetOrCreateChildWith("ENTRY", "eventid", eventId);
  }
  return entry_;
}

TQbXmlElementPtr TLnxResult::HeatAndLaneElement() const {
  const IQbXmlElement& own = Element();
  if (own.HasAttribute("heatid") || own.HasAttribute("heat") || own.HasAttribute("lane")) return element_;
  return EntryElement();
}

std::shared_ptr<const IQbLenexAgeGroup> TLnxResult::GetAgeGroup() const {
  // A result that names no age group has none (an id of 0 would find groups without an id).
  if (!Element().HasAttribute("agegroupid")) return nullptr;
  TQbXmlElementPtr event = EventElement();
  return event ? Make<TLnxAgeGroup>(FindAgeGroupElement(*event, Int("agegroupid"))) : nullptr;
}

int TLnxResult::GetPlace() const {
  TQbXmlElementPtr root = Ancestor("LENEX");
  std::string version = root ? root->GetAttribute("version") : std::string();
  // LENEX 3: the best place a ranking of one of the event's age groups gives this result. A
  // result that no ranking names (files without RANKINGS, results without "resultid") keeps its
  // own place, as before 3.0.
  if (version >= "3.0" && Element().HasAttribute("resultid")) {
    if (TQbXmlElementPtr event = EventElement()) {
      int place = Index() ? Index()->RankingPlace(*event, GetId()) : ScanRankingPlace(*event, GetId());
      if (place > 0) return place;
    }
  }
  int place = Int("place");
  return place <= 0 || place == 9999 ? kNoPlace : place;
}

std::string TLnxResult::GetPlaceText() const {
  int place = GetPlace();
  return Texts().PlaceText(GetStatus(), place == kNoPlace ? 0 : place);
}

std::shared_ptr<const IQbLenexSplits> TLnxResult::GetSplits() const {
  std::vector<std::shared_ptr<const IQbLenexSplit>> splits;
  for (const auto& s : ChildrenNamed(Element().FindChild(AtomOf("SPLITS")), "SPLIT"))
    splits.push_back(Make<TLnxSplit>(s));
  return std::make_shared<TLnxSplits>(std::move(splits));
}

std::int32_t TLnxResult::GetSwimTime() const {
  std::int32_t time = Element().GetAsSwimTime("swimtime");
  if (time == kDsqPlaceholderTime && GetStatus() == kStatusDsq) return kNoSwimTime;
  return time;
}

std::string TLnxResult::GetSwimTimeText() const { return qbsw::SwimTimeToText(GetSwimTime(), false); }

TQbXmlElementList ResultsOfEvent(const IQbXmlElement& meet, int eventId, const int* ageGroupId,
                                 const TLnxIndexPtr& index) {
  if (!index) return CollectEventItems(meet, nullptr, true, eventId, ageGroupId);
  TQbXmlElementList all = index->ResultsOfEvent(meet, eventId);
  if (!ageGroupId) return all;
  TQbXmlElementList some;
  const TQbAtom ageGroupAtom = AtomOf("agegroupid");
  for (auto& r : all)
    if (r->GetAsInteger(ageGroupAtom) == *ageGroupId) some.push_back(std::move(r));
  return some;
}

std::shared_ptr<IQbLenexResults> ResultsInResultOrder(const TQbXmlElementList& elements, const TLnxIndexPtr& index,
                                                      const TQbXmlElementPtr& knownEvent) {
  std::vector<std::shared_ptr<const IQbLenexResult>> results;
  results.reserve(elements.size());
  for (const auto& e : elements) results.push_back(std::make_shared<TLnxResult>(e, index, knownEvent));
  SortByKey(results, [](const auto& r) {
    int place = r->GetPlace();
    return std::make_pair(place, place == kNoPlace ? r->GetStatus() : 0);
  });
  return std::make_shared<IQbLenexResults>(std::move(results));
}

template <class E>
void SortEntries(std::vector<std::shared_ptr<const E>>& entries, int sortOrder) {
  switch (sortOrder) {
    case kEntriesByEventNumber:
      SortByKey(entries, [](const auto& e) {
        auto event = e->GetEvent();
        return event ? event->GetNumber() : 0;
      });
      break;
    case kEntriesBySwimStyle:
      SortByKey(entries, [](const auto& e) {
        auto event = e->GetEvent();
        std::string text = event ? event->GetSwimStyle().GetSortText(e->GetGender()) : std::string();
        return std::make_pair(text, e->GetEntryTime());
      });
      break;
    case kEntriesByEntryTime:
      SortByKey(entries, [](const auto& e) { return e->GetEntryTime(); });
      break;
    default:
      break;
  }
}

template void SortEntries<IQbLenexEntry>(std::vector<std::shared_ptr<const IQbLenexEntry>>&, int);
template void SortEntries<IQbLenexResult>(std::vector<std::shared_ptr<const IQbLenexResult>>&, int);

namespace {

// The items of an owner's container in events of the rounds in the set; an item whose event is
// not found passes only an empty set.
template <class Wrapper, class E>
void TakeOwnItems(const IQbXmlElement& owner, const char* container, const char* item, TQbRoundSet rounds,
                  const TLnxIndexPtr& index, std::vector<std::shared_ptr<const E>>& out) {
  for (const auto& e : ChildrenNamed(owner.FindChild(AtomOf(container)), item)) {
    auto wrapper = std::make_shared<Wrapper>(e, index);
    if (rounds != 0) {
      auto event = wrapper->GetEvent();
      if (!event || !RoundSetAccepts(rounds, event->GetRound())) continue;
    }
    out.push_back(std::move(wrapper));
  }
}

}  // namespace

std::shared_ptr<const IQbLenexEntries> OwnEntries(const TQbXmlElementList& owners, int sortOrder, TQbRoundSet rounds,
                                                  const TLnxIndexPtr& index) {
  std::vector<std::shared_ptr<const IQbLenexEntry>> entries;
  for (const auto& owner : owners) TakeOwnItems<TLnxEntry>(*owner, "ENTRIES", "ENTRY", rounds, index, entries);
  SortEntries(entries, sortOrder);
  return std::make_shared<IQbLenexEntries>(std::move(entries));
}

std::shared_ptr<const IQbLenexResults> OwnResults(const IQbXmlElement& owner, int sortOrder, TQbRoundSet rounds,
                                                  const TLnxIndexPtr& index) {
  std::vector<std::shared_ptr<const IQbLenexResult>> results;
  TakeOwnItems<TLnxResult>(owner, "RESULTS", "RESULT", rounds, index, results);
  SortEntries(results, sortOrder);
  return std::make_shared<IQbLenexResults>(std::move(results));
}

}  // namespace lnx
