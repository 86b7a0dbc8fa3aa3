// A range of dates from a first to a last day. Made of two zero dates it spans every day the
// program knows (day 0 to day 73050, 1899-12-30 to 2099-12-31); first after last is invalid.
#pragma once

#include "base/date_time.h"

namespace lnx {

class TQbLenexDateRange {
 public:
  static constexpr qb::TDateTime kLastKnownDay = 73050;

  TQbLenexDateRange() = default;
  TQbLenexDateRange(qb::TDateTime first, qb::TDateTime last)
      : first_(first), last_(first == 0 && last == 0 ? kLastKnownDay : last) {}
  // The range of a meet without sessions: from 73050 to 0.
  static TQbLenexDateRange Invalid() { return TQbLenexDateRange(kLastKnownDay, 0); }

  qb::TDateTime GetFirst() const { return first_; }
  qb::TDateTime GetLast() const { return last_; }
  bool IsValid() const { return first_ <= last_; }
  bool operator==(const TQbLenexDateRange&) const = default;

 private:
  qb::TDateTime first_ = 0;
  qb::TDateTime last_ = kLastKnownDay;
};

}  // namespace lnx
