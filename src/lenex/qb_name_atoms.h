// The process-wide table of element and attribute names. A name's atom is the position at which
// it was first added; atom 0 is the empty name, under which an element keeps its text content.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lnx {

using TQbAtom = std::uint32_t;
constexpr TQbAtom kTextAtom = 0;

// The atom of a name, adding the name when it is new. Exact and case-sensitive.
TQbAtom AtomOf(std::string_view name);
// The name of an atom; empty for an unknown atom.
const std::string& AtomName(TQbAtom atom);
// Number of names in the table (the empty name included).
std::size_t AtomCount();

}  // namespace lnx
