// The list of the last opened files of the File menu, newest first, at most eight, kept in the
// ini file's section "main" as "recent0".."recent7".
#pragma once

#include <string>
#include <vector>

namespace frame {
class TVntIniFile;
}

namespace app {

class TRecentFiles {
 public:
  static constexpr int kMaxCount = 8;

  void Load(const frame::TVntIniFile& ini);
  void Save(frame::TVntIniFile& ini) const;

  // Puts the file first; an entry of the same name moves up instead of doubling.
  void Add(const std::string& fullFileName);
  void Remove(const std::string& fullFileName);
  const std::vector<std::string>& Files() const { return files_; }

 private:
  std::vector<std::string> files_;
};

}  // namespace app
