// TVntIniFile: an ini file of sections and "key=value" lines, read into memory when it is opened
// and written back (whole, through a temporary file) after every change.
//
// Section and key names compare without regard to ASCII case. Values are UTF-8 text; integers
// are decimal, bools 0 and 1, date-times "yyyymmddhhnnss". When the file exists but cannot be
// read, or a change cannot be saved, the object is unusable from then on: reads answer their
// defaults and writes do nothing. A missing file is not an error: it is made by the first write.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/date_time.h"

namespace frame {

class TVntIniFile {
 public:
  explicit TVntIniFile(std::string fileName);

  const std::string& FileName() const { return fileName_; }
  // False once the file could not be read or written.
  bool IsUsable() const { return usable_; }

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  // The keys of a section, in file order.
  std::vector<std::string> ReadSection(std::string_view section) const;
  std::vector<std::pair<std::string, std::string>> ReadSectionValues(std::string_view section) const;

  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
  qb::TDateTime ReadDateTime(std::string_view section, std::string_view key, qb::TDateTime defaultValue) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void WriteDateTime(std::string_view section, std::string_view key, qb::TDateTime value);

  void DeleteKey(std::string_view section, std::string_view key);
  void EraseSection(std::string_view section);

 private:
  struct Line {
    std::string key;  // empty: a comment or blank line kept as text
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
  };

  void Load();
  // Saves candidate; when that works it becomes the content, otherwise the object turns unusable.
  void Commit(std::vector<Section> candidate);
  const Line* Find(std::string_view section, std::string_view key) const;

  std::string fileName_;
  bool usable_ = true;
  std::vector<Section> sections_;  // sections_[0] holds the lines before the first header
};

// Date-time text of the ini file: "yyyymmddhhnnss".
std::string IniDateTimeText(qb::TDateTime value);
// Reads "yyyymmddhhnnss": a time part that cannot be read counts as 0; a date part that cannot
// be read makes the whole value 0.
qb::TDateTime ParseIniDateTime(std::string_view text);

}  // namespace frame
