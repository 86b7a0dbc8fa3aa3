#include "swim/qbsw_format.h"

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
