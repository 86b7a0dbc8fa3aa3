#include "lenex/container/vnt_file_list.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "base/qb_strings.h"
#include "lenex/container/zip_archive.h"
#include "lenex/container/zip_entry_names.h"

namespace lnx {

namespace {

void SplitPathAndMask(const std::string& pathAndMask, std::string& folder, std::string& mask) {
  size_t slash = pathAndMask.find_last_of('/');
  folder = slash == std::string::npos ? std::string("./") : pathAndMask.substr(0, slash + 1);
  mask = slash == std::string::npos ? pathAndMask : pathAndMask.substr(slash + 1);
  if (mask.empty()) mask = "*.*";
}

}  // namespace

void TVntFileList::ScanArchive(const std::string& archiveName, const std::string& pathAndMask) {
  std::string mask;
  SplitPathAndMask(pathAndMask, baseFolder_, mask);
  lines_.clear();
  error_.clear();
  TZipArchive zip;
  if (!zip.Open(archiveName)) {
    error_ = zip.Error();
    return;
  }
  for (std::int64_t i = 0; i < zip.Count(); ++i) {
    if (zip.IsFolder(i)) continue;
    std::string name = qb::ReplaceAll(zip.Name(i), "/", "\\");
    if (!MatchesFileMask(qb::ExtractFileName(name), mask)) continue;
    lines_.push_back(qb::Format("%s;%lld", name.c_str(), static_cast<long long>(zip.DeclaredSize(i))));
  }
}

std::string TVntFileList::Name(int index) const {
  if (index < 0 || index >= Count()) return {};
  const std::string& line = lines_[static_cast<size_t>(index)];
  return line.substr(0, line.rfind(';'));
}

std::int64_t TVntFileList::Size(int index) const {
  if (index < 0 || index >= Count()) return -1;
  const std::string& line = lines_[static_cast<size_t>(index)];
  size_t semi = line.rfind(';');
  if (semi == std::string::npos) return -1;
  std::int64_t value = 0;
  const char* first = line.data() + semi + 1;
  const char* last = line.data() + line.size();
  auto [end, ec] = std::from_chars(first, last, value);
  return (ec != std::errc() || end != last || first == last) ? -1 : value;
}

bool TVntFileList::Contains(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (qb::EqualsNoCaseAscii(Name(i), name)) return true;
  return false;
}

void TVntFileList::Sort() { std::sort(lines_.begin(), lines_.end()); }

int TVntFileList::Unpack(const std::string& archiveName, const TUnpackCallback& callback) {
  error_.clear();
  TZipArchive zip;
  if (!zip.Open(archiveName)) {
    error_ = zip.Error();
    return kUnpackError;
  }
  int result = kUnpackDone;
  for (int i = 0; i < Count(); ++i) {
    std::string listed = Name(i);
    if (callback && !callback(listed, Size(i))) return kUnpackCancelled;
    std::string entryName = qb::ReplaceAll(listed, "\\", "/");
    std::int64_t index = zip.Find(entryName);
    if (index < 0) index = zip.Find(listed);
    auto target = SafeTargetPath(baseFolder_, entryName);
    if (index < 0 || !target) {
      error_ = index < 0
                   ? "The archive holds no entry \"" + listed + "\" !"
                   : "The archive entry \"" + listed + "\" points outside the target folder and is not extracted !";
      result = kUnpackError;
      continue;
    }
    std::error_code ec;
    auto parent = std::filesystem::path(*target).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    if (!zip.ExtractTo(index, *target)) {
      error_ = zip.Error();
      result = kUnpackError;
    }
  }
  return result;
}

int TVntFileList::ExtractSingle(const std::string& archiveName, const std::string& targetPathAndMask) {
  if (targetPathAndMask.find_first_of("*?") == std::string::npos) {
    std::error_code ec;
    std::filesystem::remove(targetPathAndMask, ec);
  }
  ScanArchive(archiveName, targetPathAndMask);
  if (Count() != 1) {
    if (error_.empty()) error_ = qb::Format("The archive holds %d matching files instead of one !", Count());
    return kUnpackError;
  }
  return Unpack(archiveName);
}

}  // namespace lnx
