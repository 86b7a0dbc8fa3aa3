// The FINA athlete id: a positive number with a check letter ("A12-345").
#pragma once

#include <string>
#include <string_view>

namespace qbsw {

class TQbSwFinaId {
 public:
  TQbSwFinaId() = default;
  explicit TQbSwFinaId(long long number) : number_(number > 0 && number <= kMaxNumber ? number : -1) {}

  // Keeps only 0-9 and A-Z after upper-casing; the first character must be the check letter of
  // the number that follows. Anything else gives an invalid id (-1).
  static TQbSwFinaId FromText(std::string_view text);
  // The check letter of a number, or '\0' when the number is out of range.
  static char CheckLetter(long long number);

  long long Number() const { return number_; }
  bool IsValid() const { return number_ > 0; }
  bool IsEmpty() const { return number_ <= 0; }
  // "A12-345", "Q-123-456"; empty for an invalid id.
  std::string Text() const;

  bool operator==(const TQbSwFinaId&) const = default;

  static constexpr long long kMaxNumber = 99999999999LL;  // eleven digits

 private:
  long long number_ = -1;
};

}  // namespace qbsw
