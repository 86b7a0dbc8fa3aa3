// Date texts of headings and lists, in the date formats and month/day names of the screen
// language ("#QB.LongDateFormat", "#QB.ShortDateFormat", "#QB.ShortMonthNames", ...).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"

namespace qbsw {

struct TQbSwDateNames {
  std::vector<std::string> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::vector<std::string> longMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
  // Sunday first.
  std::vector<std::string> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::vector<std::string> longDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  std::string longDateFormat = "d mmmm yyyy";
  std::string shortDateFormat = "dd.mm.yyyy";
};

// Formats a date: d dd ddd dddd (day, two-digit day, short and long day name), m mm mmm mmmm
// (likewise for the month), yy yyyy (year); text in '...' or "..." and every other character is
// copied. Letters may be upper- or lower-case.
std::string FormatDate(qb::TDateTime date, std::string_view format, const TQbSwDateNames& names);

// The date in the long or short date format of the screen language.
std::string DateText(qb::TDateTime date, bool longForm);
// "12.-14.03.2009", "12 - 14 March 2009", "12./13.03.2009" (next day); the first date leaves out
// what it shares with the last. Empty when last is before first.
std::string DateRangeText(qb::TDateTime first, qb::TDateTime last, bool longForm);

}  // namespace qbsw
