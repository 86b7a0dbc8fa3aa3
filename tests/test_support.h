// Helpers shared by the tests: fixture paths, scratch folders, file contents.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

// Path of a fixture under tests/data.
std::string DataPath(const std::string& relative);
// The folder of real result files, or empty when it is not there.
std::string RealDataDir();
// Files under a folder of the real data whose lower-cased extension is one of exts.
std::vector<std::string> RealDataFiles(const std::string& subfolder, const std::vector<std::string>& exts);

// A fresh folder removed with its contents when the object dies.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  std::string Write(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);

}  // namespace testing_support
