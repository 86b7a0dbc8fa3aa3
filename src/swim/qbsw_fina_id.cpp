#include "swim/qbsw_fina_id.h"

#include <cstdio>

namespace qbsw {

char TQbSwFinaId::CheckLetter(long long number) {
  static const int kWeights[] = {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 27};
  static const char kLetters[] = "BAEFCGHMKNPQRSTWXYZ";
  if (number <= 0 || number > kMaxNumber) return '\0';
  long long sum = 0;
  for (int i = 0; number > 0; ++i, number /= 10) sum += (number % 10) * kWeights[i];
  return kLetters[sum % 19];
}

TQbSwFinaId TQbSwFinaId::FromText(std::string_view text) {
  std::string clean;
  for (char c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) clean += c;
  }
  if (clean.size() < 2) return TQbSwFinaId();
  long long number = 0;
  for (size_t i = 1; i < clean.size(); ++i) {
    if (clean[i] < '0' || clean[i] > '9') return TQbSwFinaId();
    number = number * 10 + (clean[i] - '0');
    if (number > kMaxNumber) return TQbSwFinaId();  // leading zeros are fine, more than eleven digits are not
  }
  if (CheckLetter(number) != clean[0]) return TQbSwFinaId();
  return TQbSwFinaId(number);
}

std::string TQbSwFinaId::Text() const {
  if (!IsValid()) return {};
  // Groups of three digits from the right; the leading group without zero padding.
  std::string groups;
  long long n = number_;
  int leading = 0;
  while (true) {
    if (n < 1000) {
      leading = static_cast<int>(n);
      break;
    }
    char buf[8];
    std::snprintf(buf, sizeof buf, "-%.3d", static_cast<int>(n % 1000));
    groups = buf + groups;
    n /= 1000;
  }
  std::string lead = std::to_string(leading);
  std::string letter(1, CheckLetter(number_));
  return letter + (lead.size() == 3 ? "-" : "") + lead + groups;
}

}  // namespace qbsw
