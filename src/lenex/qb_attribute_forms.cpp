#include "lenex/qb_attribute_forms.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/qb_strings.h"

namespace lnx {

namespace {

// Characters [from, from+count) of the text (1-based positions as in the file formats);
// shorter when the text ends early.
std::string_view Chars(std::string_view text, size_t from, size_t count) {
  if (from - 1 >= text.size()) return {};
  return text.substr(from - 1, count);
}

bool DigitsOnly(std::string_view s, int& value) {
  if (s.empty()) return false;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  value = v;
  return true;
}

// A number as the old string-to-integer conversions took it: blanks around and a sign allowed.
int NumberOr(std::string_view s, int fallback) {
  int v;
  return qb::TryParseInt(s, v) ? v : fallback;
}

}  // namespace

int ReadInteger(std::string_view text) { return NumberOr(text, 0); }

int ReadIntegerOrNone(std::string_view text) { return NumberOr(text, kNoValue); }

double ReadHundredths(std::string_view text) { return ReadInteger(text) / 100.0; }

double ReadFloat(std::string_view text) {
  double v;
  return qb::TryParseFloat(text, v) && std::isfinite(v) ? v : 0.0;
}

bool ReadBoolean(std::string_view text) {
  if (qb::EqualsNoCaseAscii(qb::TrimView(text), "true")) return true;
  double v;
  return qb::TryParseFloat(text, v) && v != 0.0;
}

qb::TDateTime ReadDate(std::string_view text) {
  int y, m, d;
  qb::TDateTime r = 0;
  if (DigitsOnly(Chars(text, 1, 4), y) && DigitsOnly(Chars(text, 6, 2), m) && DigitsOnly(Chars(text, 9, 2), d))
    qb::TryEncodeDate(y, m, d, r);
  return r;
}

qb::TDateTime ReadTime(std::string_view text) {
  int h = 0, m = 0, s = 0;
  bool ok;
  if (text.size() == 8)
    ok = DigitsOnly(Chars(text, 1, 2), h) && DigitsOnly(Chars(text, 4, 2), m) && DigitsOnly(Chars(text, 7, 2), s);
  else
    ok = text.size() >= 2 && DigitsOnly(Chars(text, 1, 2), h) && DigitsOnly(text.substr(text.size() - 2), m);
  qb::TDateTime r = 0;
  if (ok) qb::TryEncodeTime(h, m, s, 0, r);
  return r;
}

qb::TDateTime ReadDateTime(std::string_view text) {
  return ReadDate(Chars(text, 1, 10)) + ReadTime(Chars(text, 12, 8));
}

std::int32_t ReadSwimTime(std::string_view text) {
  if (qb::EqualsNoCaseAscii(text, "NT")) return kNoSwimTime;
  if (text.empty()) return 0;
  int h = 0, m = 0, s = 0, hh = 0;
  if (!DigitsOnly(Chars(text, 1, 2), h)) h = 0;
  if (!DigitsOnly(Chars(text, 4, 2), m)) m = 0;
  if (!DigitsOnly(Chars(text, 7, 2), s)) s = 0;
  if (!DigitsOnly(Chars(text, 10, 2), hh)) hh = 0;
  return h * 3600000 + m * 60000 + s * 1000 + hh * 10;
}

std::string WriteInteger(int value) { return value == 0 ? std::string() : std::to_string(value); }

std::string WriteIntegerOrNone(int value) {
  if (value == kNoValue) return {};
  if (value > 0) return "+" + std::to_string(value);
  return std::to_string(value);
}

std::string WriteHundredths(double value) { return std::to_string(std::llround(value * 100.0)); }

std::string WriteFloat(double value) {
  if (value == 0.0 || !std::isfinite(value)) return {};
  char buf[64];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
  return ec == std::errc() ? std::string(buf, ptr) : std::string();
}

std::string WriteBoolean(bool value) { return value ? "True" : "False"; }

std::string WriteDate(qb::TDateTime value) {
  if (value == 0) return {};
  auto d = qb::DecodeDate(value);
  return qb::Format("%.4d-%.2d-%.2d", d.year, d.month, d.day);
}

std::string WriteTime(qb::TDateTime value) {
  if (value == 0) return {};
  auto t = qb::DecodeTime(value);
  return qb::Format("%.2d:%.2d", t.hour, t.minute);
}

std::string WriteDateTime(qb::TDateTime value) {
  if (value == 0) return {};
  auto d = qb::DecodeDate(value);
  auto t = qb::DecodeTime(value);
  return qb::Format("%.4d-%.2d-%.2dT%.2d:%.2d:%.2d", d.year, d.month, d.day, t.hour, t.minute, t.second);
}

std::string WriteSwimTime(std::int32_t ms) {
  if (ms == kNoSwimTime) return "NT";
  if (ms < 0) ms = 0;
  return qb::Format("%.2d:%.2d:%.2d.%.2d", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms / 10 % 100);
}

}  // namespace lnx
