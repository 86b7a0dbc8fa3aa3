#include "swim/qbsw_swim_time.h"

#include <cstdio>
#include <vector>

#include "base/qb_strings.h"

namespace qbsw {

bool IsValidSwimTime(std::int32_t time) { return time >= 1 && time <= 2147483646; }

std::string SwimTimeToText(std::int32_t time, bool showNt) {
  if (!IsValidSwimTime(time)) return showNt ? "NT" : "";
  const int h = time / 3600000;
  const int m = (time % 3600000) / 60000;
  const int s = (time % 60000) / 1000;
  const int c = (time % 1000) / 10;
  if (h > 0) return qb::Format("%d:%.2d:%.2d.%.2d", h, m, s, c);
  if (m == 0) return qb::Format("%d.%.2d", s, c);
  return qb::Format("%d:%.2d.%.2d", m, s, c);
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsTimeSeparator(char c) {
  return c == 'h' || c == ':' || c == '.' || c == ',' || c == '"' || c == '\'';
}

// The two-character groups of a time text, rightmost first.
std::vector<std::string> TimeGroups(std::string_view text) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (IsTimeSeparator(c))
      fields.emplace_back();
    else
      fields.back() += c;
  }
  std::vector<std::string> groups;
  for (auto field = fields.rbegin(); field != fields.rend(); ++field) {
    size_t end = field->size();
    while (end > 0) {
      const size_t begin = end >= 2 ? end - 2 : 0;
      groups.push_back(field->substr(begin, end - begin));
      end = begin;
    }
  }
  return groups;
}

int GroupValue(const std::string& group) {
  int value = 0;
  return qb::TryParseInt(group, value) ? value : 0;
}

}  // namespace

std::int32_t TextToSwimTime(std::string_view text) {
  std::string compact;
  for (char c : text)
    if (c != ' ') compact += c;
  std::vector<std::string> groups;
  for (auto& group : TimeGroups(qb::TrimView(compact)))
    if (IsDigit(group[0])) groups.push_back(std::move(group));
  if (groups.empty()) return kNoSwimTime;
  std::int64_t sum = 0;
  if (groups.size() == 1) {
    sum = static_cast<std::int64_t>(GroupValue(groups[0])) * 1000;
  } else {
    sum = GroupValue(groups[0]) * (groups[0].size() == 1 ? 100 : 10);
    static const std::int64_t kScale[] = {1000, 60000, 3600000};
    for (size_t i = 1; i < groups.size() && i <= 3; ++i) sum += GroupValue(groups[i]) * kScale[i - 1];
  }
  return sum >= 1 && sum <= 2147483646 ? static_cast<std::int32_t>(sum) : kNoSwimTime;
}

bool IsValidLegacyTime(std::int64_t value) { return value >= 11 && value <= 35999089; }

std::string LegacyTimeToText(std::int64_t value, bool showNt) {
  if (!IsValidLegacyTime(value)) return showNt ? "NT" : "";
  const int minutes = static_cast<int>(value / 600000);
  const int seconds = static_cast<int>((value % 600000) / 10000);
  const int tenths = static_cast<int>((value % 10000) / 1000);
  const int hundredths = static_cast<int>((value % 1000) / 10);
  std::string text = qb::Format("%2d:%.2d.%d", minutes, seconds, tenths);
  text += hundredths > 9 ? std::string("*") : std::to_string(hundredths);
  if (qb::StartsWith(text, " 0:")) text.replace(0, 3, "   ");
  return text;
}

std::int64_t TextToLegacyTime(std::string_view text) {
  std::string source(text);
  if (source == "99:99.99" || source == "99:99,99") source = "59:59.99";
  std::vector<std::string> fields(1);
  for (char c : source) {
    if (c == ':' || c == '.' || c == ',')
      fields.emplace_back();
    else
      fields.back() += c;
  }
  if (fields.size() < 2) return 0;
  auto number = [](const std::string& field) {
    int value = 0;
    return qb::TryParseInt(field, value) ? static_cast<std::int64_t>(value) : 0;
  };
  std::int64_t result = 0;
  if (fields.size() >= 3) result += number(fields[0]) * 600000;
  result += number(fields[fields.size() - 2]) * 10000;
  const std::string last = qb::Trim(fields.back());
  if (!last.empty() && IsDigit(last[0])) result += (last[0] - '0') * 1000;
  if (last.size() >= 2) result += (IsDigit(last[1]) ? last[1] - '0' : 10) * 10;
  if (last.size() == 1 && result > 0) result += 100;
  return result;
}

std::int64_t SwimTimeToLegacy(std::int32_t time) {
  if (time == kNoSwimTime) return kLegacyNoTime;
  return static_cast<std::int64_t>(time / 100) * 1000 + ((time / 10) % 10) * 10;
}

std::int32_t LegacyToSwimTime(std::int64_t value) {
  if (value == kLegacyNoTime) return kNoSwimTime;
  const std::int64_t ms = ((value / 1000) * 10 + ((value % 1000) / 10) % 10) * 10;
  if (ms < INT32_MIN || ms >= kNoSwimTime) return kNoSwimTime;
  return static_cast<std::int32_t>(ms);
}

}  // namespace qbsw
