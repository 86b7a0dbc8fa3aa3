// Generator of large synthetic LENEX 3 meets for benchmarks: clubs, athletes, events with age
// groups and rankings, results with splits, relays with positions.
#pragma once

#include <cstddef>
#include <string>

namespace lapscope::bench {

// A LENEX document of roughly targetBytes bytes; the same seed gives the same text.
std::string MakeSyntheticMeet(std::size_t targetBytes, unsigned seed = 1);

}  // namespace lapscope::bench
