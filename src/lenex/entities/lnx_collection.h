// Building collections of wrappers over child elements.
#pragma once

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/qb_item_collection.h"

namespace lnx {

// The children of `container` named `childName`, in document order.
inline TQbXmlElementList ChildrenNamed(const IQbXmlElement* container, std::string_view childName) {
  TQbXmlElementList list;
  if (!container) return list;
  TQbAtom name = AtomOf(childName);
  for (const auto& c : container->Children())
    if (c->NameIs(name)) list.push_back(c);
  return list;
}

// A collection of wrappers over the given elements, in that order.
template <class Intf, class Wrapper, class Coll = TQbItemCollectionNew<Intf>>
std::shared_ptr<Coll> WrapAll(const TQbXmlElementList& elements, const TLnxIndexPtr& index) {
  auto collection = std::make_shared<Coll>();
  for (const auto& e : elements) collection->Add(std::make_shared<Wrapper>(e, index));
  return collection;
}

// A collection of wrappers over the children of `container` named `childName`.
template <class Intf, class Wrapper, class Coll = TQbItemCollectionNew<Intf>>
std::shared_ptr<Coll> WrapChildren(const TQbXmlElementPtr& container, std::string_view childName,
                                   const TLnxIndexPtr& index = nullptr) {
  return WrapAll<Intf, Wrapper, Coll>(ChildrenNamed(container.get(), childName), index);
}

// Sorts items by a key computed once per item, equal keys keeping their order.
template <class Item, class KeyFn>
void SortByKey(std::vector<Item>& items, KeyFn key) {
  using Key = decltype(key(items.front()));
  std::vector<std::pair<Key, Item>> keyed;
  keyed.reserve(items.size());
  for (auto& item : items) keyed.emplace_back(key(item), std::move(item));
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < items.size(); ++i) items[i] = std::move(keyed[i].second);
}

}  // namespace lnx
