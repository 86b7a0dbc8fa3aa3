// Filling "%d" places of translated texts without handing them to printf: a text from a
// language file may hold any "%" sequence, and must never be able to crash the program.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace qbsw {

// Each "%d" takes the next value; "%%" gives "%"; any other "%" sequence, and a "%d" without a
// value left, is copied as it is.
std::string FormatInts(std::string_view format, std::initializer_list<long long> values);

}  // namespace qbsw
