#include "lenex/container/crypted_zip_reader.h"

#include <cstdio>
#include <ctime>
#include <filesystem>

#include "base/temp_files.h"

namespace lnx {

namespace {

namespace fs = std::filesystem;

void TransformBlock(unsigned char* block) {
  for (size_t i = 0; i < kScrambleBlockSize; ++i) block[i] ^= static_cast<unsigned char>(~i & 0xFF);
}

bool TransformAt(FILE* f, long offset) {
  unsigned char block[kScrambleBlockSize];
  if (std::fseek(f, offset, SEEK_SET) != 0 || std::fread(block, 1, sizeof block, f) != sizeof block) return false;
  TransformBlock(block);
  return std::fseek(f, offset, SEEK_SET) == 0 && std::fwrite(block, 1, sizeof block, f) == sizeof block;
}

std::string DateTimePrefix() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[64];
  std::strftime(text, sizeof text, "lapscope-%Y%m%d-%H%M%S-", &local);
  return text;
}

}  // namespace

bool IsScrambledContainer(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  unsigned char head[2] = {0, 0};
  size_t n = std::fread(head, 1, 2, f);
  std::fclose(f);
  return n == 2 && head[0] == 0xAF && head[1] == 0xB5;
}

bool ScrambleFileInPlace(const std::string& path, std::string* error) {
  auto fail = [&](const char* text) {
    if (error) *error = text;
    return false;
  };
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return fail("Can not open file !");
  auto size = fs::file_size(path, ec);
  if (ec) return fail("Can not open file !");
  if (size < kScrambleBlockSize) return fail("The scrambled container is too short to be read !");
  FILE* f = std::fopen(path.c_str(), "r+b");
  if (!f) return fail("Can not open file !");
  bool ok = TransformAt(f, 0) && TransformAt(f, static_cast<long>(size - kScrambleBlockSize));
  if (std::fclose(f) != 0) ok = false;
  return ok ? true : fail("The scrambled container can not be unscrambled !");
}

TVntCryptedZipFileReader::TVntCryptedZipFileReader(const std::string& file) {
  if (!IsScrambledContainer(file)) {
    zipFileName_ = file;
    return;
  }
  scrambled_ = true;
  std::error_code ec;
  if (fs::file_size(file, ec) < kScrambleBlockSize || ec) {
    error_ = "The scrambled container is too short to be read !";
    return;
  }
  workingCopy_ = qb::TTempFile(qb::MakeUniqueTempFile(DateTimePrefix(), ".zip"));
  if (workingCopy_.Empty()) {
    error_ = "No working copy of the scrambled container can be made !";
    return;
  }
  const std::string& copy = workingCopy_.Path();
  fs::copy_file(file, copy, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
  if (ec) {
    error_ = "No working copy of the scrambled container can be made !";
    return;
  }
  if (!ScrambleFileInPlace(copy, &error_)) return;
  zipFileName_ = copy;
}

}  // namespace lnx
