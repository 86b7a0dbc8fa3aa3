#include "lenex/qb_id_ref_checker.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "base/qb_strings.h"
#include "lenex/model/qb_xml_element_intf.h"

namespace lnx {

namespace {

struct Atoms {
  TQbAtom meets = AtomOf("MEETS"), meet = AtomOf("MEET"), sessions = AtomOf("SESSIONS"), session = AtomOf("SESSION"),
          events = AtomOf("EVENTS"), event = AtomOf("EVENT"), ageGroups = AtomOf("AGEGROUPS"),
          ageGroup = AtomOf("AGEGROUP"), clubs = AtomOf("CLUBS"), club = AtomOf("CLUB"), athletes = AtomOf("ATHLETES"),
          athlete = AtomOf("ATHLETE"), relays = AtomOf("RELAYS"), relay = AtomOf("RELAY"), results = AtomOf("RESULTS"),
          result = AtomOf("RESULT"), entries = AtomOf("ENTRIES"), entry = AtomOf("ENTRY"),
          positions = AtomOf("RELAYPOSITIONS"), position = AtomOf("RELAYPOSITION"), number = AtomOf("number"),
          eventId = AtomOf("eventid"), ageGroupId = AtomOf("agegroupid"), athleteId = AtomOf("athleteid"),
          ageMin = AtomOf("agemin"), ageMax = AtomOf("agemax"), name = AtomOf("name"), lastName = AtomOf("lastname"),
          firstName = AtomOf("firstname");
};

const Atoms& A() {
  static const Atoms atoms;
  return atoms;
}

using ElementList = std::vector<const IQbXmlElement*>;

// The children named `item` of the first child named `container`.
ElementList ItemsOf(const IQbXmlElement& parent, TQbAtom container, TQbAtom item) {
  ElementList list;
  if (const IQbXmlElement* c = parent.FindChild(container))
    for (const auto& e : c->Children())
      if (e->NameIs(item)) list.push_back(e.get());
  return list;
}

std::string LowerKey(std::string_view s) { return qb::ToLowerAscii(s); }

// One age group makes an event's age groups real only when its range is bounded on some side
// (an upper bound of 109 or 999, or 99 for a group not starting at 72, 80 or 95, is no bound).
bool IsBoundedAgeGroup(const IQbXmlElement& group) {
  int min = group.GetAsInteger(A().ageMin), max = group.GetAsInteger(A().ageMax);
  bool hasMin = min > 0;
  bool hasMax = max > 0 && max != 109 && max != 999 && !(max == 99 && min != 72 && min != 80 && min != 95);
  return hasMin || hasMax;
}

bool HasRealAgeGroups(const ElementList& groups) {
  if (groups.size() >= 2) return true;
  return groups.size() == 1 && IsBoundedAgeGroup(*groups[0]);
}

// The elements ordered by a text key computed once per element (stable for equal keys).
template <class KeyOf>
ElementList SortedBy(const ElementList& elements, KeyOf keyOf) {
  std::vector<std::pair<std::string, const IQbXmlElement*>> keyed;
  keyed.reserve(elements.size());
  for (auto* e : elements) keyed.emplace_back(keyOf(*e), e);
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  ElementList sorted;
  sorted.reserve(keyed.size());
  for (auto& k : keyed) sorted.push_back(k.second);
  return sorted;
}

// The keys "12." (event), "12.none" (event without real age groups) and "12.3" (event and
// age group), kept as numbers.
class EventKeys {
 public:
  void Clear() {
    events_.clear();
    withoutGroups_.clear();
    groups_.clear();
  }
  bool AddEvent(int event) { return events_.insert(event).second; }
  void AddWithoutGroups(int event) { withoutGroups_.insert(event); }
  bool AddGroup(int event, int group) { return groups_.insert(Pair(event, group)).second; }
  bool HasEvent(int event) const { return events_.count(event) > 0; }
  bool AcceptsGroup(int event, int group) const {
    return groups_.count(Pair(event, group)) > 0 || withoutGroups_.count(event) > 0;
  }

 private:
  static std::uint64_t Pair(int event, int group) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(event)) << 32) | static_cast<std::uint32_t>(group);
  }
  std::unordered_set<int> events_, withoutGroups_;
  std::unordered_set<std::uint64_t> groups_;
};

class Checker {
 public:
  std::vector<std::string> messages;

  void CheckMeet(const IQbXmlElement& meet) {
    eventKeys_.Clear();
    athleteIds_ = {0};
    CheckEvents(meet);
    ElementList clubs = SortedBy(ItemsOf(meet, A().clubs, A().club),
                                 [](const IQbXmlElement& c) { return LowerKey(c.AttributeView(A().name)); });
    std::vector<ElementList> athletesByClub;
    for (auto* club : clubs) {
      ElementList athletes = SortedBy(ItemsOf(*club, A().athletes, A().athlete), FullName);
      for (auto* athlete : athletes) {
        int id = athlete->GetAsInteger(A().athleteId);
        if (!athleteIds_.insert(id).second) Add(*athlete, qb::Format("duplicate athletiid (%d)", id));
      }
      athletesByClub.push_back(std::move(athletes));
    }
    for (const auto& athletes : athletesByClub)
      for (auto* athlete : athletes) CheckStarts(*athlete, false);
    for (auto* club : clubs)
      for (auto* relay : ItemsOf(*club, A().relays, A().relay)) CheckStarts(*relay, true);
  }

 private:
  static std::string FullName(const IQbXmlElement& athlete) {
    return LowerKey(athlete.AttributeView(A().lastName)) + ", " + LowerKey(athlete.AttributeView(A().firstName));
  }

  void Add(const IQbXmlElement& element, const std::string& message) {
    messages.push_back(qb::Format("Line %d: %s", element.GetLine(), message.c_str()));
  }

  void CheckEvents(const IQbXmlElement& meet) {
    ElementList events;
    for (auto* session : ItemsOf(meet, A().sessions, A().session))
      for (auto* event : ItemsOf(*session, A().events, A().event)) events.push_back(event);
    std::stable_sort(events.begin(), events.end(),
                     [](auto* a, auto* b) { return a->GetAsInteger(A().number) < b->GetAsInteger(A().number); });
    for (auto* event : events) {
      int eventId = event->GetAsInteger(A().eventId);
      if (!eventKeys_.AddEvent(eventId)) Add(*event, qb::Format("duplicate eventid (%d)", eventId));
      ElementList groups = ItemsOf(*event, A().ageGroups, A().ageGroup);
      if (!HasRealAgeGroups(groups)) {
        eventKeys_.AddWithoutGroups(eventId);
        continue;
      }
      for (auto* group : groups) {
        int groupId = group->GetAsInteger(A().ageGroupId);
        if (!eventKeys_.AddGroup(eventId, groupId))
          Add(*group, qb::Format("duplicate eventid/agegroupid (%d.%d)", eventId, groupId));
      }
    }
  }

  void CheckStarts(const IQbXmlElement& swimmer, bool relay) {
    if (swimmer.FindChild(A().results))
      for (auto* result : ItemsOf(swimmer, A().results, A().result)) CheckStart(*result, relay);
    if (swimmer.FindChild(A().entries))
      for (auto* entry : ItemsOf(swimmer, A().entries, A().entry)) CheckStart(*entry, relay);
  }

  void CheckStart(const IQbXmlElement& start, bool relay) {
    int eventId = start.GetAsInteger(A().eventId);
    if (!eventKeys_.HasEvent(eventId)) Add(start, qb::Format("unknown eventid (%d)", eventId));
    int groupId = start.GetAsInteger(A().ageGroupId);
    if (groupId > 0 && !eventKeys_.AcceptsGroup(eventId, groupId))
      Add(start, qb::Format("unknown eventid.agegroupid (%d.%d)", eventId, groupId));
    if (!relay || !start.FindChild(A().positions)) return;
    for (auto* position : ItemsOf(start, A().positions, A().position)) {
      int id = position->GetAsInteger(A().athleteId);
      if (!athleteIds_.count(id)) Add(*position, qb::Format("unknown athleteid (%d)", id));
    }
  }

  EventKeys eventKeys_;
  std::unordered_set<int> athleteIds_;
};

}  // namespace

std::vector<std::string> CheckIdReferences(const IQbXmlElement& root) {
  try {
    Checker checker;
    for (auto* meet : ItemsOf(root, A().meets, A().meet)) checker.CheckMeet(*meet);
    return checker.messages;
  } catch (...) {
    return {"Internal id references cannot be resolved!"};
  }
}

}  // namespace lnx
