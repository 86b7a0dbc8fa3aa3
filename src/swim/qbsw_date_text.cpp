#include "swim/qbsw_date_text.h"

#include <cmath>

#include "base/qb_strings.h"
#include "swim/qbsw_format.h"
#include "swim/qbsw_language.h"

namespace qbsw {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The date separator of a format: its first character that is neither a letter, a blank nor a quote.
char DateSeparator(std::string_view format) {
  for (char c : format) {
    const char l = Lower(c);
    if ((l >= 'a' && l <= 'z') || c == ' ' || c == '\'' || c == '"') continue;
    return c;
  }
  return '\0';
}

std::string RemoveLetters(std::string_view format, char letter) {
  std::string result;
  for (char c : format)
    if (Lower(c) != letter) result += c;
  return result;
}

long long DayNumber(qb::TDateTime date) { return static_cast<long long>(std::floor(date)); }

}  // namespace

std::string FormatDate(qb::TDateTime date, std::string_view format, const TQbSwDateNames& names) {
  const qb::DateParts parts = qb::DecodeDate(date);
  std::string result;
  size_t i = 0;
  while (i < format.size()) {
    const char c = format[i];
    if (c == '\'' || c == '"') {
      const size_t end = format.find(c, i + 1);
      const size_t stop = end == std::string_view::npos ? format.size() : end;
      result.append(format.substr(i + 1, stop - i - 1));
      i = stop == format.size() ? stop : stop + 1;
      continue;
    }
    const char l = Lower(c);
    if (l != 'd' && l != 'm' && l != 'y') {
      result += c;
      ++i;
      continue;
    }
    size_t run = 1;
    while (i + run < format.size() && Lower(format[i + run]) == l) ++run;
    i += run;
    if (l == 'd') {
      if (run == 1) result += std::to_string(parts.day);
      else if (run == 2) result += qb::Format("%.2d", parts.day);
      else if (run == 3) result += ItemAt(names.shortDayNames, qb::DayOfWeek(date) - 1);
      else result += ItemAt(names.longDayNames, qb::DayOfWeek(date) - 1);
    } else if (l == 'm') {
      if (run == 1) result += std::to_string(parts.month);
      else if (run == 2) result += qb::Format("%.2d", parts.month);
      else if (run == 3) result += ItemAt(names.shortMonthNames, parts.month - 1);
      else result += ItemAt(names.longMonthNames, parts.month - 1);
    } else {
      result += run <= 2 ? qb::Format("%.2d", parts.year % 100) : std::to_string(parts.year);
    }
  }
  return result;
}

std::string DateText(qb::TDateTime date, bool longForm) {
  const TQbSwDateNames& names = TQbSwLanguage::Instance().DateNames();
  return FormatDate(date, longForm ? names.longDateFormat : names.shortDateFormat, names);
}

std::string DateRangeText(qb::TDateTime first, qb::TDateTime last, bool longForm) {
  if (last < first) return {};
  // Two instants of the same day are one date.
  if (DayNumber(first) == DayNumber(last)) return DateText(last, longForm);
  const TQbSwDateNames& names = TQbSwLanguage::Instance().DateNames();
  const std::string& format = longForm ? names.longDateFormat : names.shortDateFormat;
  const qb::DateParts a = qb::DecodeDate(first), b = qb::DecodeDate(last);
  std::string firstFormat = format;
  if (a.year == b.year) {
    firstFormat = RemoveLetters(firstFormat, 'y');
    if (a.month == b.month) firstFormat = RemoveLetters(firstFormat, 'm');
    const char separator = DateSeparator(format);
    if (separator != '\0') {
      firstFormat = FoldRepeats(firstFormat, separator);
      // A format that starts with the year ("yyyy-mm-dd") would leave a separator in front.
      while (!firstFormat.empty() && (firstFormat[0] == separator || firstFormat[0] == ' ')) firstFormat.erase(0, 1);
    }
  }
  const bool apart = DayNumber(last) - DayNumber(first) > 1;
  const std::string joiner = longForm ? (apart ? " - " : " / ") : (apart ? "-" : "/");
  return FoldRepeats(FormatDate(first, firstFormat, names) + joiner + DateText(last, longForm), ' ');
}

}  // namespace qbsw
