#include "lenex/entities/lnx_entry.h"

#include <tuple>

#include "lenex/entities/lnx_agegroup.h"
#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_event.h"
#include "lenex/entities/lnx_meet.h"
#include "lenex/entities/lnx_participants.h"
#include "lenex/qb_attribute_forms.h"
#include "swim/qbsw_language.h"

namespace lnx {

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
  return owner ? qbsw::TQbSwLanguage::Instance().GenderFromText(owner->GetAttribute("gender")) : 0;
}

template <class Intf>
std::int32_t TLnxEntryOf<Intf>::GetEntryTime() const {
  std::int32_t time = EntryElement()->GetAsSwimTime("entrytime");
  return time >= 1 && time <= kNoSwimTime - 1 ? time : kNoSwimTime;
}

template <class Intf>
std::shared_ptr<const IQbLenexEvent> TLnxEntryOf<Intf>::GetEvent() const {
  if (!event_) {
    TQbXmlElementPtr meet = Ancestor("MEET");
    if (meet) event_ = Make<TLnxEvent>(FindEventElement(*meet, Int("eventid"), Index()));
  }
  return event_;
}

template <class Intf>
int TLnxEntryOf<Intf>::GetStatus() const {
  return qbsw::TQbSwLanguage::Instance().StatusFromText(Attr("status"));
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

std::shared_ptr<const IQbLenexAgeGroup> TLnxResult::GetAgeGroup() const {
  auto event = GetEvent();
  auto* of = dynamic_cast<const IQbElementOf*>(event.get());
  if (!of) return nullptr;
  return Make<TLnxAgeGroup>(FindAgeGroupElement(*of->GetElementOf(), Int("agegroupid")));
}

int TLnxResult::GetPlace() const {
  TQbXmlElementPtr root = Ancestor("LENEX");
  std::string version = root ? root->GetAttribute("version") : std::string();
  if (version < "3.0") {
    int place = Int("place");
    return place <= 0 || place == 9999 ? kNoPlace : place;
  }
  // LENEX 3: the best place that a ranking of one of the event's age groups gives this result.
  auto event = GetEvent();
  auto* of = dynamic_cast<const IQbElementOf*>(event.get());
  if (!of) return kNoPlace;
  int id = GetId(), best = kNoPlace;
  TQbAtom resultId = AtomOf("resultid"), placeAtom = AtomOf("place");
  for (const auto& group : ChildrenNamed(of->GetElementOf()->FindChild(AtomOf("AGEGROUPS")), "AGEGROUP"))
    for (const auto& ranking : ChildrenNamed(group->FindChild(AtomOf("RANKINGS")), "RANKING")) {
      if (ranking->GetAsInteger(resultId) != id) continue;
      int place = ranking->GetAsInteger(placeAtom);
      if (place > 0 && place < best) best = place;
    }
  return best;
}

TQbXmlElementList CollectEventItems(const IQbXmlElement& meet, const IQbXmlElement* club, bool results, int eventId,
                                    const int* ageGroupId) {
  TQbXmlElementList items;
  const TQbAtom itemsName = AtomOf(results ? "RESULTS" : "ENTRIES");
  const TQbAtom eventAtom = AtomOf("eventid"), ageGroupAtom = AtomOf("agegroupid");
  auto take = [&](const IQbXmlElement& owner) {
    const IQbXmlElement* container = owner.FindChild(itemsName);
    if (!container) return;
    for (const auto& item : container->Children()) {
      if (item->GetAsInteger(eventAtom) != eventId) continue;
      if (ageGroupId && item->GetAsInteger(ageGroupAtom) != *ageGroupId) continue;
      items.push_back(item);
    }
  };
  auto scanClub = [&](const IQbXmlElement& c) {
    for (const auto& athlete : ChildrenNamed(c.FindChild(AtomOf("ATHLETES")), "ATHLETE")) take(*athlete);
    for (const auto& relay : ChildrenNamed(c.FindChild(AtomOf("RELAYS")), "RELAY")) take(*relay);
  };
  if (club) {
    scanClub(*club);
    return items;
  }
  for (const auto& c : ChildrenNamed(meet.FindChild(AtomOf("CLUBS")), "CLUB")) scanClub(*c);
  return items;
}

std::shared_ptr<IQbLenexResults> ResultsInResultOrder(const TQbXmlElementList& elements, const TLnxIndexPtr& index) {
  std::vector<std::shared_ptr<const IQbLenexResult>> results;
  for (const auto& e : elements) results.push_back(std::make_shared<TLnxResult>(e, index));
  SortByKey(results, [](const auto& r) {
    int place = r->GetPlace();
    return std::make_pair(place, place == kNoPlace ? r->GetStatus() : 0);
  });
  return std::make_shared<IQbLenexResults>(std::move(results));
}

void SortEntries(std::vector<std::shared_ptr<const IQbLenexEntry>>& entries, int sortOrder) {
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

}  // namespace lnx
