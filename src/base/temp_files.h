// Temporary files: unique names in the system's temporary folder, removed by their owner.
#pragma once

#include <string>

namespace qb {

// The system's temporary folder (no trailing separator).
std::string TempFolder();
// Creates an empty file with a unique name "<prefix>XXXXXX<suffix>" in the temporary folder and
// answers its path; empty when no file could be created.
std::string MakeUniqueTempFile(const std::string& prefix, const std::string& suffix);
// The same in a given folder.
std::string MakeUniqueTempFileIn(const std::string& folder, const std::string& prefix, const std::string& suffix);

// Owns one temporary file and removes it when destroyed.
class TTempFile {
 public:
  TTempFile() = default;
  explicit TTempFile(std::string path) : path_(std::move(path)) {}
  TTempFile(const TTempFile&) = delete;
  TTempFile& operator=(const TTempFile&) = delete;
  TTempFile(TTempFile&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
  TTempFile& operator=(TTempFile&& other) noexcept;
  ~TTempFile();

  const std::string& Path() const { return path_; }
  bool Empty() const { return path_.empty(); }
  // Removes the file now.
  void Remove();
  // Gives up ownership: the file stays.
  void Release() { path_.clear(); }

 private:
  std::string path_;
};

// Reads a whole file; answers false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& content);
bool WriteWholeFile(const std::string& path, std::string_view content);

}  // namespace qb
