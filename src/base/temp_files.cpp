#include "base/temp_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace qb {

std::string TempFolder() {
  std::error_code ec;
  auto p = std::filesystem::temp_directory_path(ec);
  if (ec) return "/tmp";
  std::string s = p.string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

std::string MakeUniqueTempFile(const std::string& prefix, const std::string& suffix) {
  return MakeUniqueTempFileIn(TempFolder(), prefix, suffix);
}

std::string MakeUniqueTempFileIn(const std::string& folder, const std::string& prefix, const std::string& suffix) {
  std::string templ = folder + "/" + prefix + "XXXXXX" + suffix;
  std::vector<char> buf(templ.begin(), templ.end());
  buf.push_back('\0');
  int fd = mkstemps(buf.data(), static_cast<int>(suffix.size()));
  if (fd < 0) return {};
  ::close(fd);
  return std::string(buf.data());
}

TTempFile& TTempFile::operator=(TTempFile&& other) noexcept {
  if (this != &other) {
    Remove();
    path_ = std::move(other.path_);
    other.path_.clear();
  }
  return *this;
}

TTempFile::~TTempFile() { Remove(); }

void TTempFile::Remove() {
  if (!path_.empty()) {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
    path_.clear();
  }
}

bool ReadWholeFile(const std::string& path, std::string& content) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return false;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  content.clear();
  if (std::fseek(f, 0, SEEK_END) == 0) {
    long size = std::ftell(f);
    if (size > 0) content.reserve(static_cast<size_t>(size) + 1);
    std::fseek(f, 0, SEEK_SET);
  }
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) content.append(buf, n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

bool WriteWholeFile(const std::string& path, std::string_view content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  return static_cast<bool>(out);
}

}  // namespace qb
