// Per-document lookups that would otherwise be repeated scans of the tree: events and athletes
// of a meet by id, the results of a meet by event id, and the ranking places of an event.
//
// A document keeps one index; each table is built on the first question and checked on every
// later one: the containers it walked (for the id tables SESSIONS and each session's EVENTS, CLUBS
// and each club's ATHLETES; for the results CLUBS, each club's ATHLETES and RELAYS and each one's
// RESULTS; for the places the event's AGEGROUPS and each group's RANKINGS) must still be the same
// elements with the same number of children and the same last child, and what a table answers
// must still carry the key it was filed under. Otherwise the table is built again, so the answers
// are those of a scan also after the tree gained or lost elements.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "lenex/model/qb_xml_element_intf.h"

namespace lnx {

// Where the items with ids sit below a meet: MEET / outer container / outer item / inner
// container / item.
struct TLnxIdPath {
  const char* outerContainer;
  const char* outerItem;
  const char* innerContainer;
  const char* item;
  const char* idAttribute;
};

inline constexpr TLnxIdPath kEventPath{"SESSIONS", "SESSION", "EVENTS", "EVENT", "eventid"};
inline constexpr TLnxIdPath kAthletePath{"CLUBS", "CLUB", "ATHLETES", "ATHLETE", "athleteid"};

// The linear scan (what the index must always answer).
TQbXmlElementPtr ScanForId(const IQbXmlElement& meet, const TLnxIdPath& path, int id);

// The ENTRIES ("ENTRY") or RESULTS ("RESULT") items of every athlete and then every relay of each
// club of the meet (of `club` only when given), in document order, whose "eventid" is the event's
// and, when ageGroupId is given, whose "agegroupid" is that.
TQbXmlElementList CollectEventItems(const IQbXmlElement& meet, const IQbXmlElement* club, bool results, int eventId,
                                    const int* ageGroupId);

// The smallest "place" above 0 of the RANKINGS of every AGEGROUP of the event whose "resultid"
// is the given one; 0 when there is none.
int ScanRankingPlace(const IQbXmlElement& event, int resultId);

class TLnxDocumentIndex {
 public:
  TQbXmlElementPtr FindEvent(const IQbXmlElement& meet, int id) { return Find(meet, kEventPath, id); }
  TQbXmlElementPtr FindAthlete(const IQbXmlElement& meet, int id) { return Find(meet, kAthletePath, id); }
  // CollectEventItems(meet, nullptr, true, eventId, nullptr).
  TQbXmlElementList ResultsOfEvent(const IQbXmlElement& meet, int eventId);
  // ScanRankingPlace(event, resultId).
  int RankingPlace(const IQbXmlElement& event, int resultId);
  // Times a table was (re)built; for tests.
  int BuildCount() const { return builds_; }

  // One container walked while building: the element (none when missing), its child count and
  // last child. Holding the elements keeps their addresses from being reused.
  struct Walked {
    TQbXmlElementPtr container;
    size_t count = 0;
    TQbXmlElementPtr last;
  };

 private:
  struct Table {
    TQbXmlElementPtr meet;
    std::vector<Walked> walked;
    std::unordered_map<int, TQbXmlElementPtr> byId;
  };
  struct Key {
    const IQbXmlElement* meet;
    const TLnxIdPath* path;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const {
      return std::hash<const void*>()(k.meet) ^ (std::hash<const void*>()(k.path) << 1);
    }
  };
  // An athlete or relay and its RESULTS container as walked.
  struct Owner {
    TQbXmlElementPtr owner;
    Walked results;
  };
  struct ResultTable {
    TQbXmlElementPtr meet;
    std::vector<Walked> walked;  // CLUBS and each club's ATHLETES and RELAYS
    std::vector<Owner> owners;
    std::unordered_map<int, TQbXmlElementList> byEvent;
  };
  struct Ranked {
    int place;
    TQbXmlElementPtr ranking;  // the RANKING that gave the place
  };
  struct PlaceTable {
    TQbXmlElementPtr event;
    std::vector<Walked> walked;
    std::unordered_map<int, Ranked> byResult;
  };

  TQbXmlElementPtr Find(const IQbXmlElement& meet, const TLnxIdPath& path, int id);
  static bool StillValid(const Table& table, const TLnxIdPath& path);
  void Build(Table& table, const TLnxIdPath& path);
  void BuildResults(ResultTable& table);
  static bool StillValid(const ResultTable& table);
  void BuildPlaces(PlaceTable& table);

  std::unordered_map<Key, Table, KeyHash> tables_;
  std::unordered_map<const IQbXmlElement*, ResultTable> results_;
  std::unordered_map<const IQbXmlElement*, PlaceTable> places_;
  int builds_ = 0;
};

}  // namespace lnx
