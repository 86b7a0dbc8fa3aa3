#include "lenex/qb_id_ref_checker.h"

#include <algorithm>
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

class Checker {
 public:
  std::vector<std::string> messages;

  void CheckMeet(const IQbXmlElement& meet) {
    eventKeys_.clear();
    athleteIds_ = {0};
    CheckEvents(meet);
    ElementList clubs = ItemsOf(meet, A().clubs, A().club);
    std::stable_sort(clubs.begin(), clubs.end(), [](auto* a, auto* b) {
      return LowerKey(a->AttributeView(A().name)) < LowerKey(b->AttributeView(A().name));
    });
    std::vector<ElementList> athletesByClub;
    for (auto* club : clubs) {
      ElementList athletes = ItemsOf(*club, A().athletes, A().athlete);
      std::stable_sort(athletes.begin(), athletes.end(), [](auto* a, auto* b) { return FullName(*a) < FullName(*b); });
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
      std::string key = qb::Format("%d.", event->GetAsInteger(A().eventId));
      if (!eventKeys_.insert(key).second) Add(*event, qb::Format("duplicate eventid (%d)", event->GetAsInteger(A().eventId)));
      ElementList groups = ItemsOf(*event, A().ageGroups, A().ageGroup);
      if (!HasRealAgeGroups(groups)) {
        eventKeys_.insert(key + "none");
        continue;
      }
      for (auto* group : groups) {
        std::string groupKey = qb::Format("%s%d", key.c_str(), group->GetAsInteger(A().ageGroupId));
        if (!eventKeys_.insert(groupKey).second)
          Add(*group, qb::Format("duplicate eventid/agegroupid (%s)", groupKey.c_str()));
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
    std::string key = qb::Format("%d.", eventId);
    if (!eventKeys_.count(key)) Add(start, qb::Format("unknown eventid (%d)", eventId));
    int groupId = start.GetAsInteger(A().ageGroupId);
    if (groupId > 0) {
      std::string groupKey = qb::Format("%s%d", key.c_str(), groupId);
      if (!eventKeys_.count(groupKey) && !eventKeys_.count(key + "none"))
        Add(start, qb::Format("unknown eventid.agegroupid (%s)", groupKey.c_str()));
    }
    if (!relay || !start.FindChild(A().positions)) return;
    for (auto* position : ItemsOf(start, A().positions, A().position)) {
      int id = position->GetAsInteger(A().athleteId);
      if (!athleteIds_.count(id)) Add(*position, qb::Format("unknown athleteid (%d)", id));
    }
  }

  std::unordered_set<std::string> eventKeys_;
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
