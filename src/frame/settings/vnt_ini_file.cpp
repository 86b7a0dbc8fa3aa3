#include "frame/settings/vnt_ini_file.h"

#include <filesystem>
#include <iterator>
#include <sstream>

#include "base/code_pages.h"
#include "base/qb_strings.h"
#include "base/temp_files.h"

namespace fs = std::filesystem;

namespace frame {

namespace {

// A key that could not be read back as written is refused.
bool IsWritableKey(std::string_view key) {
  if (qb::TrimView(key).empty() || key.front() == '[' || key.front() == ';') return false;
  return key.find_first_of("=\r\n") == std::string_view::npos;
}

bool IsWritableSection(std::string_view section) {
  return !qb::TrimView(section).empty() && section.find_first_of("[]\r\n") == std::string_view::npos;
}

// A line break inside a value would end the line and could forge further keys.
std::string OneLine(std::string_view value) {
  std::string r(value);
  for (char& c : r)
    if (c == '\r' || c == '\n') c = ' ';
  return qb::Trim(r);
}

bool ReadDigits(std::string_view text, size_t pos, size_t count, int& out) {
  if (pos + count > text.size()) return false;
  int v = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
  }
  out = v;
  return true;
}

}  // namespace

TVntIniFile::TVntIniFile(std::string fileName) : fileName_(std::move(fileName)) { Load(); }

void TVntIniFile::Load() {
  sections_.assign(1, Section{});
  std::error_code ec;
  if (!fs::exists(fileName_, ec)) return;
  std::string content;
  if (fs::is_directory(fileName_, ec) || !qb::ReadWholeFile(fileName_, content)) {
    usable_ = false;
    return;
  }
  if (qb::StartsWith(content, "\xEF\xBB\xBF")) content.erase(0, 3);
  content = qb::Utf8OrWindows1252(content);
  std::istringstream in(content);
  std::string raw;
  while (std::getline(in, raw)) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::string_view t = qb::TrimView(raw);
    if (t.size() >= 2 && t.front() == '[' && t.find(']') != std::string_view::npos) {
      sections_.push_back(Section{qb::Trim(t.substr(1, t.find(']') - 1)), {}});
      continue;
    }
    size_t eq = t.find('=');
    if (t.empty() || t.front() == ';' || t.front() == '#' || eq == std::string_view::npos || eq == 0) {
      sections_.back().lines.push_back(Line{{}, std::string(raw)});
      continue;
    }
    sections_.back().lines.push_back(Line{qb::Trim(t.substr(0, eq)), qb::Trim(t.substr(eq + 1))});
  }
}

void TVntIniFile::Commit(std::vector<Section> candidate) {
  std::string text;
  for (size_t i = 0; i < candidate.size(); ++i) {
    const Section& s = candidate[i];
    if (i > 0) {
      if (!text.empty() && !qb::EndsWith(text, "\n\n")) text += "\n";
      text += "[" + s.name + "]\n";
    }
    for (const Line& l : s.lines) text += l.key.empty() ? l.value + "\n" : l.key + "=" + l.value + "\n";
  }
  std::error_code ec;
  fs::path target(fileName_);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  std::string temp = fileName_ + ".new";
  bool saved = qb::WriteWholeFile(temp, text);
  if (saved) {
    fs::rename(temp, target, ec);
    saved = !ec;
  }
  if (!saved) {
    fs::remove(temp, ec);
    usable_ = false;
    return;
  }
  sections_ = std::move(candidate);
}

const TVntIniFile::Line* TVntIniFile::Find(std::string_view section, std::string_view key) const {
  if (!usable_) return nullptr;
  for (size_t i = 1; i < sections_.size(); ++i) {
    if (!qb::EqualsNoCaseAscii(sections_[i].name, section)) continue;
    for (const Line& l : sections_[i].lines)
      if (!l.key.empty() && qb::EqualsNoCaseAscii(l.key, key)) return &l;
  }
  return nullptr;
}

bool TVntIniFile::SectionExists(std::string_view section) const {
  if (!usable_) return false;
  for (size_t i = 1; i < sections_.size(); ++i)
    if (qb::EqualsNoCaseAscii(sections_[i].name, section)) return true;
  return false;
}

bool TVntIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return Find(section, key) != nullptr;
}

std::vector<std::string> TVntIniFile::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  for (const auto& [k, v] : ReadSectionValues(section)) keys.push_back(k);
  return keys;
}

std::vector<std::pair<std::string, std::string>> TVntIniFile::ReadSectionValues(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> values;
  if (!usable_) return values;
  for (size_t i = 1; i < sections_.size(); ++i) {
    if (!qb::EqualsNoCaseAscii(sections_[i].name, section)) continue;
    for (const Line& l : sections_[i].lines) {
      if (l.key.empty()) continue;
      bool seen = false;
      for (const auto& kv : values) seen = seen || qb::EqualsNoCaseAscii(kv.first, l.key);
      if (!seen) values.emplace_back(l.key, l.value);
    }
  }
  return values;
}

std::string TVntIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  const Line* l = Find(section, key);
  return l ? l->value : std::string(defaultValue);
}

int TVntIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
  const Line* l = Find(section, key);
  int v = defaultValue;
  if (l && !qb::TryParseInt(l->value, v)) v = defaultValue;
  return v;
}

bool TVntIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  const Line* l = Find(section, key);
  if (!l) return defaultValue;
  if (qb::EqualsNoCaseAscii(l->value, "true")) return true;
  if (qb::EqualsNoCaseAscii(l->value, "false")) return false;
  int v = 0;
  return qb::TryParseInt(l->value, v) ? v != 0 : defaultValue;
}

qb::TDateTime TVntIniFile::ReadDateTime(std::string_view section, std::string_view key,
                                        qb::TDateTime defaultValue) const {
  const Line* l = Find(section, key);
  if (!l) return defaultValue;
  qb::TDateTime v = ParseIniDateTime(l->value);
  return v == 0 ? defaultValue : v;
}

void TVntIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (!usable_ || !IsWritableSection(section) || !IsWritableKey(key)) return;
  std::vector<Section> next = sections_;
  std::string text = OneLine(value);
  Section* target = nullptr;
  for (size_t i = 1; i < next.size() && !target; ++i)
    if (qb::EqualsNoCaseAscii(next[i].name, section)) target = &next[i];
  if (!target) {
    next.push_back(Section{qb::Trim(section), {}});
    target = &next.back();
  }
  bool done = false;
  for (Line& l : target->lines)
    if (!l.key.empty() && qb::EqualsNoCaseAscii(l.key, key)) {
      l.value = text;
      done = true;
      break;
    }
  if (!done) {
    // New keys go after the last key of the section, before trailing blank lines.
    auto pos = target->lines.end();
    while (pos != target->lines.begin() && std::prev(pos)->key.empty() && qb::TrimView(std::prev(pos)->value).empty())
      --pos;
    target->lines.insert(pos, Line{qb::Trim(key), text});
  }
  Commit(std::move(next));
}

void TVntIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TVntIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TVntIniFile::WriteDateTime(std::string_view section, std::string_view key, qb::TDateTime value) {
  WriteString(section, key, IniDateTimeText(value));
}

void TVntIniFile::DeleteKey(std::string_view section, std::string_view key) {
  if (!Find(section, key)) return;
  std::vector<Section> next = sections_;
  for (size_t i = 1; i < next.size(); ++i) {
    if (!qb::EqualsNoCaseAscii(next[i].name, section)) continue;
    auto& lines = next[i].lines;
    std::erase_if(lines, [&](const Line& l) { return !l.key.empty() && qb::EqualsNoCaseAscii(l.key, key); });
  }
  Commit(std::move(next));
}

void TVntIniFile::EraseSection(std::string_view section) {
  if (!SectionExists(section)) return;
  std::vector<Section> next;
  for (size_t i = 0; i < sections_.size(); ++i)
    if (i == 0 || !qb::EqualsNoCaseAscii(sections_[i].name, section)) next.push_back(sections_[i]);
  Commit(std::move(next));
}

std::string IniDateTimeText(qb::TDateTime value) {
  qb::DateParts d = qb::DecodeDate(value);
  qb::TimeParts t = qb::DecodeTime(value);
  return qb::Format("%.4d%.2d%.2d%.2d%.2d%.2d", d.year, d.month, d.day, t.hour, t.minute, t.second);
}

qb::TDateTime ParseIniDateTime(std::string_view text) {
  int year = 0, month = 0, day = 0;
  qb::TDateTime date = 0;
  if (!ReadDigits(text, 0, 4, year) || !ReadDigits(text, 4, 2, month) || !ReadDigits(text, 6, 2, day) ||
      !qb::TryEncodeDate(year, month, day, date))
    return 0;
  int hour = 0, minute = 0, second = 0;
  qb::TDateTime time = 0;
  if (!ReadDigits(text, 8, 2, hour) || !ReadDigits(text, 10, 2, minute) || !ReadDigits(text, 12, 2, second) ||
      !qb::TryEncodeTime(hour, minute, second, 0, time))
    time = 0;
  return date + time;
}

}  // namespace frame
