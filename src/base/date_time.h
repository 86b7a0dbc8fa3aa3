// TDateTime: days since 1899-12-30 plus the fraction of the day, as a double.
#pragma once

#include <string>

namespace qb {

using TDateTime = double;

struct DateParts {
  int year = 0, month = 0, day = 0;
};
struct TimeParts {
  int hour = 0, minute = 0, second = 0, msec = 0;
};

bool IsValidDate(int year, int month, int day);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Answers false and leaves result untouched when the date is invalid.
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
// Invalid dates give 0.
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
DateParts DecodeDate(TDateTime value);
TimeParts DecodeTime(TDateTime value);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime value);
// The current local date and time.
TDateTime Now();

}  // namespace qb
