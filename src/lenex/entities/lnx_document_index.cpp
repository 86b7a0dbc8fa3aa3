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
  PathAtoms a(path);
  size_t i = 0;
  bool same = true;
  auto check = [&](IQbXmlElement* container) {
    if (i >= table.walked.size()) return same = false;
    const Walked& w = table.walked[i++];
    if (w.container.get() != container) return same = false;
    if (!container) return true;
    const auto& children = container->Children();
    return same = children.size() == w.count && (children.empty() ? !w.last : children.back() == w.last);
  };
  Walk(*table.meet, a, check, check);
  return same && i == table.walked.size();
}

void TLnxDocumentIndex::Build(Table& table, const TLnxIdPath& path) {
  ++builds_;
  PathAtoms a(path);
  table.walked.clear();
  table.byId.clear();
  auto note = [&](IQbXmlElement* container) {
    Walked w;
    w.container = SharedOf(container);
    if (container) {
      w.count = container->Children().size();
      if (w.count) w.last = container->Children().back();
    }
    table.walked.push_back(std::move(w));
    return true;
  };
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

}  // namespace lnx
