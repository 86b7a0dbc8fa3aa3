// Finding events and athletes of a meet by id: the first match in document order (events over the
// meet's sessions, athletes over its clubs).
//
// A document keeps one index; it is built per meet on the first question and checked on every
// later one: the containers it walked (SESSIONS and each session's EVENTS, CLUBS and each club's
// ATHLETES) must still be the same elements with the same number of children and the same last
// child, and a found element must still carry the id. Otherwise it is built again, so the answers
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

class TLnxDocumentIndex {
 public:
  TQbXmlElementPtr FindEvent(const IQbXmlElement& meet, int id) { return Find(meet, kEventPath, id); }
  TQbXmlElementPtr FindAthlete(const IQbXmlElement& meet, int id) { return Find(meet, kAthletePath, id); }
  // Times a per-meet table was (re)built; for tests.
  int BuildCount() const { return builds_; }

 private:
  // One container walked while building: the element (none when missing), its child count and
  // last child. Holding the elements keeps their addresses from being reused.
  struct Walked {
    TQbXmlElementPtr container;
    size_t count = 0;
    TQbXmlElementPtr last;
  };
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

  TQbXmlElementPtr Find(const IQbXmlElement& meet, const TLnxIdPath& path, int id);
  static bool StillValid(const Table& table, const TLnxIdPath& path);
  void Build(Table& table, const TLnxIdPath& path);

  std::unordered_map<Key, Table, KeyHash> tables_;
  int builds_ = 0;
};

}  // namespace lnx
