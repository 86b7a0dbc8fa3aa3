#include "lenex/entities/lnx_document_index.h"

#include "lenex/entities/lnx_managed_object.h"

namespace lnx {

namespace {

struct PathAtoms {
  TQbAtom outerContainer, outerItem, innerContainer, item, id;
  explicit PathAtoms(const TLnxIdPath& p)
      : outerContainer(AtomOf(p.outerContainer)),
        outerItem(AtomOf(p.outerItem)),
        innerContainer(AtomOf(p.innerContainer)),
        item(AtomOf(p.item)),
        id(AtomOf(p.idAttribute)) {}
};

// Calls visit(innerContainer) for every inner container in document order (visit(nullptr) for an
// outer item without one) after visitOuter(outerContainer or nullptr).
template <class OuterFn, class InnerFn>
void Walk(const IQbXmlElement& meet, const PathAtoms& a, OuterFn visitOuter, InnerFn visitInner) {
  IQbXmlElement* outer = meet.FindChild(a.outerContainer);
  if (!visitOuter(outer) || !outer) return;
  for (const auto& o : outer->Children()) {
    if (!o->NameIs(a.outerItem)) continue;
    if (!visitInner(o->FindChild(a.innerContainer))) return;
  }
}

using Walked = TLnxDocumentIndex::Walked;

// Records a walked container.
bool Note(std::vector<Walked>& walked, IQbXmlElement* container) {
  Walked w;
  w.container = SharedOf(container);
  if (container) {
    w.count = container->Children().size();
    if (w.count) w.last = container->Children().back();
  }
  walked.push_back(std::move(w));
  return true;
}

// Compares a walk with a recorded one, container by container.
class ShapeCheck {
 public:
  explicit ShapeCheck(const std::vector<Walked>& walked) : walked_(walked) {}
  bool operator()(IQbXmlElement* container) {
    if (i_ >= walked_.size()) return same_ = false;
    const Walked& w = walked_[i_++];
    if (w.container.get() != container) return same_ = false;
    if (!container) return true;
    const auto& children = container->Children();
    return same_ = children.size() == w.count && (children.empty() ? !w.last : children.back() == w.last);
  }
  bool Same() const { return same_ && i_ == walked_.size(); }

 private:
  const std::vector<Walked>& walked_;
  size_t i_ = 0;
  bool same_ = true;
};

struct ResultAtoms {
  TQbAtom clubs = AtomOf("CLUBS"), club = AtomOf("CLUB"), athletes = AtomOf("ATHLETES"), athlete = AtomOf("ATHLETE"),
          relays = AtomOf("RELAYS"), relay = AtomOf("RELAY");
};

// Walks where the entries or results of a meet sit: CLUBS; per CLUB (or only `club`) its ATHLETES
// and each ATHLETE's `items` container, then its RELAYS and each RELAY's. visitContainer(c) sees
// CLUBS, ATHLETES and RELAYS (none when missing), visitItems(owner, c) the item containers (none
// when missing; not called when items is 0); either returns false to stop.
template <class ContainerFn, class ItemsFn>
void WalkItemContainers(const IQbXmlElement& meet, const IQbXmlElement* club, TQbAtom items, ContainerFn visitContainer,
                        ItemsFn visitItems) {
  static const ResultAtoms a;
  auto owners = [&](const IQbXmlElement& c, TQbAtom container, TQbAtom owner) {
    IQbXmlElement* list = c.FindChild(container);
    if (!visitContainer(list)) return false;
    if (list)
      for (const auto& o : list->Children())
        if (items != 0 && o->NameIs(owner) && !visitItems(o, o->FindChild(items))) return false;
    return true;
  };
  auto scanClub = [&](const IQbXmlElement& c) {
    return owners(c, a.athletes, a.athlete) && owners(c, a.relays, a.relay);
  };
  if (club) {
    scanClub(*club);
    return;
  }
  IQbXmlElement* clubs = meet.FindChild(a.clubs);
  if (!visitContainer(clubs) || !clubs) return;
  for (const auto& c : clubs->Children())
    if (c->NameIs(a.club) && !scanClub(*c)) return;
}

// Walks the event's AGEGROUPS and each AGEGROUP's RANKINGS.
template <class Fn>
void WalkRankings(const IQbXmlElement& event, Fn visit) {
  static const TQbAtom groups = AtomOf("AGEGROUPS"), group = AtomOf("AGEGROUP"), rankings = AtomOf("RANKINGS");
  IQbXmlElement* list = event.FindChild(groups);
  if (!visit(list) || !list) return;
  for (const auto& g : list->Children())
    if (g->NameIs(group) && !visit(g->FindChild(rankings))) return;
}

}  // namespace

TQbXmlElementPtr ScanForId(const IQbXmlElement& meet, const TLnxIdPath& path, int id) {
  PathAtoms a(path);
  TQbXmlElementPtr found;
  Walk(
      meet, a, [](IQbXmlElement*) { return true; },
      [&](IQbXmlElement* inner) {
        if (!inner) return true;
        for (const auto& item : inner->Children())
          if (item->NameIs(a.item) && item->GetAsInteger(a.id) == id) {
            found = item;
            return false;
          }
        return true;
      });
  return found;
}

bool TLnxDocumentIndex::StillValid(const Table& table, const TLnxIdPath& path) {
  ShapeCheck check(table.walked);
  Walk(*table.meet, PathAtoms(path), std::ref(check), std::ref(check));
  return check.Same();
}

void TLnxDocumentIndex::Build(Table& table, const TLnxIdPath& path) {
  ++builds_;
  PathAtoms a(path);
  table.walked.clear();
  table.byId.clear();
  auto note = [&](IQbXmlElement* container) { return Note(table.walked, container); };
  Walk(*table.meet, a, note, [&](IQbXmlElement* inner) {
    note(inner);
    if (inner)
      for (const auto& item : inner->Children())
        if (item->NameIs(a.item)) table.byId.emplace(item->GetAsInteger(a.id), item);  // first one stays
    return true;
  });
}

TQbXmlElementPtr TLnxDocumentIndex::Find(const IQbXmlElement& meet, const TLnxIdPath& path, int id) {
  Table& table = tables_[Key{&meet, &path}];
  bool fresh = false;
  if (!table.meet) {
    table.meet = SharedOf(const_cast<IQbXmlElement*>(&meet));
    Build(table, path);
    fresh = true;
  } else if (!StillValid(table, path)) {
    Build(table, path);
    fresh = true;
  }
  auto it = table.byId.find(id);
  TQbXmlElementPtr hit = it == table.byId.end() ? nullptr : it->second;
  // Ids may have been rewritten since the table was built; then a scan decides and the table is
  // built again for the next question.
  if (!fresh && hit && hit->GetAsInteger(path.idAttribute) != id) {
    Build(table, path);
    return ScanForId(meet, path, id);
  }
  return hit;
}

TQbXmlElementList CollectEventItems(const IQbXmlElement& meet, const IQbXmlElement* club, bool results, int eventId,
                                    const int* ageGroupId) {
  TQbXmlElementList items;
  const TQbAtom eventAtom = AtomOf("eventid"), ageGroupAtom = AtomOf("agegroupid");
  WalkItemContainers(
      meet, club, AtomOf(results ? "RESULTS" : "ENTRIES"), [](IQbXmlElement*) { return true; },
      [&](const TQbXmlElementPtr&, IQbXmlElement* container) {
        if (!container) return true;
        for (const auto& item : container->Children()) {
          if (item->GetAsInteger(eventAtom) != eventId) continue;
          if (ageGroupId && item->GetAsInteger(ageGroupAtom) != *ageGroupId) continue;
          items.push_back(item);
        }
        return true;
      });
  return items;
}

int ScanRankingPlace(const IQbXmlElement& event, int resultId) {
  const TQbAtom resultAtom = AtomOf("resultid"), placeAtom = AtomOf("place");
  int best = 0;
  WalkRankings(event, [&](IQbXmlElement* container) {
    if (!container || container->NameIs(AtomOf("AGEGROUPS"))) return true;
    for (const auto& ranking : container->Children()) {
      if (ranking->GetAsInteger(resultAtom) != resultId) continue;
      int place = ranking->GetAsInteger(placeAtom);
      if (place > 0 && (best == 0 || place < best)) best = place;
    }
    return true;
  });
  return best;
}

void TLnxDocumentIndex::BuildResults(ResultTable& table) {
  ++builds_;
  table.walked.clear();
  table.owners.clear();
  table.byEvent.clear();
  const TQbAtom eventAtom = AtomOf("eventid");
  WalkItemContainers(
      *table.meet, nullptr, AtomOf("RESULTS"), [&](IQbXmlElement* c) { return Note(table.walked, c); },
      [&](const TQbXmlElementPtr& owner, IQbXmlElement* container) {
        std::vector<Walked> one;
        Note(one, container);
        table.owners.push_back(Owner{owner, std::move(one.front())});
        if (container)
          for (const auto& item : container->Children()) table.byEvent[item->GetAsInteger(eventAtom)].push_back(item);
        return true;
      });
}

// The lists of owners are walked again; the owners' RESULTS containers are checked where they
// are (a container can only be the first RESULTS child of its owner while it still has that
// parent, as children are appended), so the owners themselves are only read when they had none.
bool TLnxDocumentIndex::StillValid(const ResultTable& table) {
  ShapeCheck lists(table.walked);
  WalkItemContainers(*table.meet, nullptr, 0, std::ref(lists),
                     [](const TQbXmlElementPtr&, IQbXmlElement*) { return true; });
  if (!lists.Same()) return false;
  static const TQbAtom results = AtomOf("RESULTS");
  for (const Owner& o : table.owners) {
    IQbXmlElement* c = o.results.container.get();
    if (!c) {
      if (o.owner->FindChild(results)) return false;
      continue;
    }
    const auto& children = c->Children();
    if (c->ParentLink() != o.owner.get() || children.size() != o.results.count ||
        (children.empty() ? o.results.last != nullptr : children.back() != o.results.last))
      return false;
  }
  return true;
}

TQbXmlElementList TLnxDocumentIndex::ResultsOfEvent(const IQbXmlElement& meet, int eventId) {
  ResultTable& table = results_[&meet];
  bool fresh = false;
  if (!table.meet) {
    table.meet = SharedOf(const_cast<IQbXmlElement*>(&meet));
    BuildResults(table);
    fresh = true;
  } else if (!StillValid(table)) {
    BuildResults(table);
    fresh = true;
  }
  auto it = table.byEvent.find(eventId);
  if (it == table.byEvent.end()) return {};
  if (!fresh) {
    // An "eventid" rewritten since the build: a scan decides, the table is built again.
    const TQbAtom eventAtom = AtomOf("eventid");
    for (const auto& item : it->second)
      if (item->GetAsInteger(eventAtom) != eventId) {
        BuildResults(table);
        return CollectEventItems(meet, nullptr, true, eventId, nullptr);
      }
  }
  return it->second;
}

void TLnxDocumentIndex::BuildPlaces(PlaceTable& table) {
  ++builds_;
  table.walked.clear();
  table.byResult.clear();
  const TQbAtom resultAtom = AtomOf("resultid"), placeAtom = AtomOf("place"), groups = AtomOf("AGEGROUPS");
  WalkRankings(*table.event, [&](IQbXmlElement* container) {
    Note(table.walked, container);
    if (!container || container->NameIs(groups)) return true;
    for (const auto& ranking : container->Children()) {
      int place = ranking->GetAsInteger(placeAtom);
      if (place <= 0) continue;
      auto [it, added] = table.byResult.try_emplace(ranking->GetAsInteger(resultAtom), Ranked{place, ranking});
      if (!added && place < it->second.place) it->second = Ranked{place, ranking};
    }
    return true;
  });
}

int TLnxDocumentIndex::RankingPlace(const IQbXmlElement& event, int resultId) {
  PlaceTable& table = places_[&event];
  bool fresh = false;
  if (!table.event) {
    table.event = SharedOf(const_cast<IQbXmlElement*>(&event));
    BuildPlaces(table);
    fresh = true;
  } else {
    ShapeCheck check(table.walked);
    WalkRankings(event, std::ref(check));
    if (!check.Same()) {
      BuildPlaces(table);
      fresh = true;
    }
  }
  auto it = table.byResult.find(resultId);
  if (it == table.byResult.end()) return 0;
  const Ranked& r = it->second;
  if (!fresh && (r.ranking->GetAsInteger("resultid") != resultId || r.ranking->GetAsInteger("place") != r.place)) {
    BuildPlaces(table);
    return ScanRankingPlace(event, resultId);
  }
  return r.place;
}

}  // namespace lnx
