#include "lenex/qb_name_atoms.h"

#include <deque>
#include <unordered_map>

namespace lnx {

namespace {

struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};

class AtomTable {
 public:
  AtomTable() { Add(""); }

  TQbAtom Find(std::string_view name) {
    auto it = index_.find(name);
    if (it != index_.end()) return it->second;
    return Add(name);
  }

  const std::string& Name(TQbAtom atom) const {
    static const std::string kEmpty;
    return atom < names_.size() ? names_[atom] : kEmpty;
  }

  std::size_t Count() const { return names_.size(); }

 private:
  TQbAtom Add(std::string_view name) {
    names_.emplace_back(name);
    auto atom = static_cast<TQbAtom>(names_.size() - 1);
    index_.emplace(names_.back(), atom);
    return atom;
  }

  std::deque<std::string> names_;  // stable addresses: the index keys view into them
  std::unordered_map<std::string_view, TQbAtom, NameHash, std::equal_to<>> index_;
};

AtomTable& Table() {
  static AtomTable table;
  return table;
}

}  // namespace

TQbAtom AtomOf(std::string_view name) { return Table().Find(name); }
const std::string& AtomName(TQbAtom atom) { return Table().Name(atom); }
std::size_t AtomCount() { return Table().Count(); }

}  // namespace lnx
