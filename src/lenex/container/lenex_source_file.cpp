#include "lenex/container/lenex_source_file.h"

#include <cstdio>
#include <filesystem>

#include "lenex/container/container_kinds.h"
#include "lenex/container/crypted_zip_reader.h"
#include "lenex/container/zip_archive.h"

namespace lnx {

namespace {

bool CanOpenForReading(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return false;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

}  // namespace

TQbLenexSourceFile::TQbLenexSourceFile(const std::string& path) {
  if (!CanOpenForReading(path)) {
    errors_.push_back("Can not open file !");
    return;
  }
  if (IsPlainLenexFile(path)) {
    fileToRead_ = path;
    return;
  }
  OpenArchive(path);
}

void TQbLenexSourceFile::OpenArchive(const std::string& path) {
  TVntCryptedZipFileReader plain(path);
  scrambled_ = plain.WasScrambled();
  if (plain.ZipFileName().empty()) {
    errors_.push_back(plain.Error());
    return;
  }
  TZipArchive zip;
  if (!zip.Open(plain.ZipFileName())) {
    errors_.push_back(zip.Error());
    return;
  }
  for (std::int64_t i = 0; i < zip.Count(); ++i) {
    if (zip.IsFolder(i) || !IsPlainLenexFile(zip.Name(i))) continue;
    extracted_ = qb::TTempFile(qb::MakeUniqueTempFile("lapscope-entry-", ".lef"));
    if (extracted_.Empty()) {
      errors_.push_back("No temporary file can be made for the archive entry !");
      return;
    }
    if (!zip.ExtractTo(i, extracted_.Path())) {
      errors_.push_back(zip.Error());
      extracted_.Remove();
      return;
    }
    entryName_ = zip.Name(i);
    fileToRead_ = extracted_.Path();
    return;
  }
}

}  // namespace lnx
