#include "app/recent_files.h"

#include <algorithm>

#include "frame/settings/lapscope_settings.h"
#include "frame/settings/vnt_ini_file.h"

namespace app {

namespace {
std::string KeyOf(int index) { return "recent" + std::to_string(index); }
}  // namespace

void TRecentFiles::Load(const frame::TVntIniFile& ini) {
  files_.clear();
  for (int i = 0; i < kMaxCount; ++i) {
    std::string file = ini.ReadString(frame::settings::kMain, KeyOf(i), "");
    if (!file.empty() && std::find(files_.begin(), files_.end(), file) == files_.end()) files_.push_back(file);
  }
}

void TRecentFiles::Save(frame::TVntIniFile& ini) const {
  for (int i = 0; i < kMaxCount; ++i) {
    if (i < static_cast<int>(files_.size()))
      ini.WriteString(frame::settings::kMain, KeyOf(i), files_[static_cast<size_t>(i)]);
    else if (ini.ValueExists(frame::settings::kMain, KeyOf(i)))
      ini.DeleteKey(frame::settings::kMain, KeyOf(i));
  }
}

void TRecentFiles::Add(const std::string& fullFileName) {
  if (fullFileName.empty()) return;
  Remove(fullFileName);
  files_.insert(files_.begin(), fullFileName);
  if (files_.size() > static_cast<size_t>(kMaxCount)) files_.resize(kMaxCount);
}

void TRecentFiles::Remove(const std::string& fullFileName) {
  files_.erase(std::remove(files_.begin(), files_.end(), fullFileName), files_.end());
}

}  // namespace app
