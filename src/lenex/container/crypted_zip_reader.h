// Scrambled ZIP containers: the first and the last 1024 bytes of the archive are XOR-ed with
// the low 8 bits of NOT i (i = 0..1023 within the block), so a scrambled archive starts with
// 0xAF 0xB5 instead of "PK". The transformation is its own inverse.
#pragma once

#include <string>

#include "base/temp_files.h"

namespace lnx {

inline constexpr size_t kScrambleBlockSize = 1024;

// Whether the file exists and starts with 0xAF 0xB5.
bool IsScrambledContainer(const std::string& path);
// Scrambles or unscrambles the file in place (both blocks). Files shorter than one block cannot
// be transformed: answers false with *error set, as for a file that cannot be opened.
bool ScrambleFileInPlace(const std::string& path, std::string* error);

// Gives a plain, readable archive for a container: a scrambled one is copied to the temporary
// folder and unscrambled there; the copy is deleted with the reader. The input file is never
// changed.
class TVntCryptedZipFileReader {
 public:
  explicit TVntCryptedZipFileReader(const std::string& file);
  TVntCryptedZipFileReader(const TVntCryptedZipFileReader&) = delete;
  TVntCryptedZipFileReader& operator=(const TVntCryptedZipFileReader&) = delete;

  // The archive to open: the working copy, the file itself, or empty when refused (Error()).
  const std::string& ZipFileName() const { return zipFileName_; }
  bool WasScrambled() const { return scrambled_; }
  const std::string& Error() const { return error_; }

 private:
  std::string zipFileName_;
  qb::TTempFile workingCopy_;
  bool scrambled_ = false;
  std::string error_;
};

}  // namespace lnx
