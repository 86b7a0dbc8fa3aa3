// Collections of entity wrappers: snapshots filled once, with count, item by position, an
// enumerator, range-for and sorting by a comparison (not stable, as callers are told).
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace lnx {

// A set of event round codes: bit n for round code n; the empty set accepts every event.
using TQbRoundSet = std::uint16_t;
constexpr TQbRoundSet RoundBit(int roundCode) {
  return roundCode >= 0 && roundCode < 16 ? static_cast<TQbRoundSet>(1u << roundCode) : 0;
}
constexpr bool RoundSetAccepts(TQbRoundSet set, int roundCode) { return set == 0 || (set & RoundBit(roundCode)); }

// Items that carry an order number.
class IQbItemOrderable {
 public:
  virtual ~IQbItemOrderable() = default;
  virtual int GetOrder() const = 0;
  virtual void SetOrder(int order) = 0;
};

template <class T>
class TQbItemCollectionNew {
 public:
  using Item = std::shared_ptr<const T>;
  using Compare = std::function<bool(const Item&, const Item&)>;  // strict "less"

  TQbItemCollectionNew() = default;
  explicit TQbItemCollectionNew(std::vector<Item> items) : items_(std::move(items)) {}
  virtual ~TQbItemCollectionNew() = default;

  int GetCount() const { return static_cast<int>(items_.size()); }
  Item GetItem(int index) const {
    return index >= 0 && index < GetCount() ? items_[static_cast<size_t>(index)] : nullptr;
  }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  class Enumerator {
   public:
    explicit Enumerator(const std::vector<Item>& items) : items_(&items) {}
    bool MoveNext() { return ++index_ < static_cast<long>(items_->size()); }
    Item GetCurrent() const {
      return index_ >= 0 && index_ < static_cast<long>(items_->size()) ? (*items_)[index_] : nullptr;
    }

   private:
    const std::vector<Item>* items_;
    long index_ = -1;
  };
  Enumerator GetEnumerator() const { return Enumerator(items_); }

  void Add(Item item) { items_.push_back(std::move(item)); }
  void Sort(const Compare& less) { std::sort(items_.begin(), items_.end(), less); }
  // Sorts by the items' order numbers (for items that carry one).
  void SortByOrder() {
    Sort([](const Item& a, const Item& b) {
      auto* oa = dynamic_cast<const IQbItemOrderable*>(a.get());
      auto* ob = dynamic_cast<const IQbItemOrderable*>(b.get());
      return oa && ob && oa->GetOrder() < ob->GetOrder();
    });
  }
  const std::vector<Item>& Items() const { return items_; }

 protected:
  std::vector<Item> items_;
};

}  // namespace lnx
