#include "test_support.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/qb_strings.h"

namespace fs = std::filesystem;

namespace testing_support {

std::string DataPath(const std::string& relative) { return std::string(LAPSCOPE_TEST_DATA) + "/" + relative; }

std::string RealDataDir() {
  std::error_code ec;
  return fs::is_directory(LAPSCOPE_REALDATA, ec) ? std::string(LAPSCOPE_REALDATA) : std::string();
}

std::vector<std::string> RealDataFiles(const std::string& subfolder, const std::vector<std::string>& exts) {
  std::vector<std::string> files;
  std::string dir = RealDataDir();
  std::error_code ec;
  if (dir.empty() || !fs::is_directory(dir + "/" + subfolder, ec)) return files;
  for (const auto& e : fs::directory_iterator(dir + "/" + subfolder)) {
    std::string ext = qb::ExtractFileExtLower(e.path().string());
    if (std::find(exts.begin(), exts.end(), ext) != exts.end()) files.push_back(e.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

ScratchDir::ScratchDir() {
  std::string templ = (fs::temp_directory_path() / "lapscope-test-XXXXXX").string();
  char* made = mkdtemp(templ.data());
  path_ = made ? std::string(made) : templ;
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string ScratchDir::Write(const std::string& name, const std::string& content) const {
  std::string p = File(name);
  std::ofstream out(p, std::ios::binary);
  out << content;
  return p;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace testing_support
