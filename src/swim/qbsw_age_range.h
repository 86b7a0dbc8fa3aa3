// An age range: minimum and maximum age, -1 = unbounded on that side. Relay age groups use the
// same type for the total age of the swimmers ("AG 120 - 159").
#pragma once

#include <string>

namespace qbsw {

class TQbSwAgeRange {
 public:
  static constexpr int kUnbounded = -1;
  static constexpr int kUndefinedMin = 2147483647;

  // An undefined range (no bounds known yet; Extend gives it the bounds of another).
  TQbSwAgeRange() = default;
  // Makes a range from age group bounds: a minimum of 0 or less is unbounded; a maximum of 0 or
  // less, 109 or 999 is unbounded, and so is 99 unless the minimum is 72, 80 or 95 (relay totals).
  TQbSwAgeRange(int minAge, int maxAge);

  int GetMax() const { return max_; }
  int GetMin() const { return min_; }
  bool IsUndefined() const { return min_ == kUndefinedMin; }
  // "10_12", "10_X", "X_X".
  std::string GetKey() const;
  bool ContainsAge(int age) const;
  // True when every age of the other range lies in this one.
  bool ContainsRange(const TQbSwAgeRange& other) const;
  bool IsOpen() const { return min_ == kUnbounded && max_ == kUnbounded; }
  // A relay range of total ages (above 119 / 118, or 72..99, 80..96).
  bool IsTotalRange() const;
  bool Equals(const TQbSwAgeRange& other) const { return min_ == other.min_ && max_ == other.max_; }
  bool operator==(const TQbSwAgeRange& other) const { return Equals(other); }
  int GetSpan() const;
  // "00010_00012" ascending, "00989_00987" descending (999 minus the bounds); "X" when undefined.
  std::string GetSortKey(bool ascending) const;
  bool Overlaps(const TQbSwAgeRange& other) const;
  // Widens this range so that it covers the other as well.
  void Extend(const TQbSwAgeRange& other);

 private:
  int min_ = kUndefinedMin;
  int max_ = kUnbounded;
};

}  // namespace qbsw
