#include "lenex/container/qb_zip_file.h"

#include <filesystem>

#include "base/qb_strings.h"
#include "lenex/container/zip_entry_names.h"

namespace lnx {

TQbZipFile::TQbZipFile(std::string archiveFile, std::string baseFolder)
    : archiveFile_(std::move(archiveFile)), baseFolder_(std::move(baseFolder)) {
  if (!baseFolder_.empty() && baseFolder_.back() != '/') baseFolder_ += '/';
  if (!zip_.Open(archiveFile_)) error_ = zip_.Error();
}

int TQbZipFile::EntryCount() const { return static_cast<int>(zip_.Count()); }

std::string TQbZipFile::EntryName(int index) const { return zip_.Name(index); }

std::optional<std::string> TQbZipFile::EntryReader(const std::string& name) { return ExtractToMemory(name); }

std::optional<std::string> TQbZipFile::ExtractToMemory(const std::string& name) {
  error_.clear();
  std::int64_t index = zip_.Find(name);
  if (index < 0) {
    error_ = "The archive holds no entry \"" + name + "\" !";
    return std::nullopt;
  }
  auto content = zip_.Read(index);
  if (!content) error_ = zip_.Error();
  return content;
}

std::string TQbZipFile::EntryNameOfFile(const std::string& file) const {
  if (!baseFolder_.empty() && qb::StartsWith(file, baseFolder_)) return file.substr(baseFolder_.size());
  return qb::ExtractFileName(file);
}

bool TQbZipFile::Contains(const std::string& file) const {
  std::string name = qb::ReplaceAll(EntryNameOfFile(file), "\\", "/");
  return zip_.Find(name) >= 0 || zip_.Find(qb::ReplaceAll(name, "/", "\\")) >= 0;
}

bool TQbZipFile::Extract(const std::string& file) {
  error_.clear();
  std::string name = qb::ReplaceAll(EntryNameOfFile(file), "\\", "/");
  std::int64_t index = zip_.Find(name);
  if (index < 0) index = zip_.Find(qb::ReplaceAll(name, "/", "\\"));
  if (index < 0) {
    error_ = "The archive holds no entry \"" + name + "\" !";
    return false;
  }
  if (!zip_.ExtractTo(index, file)) {
    error_ = zip_.Error();
    return false;
  }
  return true;
}

TZipExtractResult TQbZipFile::ExtractAll(const TZipProgress& progress) {
  error_ = zip_.IsOpen() ? std::string() : zip_.Error();
  if (!zip_.IsOpen()) return TZipExtractResult::Failed;
  bool failed = false;
  for (std::int64_t i = 0; i < zip_.Count(); ++i) {
    std::string name = zip_.Name(i);
    if (progress && !progress(name)) return TZipExtractResult::Aborted;
    auto target = SafeTargetPath(baseFolder_, name);
    if (!target) {
      error_ = "The archive entry \"" + name + "\" points outside the target folder and is not extracted !";
      failed = true;
      continue;
    }
    std::error_code ec;
    if (zip_.IsFolder(i)) {
      std::filesystem::create_directories(*target, ec);
      continue;
    }
    std::filesystem::path parent = std::filesystem::path(*target).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    if (!zip_.ExtractTo(i, *target)) {
      error_ = zip_.Error();
      failed = true;
    }
  }
  return failed ? TZipExtractResult::Failed : TZipExtractResult::Done;
}

std::vector<std::string> TQbZipFile::List() const {
  std::vector<std::string> lines;
  for (std::int64_t i = 0; i < zip_.Count(); ++i)
    lines.push_back(qb::Format("%s;%lld", qb::ReplaceAll(zip_.Name(i), "/", "\\").c_str(),
                               static_cast<long long>(zip_.DeclaredSize(i))));
  return lines;
}

}  // namespace lnx
