// Small helpers for translated texts: filling their "%d" places without printf (a text from a
// language file may hold any "%" sequence and must never be able to crash the program), and
// working with the ";"-separated lists that language files hold.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qbsw {

// Each "%d" takes the next value; "%%" gives "%"; any other "%" sequence, and a "%d" without a
// value left, is copied as it is.
std::string FormatInts(std::string_view format, std::initializer_list<long long> values);

// Item i of a list, empty outside it.
std::string ItemAt(const std::vector<std::string>& items, int index);
// The items of a ";"-separated text replace items 0, 1, ...; items beyond the text stay, and so
// does the whole list when the text is empty.
void ReplaceItems(std::string_view text, std::vector<std::string>& items);
// Every run of the character c folded to one.
std::string FoldRepeats(std::string_view text, char c);

}  // namespace qbsw
