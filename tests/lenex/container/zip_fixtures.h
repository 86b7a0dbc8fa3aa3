// Small ZIP archives built inside the tests.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <zip.h>

#include <cstdint>
#include <string>
#include <vector>

#include "test_support.h"

namespace zip_fixtures {

struct Entry {
  std::string name;  // stored as given (bytes that are not UTF-8 are stored without the UTF-8 flag)
  std::string content;
  bool deflate = true;
  bool folder = false;
};

inline void MakeZip(const std::string& path, const std::vector<Entry>& entries) {
  if (entries.empty()) {  // libzip writes no file for an empty archive: only the end record
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite("PK\x05\x06", 1, 4, f);
    for (int i = 0; i < 18; ++i) std::fputc(0, f);
    std::fclose(f);
    return;
  }
  int code = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  ASSERT_NE(z, nullptr);
  for (const Entry& e : entries) {
    if (e.folder) {
      ASSERT_GE(zip_dir_add(z, e.name.c_str(), ZIP_FL_ENC_GUESS), 0);
      continue;
    }
    zip_source_t* src = zip_source_buffer(z, e.content.data(), e.content.size(), 0);
    zip_int64_t i = zip_file_add(z, e.name.c_str(), src, ZIP_FL_ENC_GUESS);
    ASSERT_GE(i, 0) << e.name;
    zip_set_file_compression(z, static_cast<zip_uint64_t>(i), e.deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
  }
  ASSERT_EQ(zip_close(z), 0);
}

inline void Put32(std::string& bytes, size_t at, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
}

// Rewrites the uncompressed size in every local and central header: an archive that lies
// about its entries, as a hostile one would.
inline void ForgeDeclaredSize(const std::string& path, std::uint32_t size) {
  std::string bytes = testing_support::ReadFile(path);
  for (size_t i = 0; i + 4 <= bytes.size(); ++i) {
    if (bytes.compare(i, 4, "PK\x03\x04") == 0 && i + 26 <= bytes.size()) Put32(bytes, i + 22, size);
    if (bytes.compare(i, 4, "PK\x01\x02") == 0 && i + 28 <= bytes.size()) Put32(bytes, i + 24, size);
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// Points the temporary folder at a scratch folder for one test, so that the test can see what
// is left there.
class TempFolderOverride {
 public:
  TempFolderOverride() {
    const char* old = getenv("TMPDIR");
    had_ = old != nullptr;
    if (had_) old_ = old;
    setenv("TMPDIR", dir_.Path().c_str(), 1);
  }
  ~TempFolderOverride() {
    if (had_)
      setenv("TMPDIR", old_.c_str(), 1);
    else
      unsetenv("TMPDIR");
  }
  const std::string& Path() const { return dir_.Path(); }

 private:
  testing_support::ScratchDir dir_;
  bool had_ = false;
  std::string old_;
};

}  // namespace zip_fixtures
