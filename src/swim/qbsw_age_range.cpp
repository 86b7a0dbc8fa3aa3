#include "swim/qbsw_age_range.h"

#include <algorithm>
#include <climits>

#include "base/qb_strings.h"

namespace qbsw {

TQbSwAgeRange::TQbSwAgeRange(int minAge, int maxAge) {
  min_ = minAge > 0 ? minAge : kUnbounded;
  const bool relayTotalMin = min_ == 72 || min_ == 80 || min_ == 95;
  if (maxAge <= 0 || maxAge == 109 || maxAge == 999 || (maxAge == 99 && !relayTotalMin))
    max_ = kUnbounded;
  else
    max_ = maxAge;
}

std::string TQbSwAgeRange::GetKey() const {
  auto side = [](int value) { return value == kUnbounded ? std::string("X") : std::to_string(value); };
  return side(min_) + "_" + side(max_);
}

bool TQbSwAgeRange::ContainsAge(int age) const {
  if (IsUndefined()) return false;
  return (min_ == kUnbounded || age >= min_) && (max_ == kUnbounded || age <= max_);
}

bool TQbSwAgeRange::ContainsRange(const TQbSwAgeRange& other) const {
  if (IsUndefined() || other.IsUndefined()) return false;
  if (min_ != kUnbounded && other.min_ < min_) return false;
  if (max_ != kUnbounded && (other.max_ > max_ || other.max_ < 0)) return false;
  return true;
}

bool TQbSwAgeRange::IsTotalRange() const {
  if (IsUndefined()) return false;
  if (min_ > 119 || max_ > 118) return true;
  return (min_ == 72 && max_ == 99) || (min_ == 80 && max_ == 96);
}

int TQbSwAgeRange::GetSpan() const {
  if (IsUndefined()) return 0;
  const int upper = max_ == kUnbounded ? INT_MAX : max_;
  return upper - (min_ > 0 ? min_ : 0);
}

std::string TQbSwAgeRange::GetSortKey(bool ascending) const {
  if (IsUndefined()) return "X";
  if (ascending) return qb::Format("%.5d_%.5d", min_, max_);
  return qb::Format("%.5d_%.5d", 999 - min_, 999 - max_);
}

// Compared as intervals whose unbounded sides reach to the end of the age scale: "up to 10" and
// "20 and older" do not overlap, "up to 10" and "up to 12" do.
bool TQbSwAgeRange::Overlaps(const TQbSwAgeRange& other) const {
  if (IsUndefined() || other.IsUndefined()) return false;
  auto low = [](const TQbSwAgeRange& r) { return r.min_ == kUnbounded ? INT_MIN : r.min_; };
  auto high = [](const TQbSwAgeRange& r) { return r.max_ == kUnbounded ? INT_MAX : r.max_; };
  return low(*this) <= high(other) && low(other) <= high(*this);
}

void TQbSwAgeRange::Extend(const TQbSwAgeRange& other) {
  if (other.IsUndefined()) return;
  if (IsUndefined()) {
    *this = other;
    return;
  }
  min_ = (min_ == kUnbounded || other.min_ == kUnbounded) ? kUnbounded : std::min(min_, other.min_);
  max_ = (max_ == kUnbounded || other.max_ == kUnbounded) ? kUnbounded : std::max(max_, other.max_);
}

}  // namespace qbsw
