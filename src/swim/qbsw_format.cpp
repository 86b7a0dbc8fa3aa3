#include "swim/qbsw_format.h"

#include "base/qb_strings.h"

namespace qbsw {

std::string FormatInts(std::string_view format, std::initializer_list<long long> values) {
  std::string result;
  auto next = values.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      if (format[i + 1] == '%') {
        result += '%';
        ++i;
        continue;
      }
      if (format[i + 1] == 'd' && next != values.end()) {
        result += std::to_string(*next++);
        ++i;
        continue;
      }
    }
    result += format[i];
  }
  return result;
}

}  // namespace qbsw

namespace qbsw {

std::string ItemAt(const std::vector<std::string>& items, int index) {
  return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<size_t>(index)] : "";
}

void ReplaceItems(std::string_view text, std::vector<std::string>& items) {
  if (text.empty()) return;
  const std::vector<std::string> translated = qb::Split(text, ';');
  for (size_t i = 0; i < translated.size() && i < items.size(); ++i) items[i] = translated[i];
}

std::string FoldRepeats(std::string_view text, char c) {
  std::string result;
  for (char ch : text)
    if (ch != c || result.empty() || result.back() != c) result += ch;
  return result;
}

}  // namespace qbsw
