#include "lenex/container/zip_archive.h"

#include <zip.h>

#include <cstdio>
#include <filesystem>

#include "base/qb_strings.h"
#include "lenex/container/zip_entry_names.h"

namespace lnx {

namespace {

std::string LibzipText(int code) {
  zip_error_t err;
  zip_error_init_with_code(&err, code);
  std::string text = zip_error_strerror(&err);
  zip_error_fini(&err);
  return text;
}

}  // namespace

TZipArchive::~TZipArchive() { Close(); }

void TZipArchive::Close() {
  if (archive_) zip_discard(archive_);
  archive_ = nullptr;
}

bool TZipArchive::Fail(std::string message) {
  error_ = std::move(message);
  return false;
}

bool TZipArchive::Open(const std::string& path) {
  Close();
  error_.clear();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return Fail("Can not open file !");
  if (std::filesystem::file_size(path, ec) == 0 || ec) return Fail("The file is not a readable ZIP archive !");
  int code = 0;
  archive_ = zip_open(path.c_str(), ZIP_RDONLY, &code);
  if (archive_) return true;
  if (code == ZIP_ER_OPEN || code == ZIP_ER_READ) return Fail("Can not open file !");
  return Fail("The file is not a readable ZIP archive ! (" + LibzipText(code) + ")");
}

std::int64_t TZipArchive::Count() const { return archive_ ? zip_get_num_entries(archive_, 0) : 0; }

std::string TZipArchive::Name(std::int64_t index) const {
  if (!archive_ || index < 0 || index >= Count()) return {};
  const char* raw = zip_get_name(archive_, static_cast<zip_uint64_t>(index), ZIP_FL_ENC_RAW);
  return raw ? DecodeZipEntryName(raw) : std::string();
}

bool TZipArchive::IsFolder(std::int64_t index) const {
  std::string name = Name(index);
  return !name.empty() && (name.back() == '/' || name.back() == '\\');
}

std::int64_t TZipArchive::DeclaredSize(std::int64_t index) const {
  if (!archive_ || index < 0 || index >= Count()) return -1;
  zip_stat_t st;
  if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) return -1;
  return static_cast<std::int64_t>(st.size);
}

std::int64_t TZipArchive::Find(std::string_view name) const {
  std::int64_t count = Count(), caseless = -1;
  for (std::int64_t i = 0; i < count; ++i) {
    std::string entry = Name(i);
    if (entry == name) return i;
    if (caseless < 0 && qb::EqualsNoCaseAscii(entry, name)) caseless = i;
  }
  return caseless;
}

bool TZipArchive::CheckDeclared(std::int64_t index, std::uint64_t& size) {
  zip_stat_t st;
  if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &st) != 0)
    return Fail("The ZIP archive is damaged !");
  std::string name = Name(index);
  size = (st.valid & ZIP_STAT_SIZE) ? st.size : limits_.maxEntrySize;
  if (size > limits_.maxEntrySize) return Fail("The archive entry \"" + name + "\" is too large to be extracted !");
  if ((st.valid & ZIP_STAT_COMP_SIZE) && size > limits_.ratioCheckFrom &&
      size / std::max<zip_uint64_t>(st.comp_size, 1) > limits_.maxRatio)
    return Fail("The archive entry \"" + name + "\" expands beyond any plausible size and is not extracted !");
  return true;
}

bool TZipArchive::Stream(std::int64_t index, const std::function<bool(const char*, size_t)>& sink) {
  error_.clear();
  if (!archive_ || index < 0 || index >= Count()) return Fail("The archive entry does not exist !");
  std::uint64_t declared = 0;
  if (!CheckDeclared(index, declared)) return false;
  zip_stat_t st;
  zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &st);
  std::uint64_t compressed = (st.valid & ZIP_STAT_COMP_SIZE) ? st.comp_size : 0;
  std::string name = Name(index);

  zip_file_t* file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
  if (!file) return Fail("The archive entry \"" + name + "\" can not be read: " + zip_strerror(archive_));
  std::uint64_t total = 0;
  char buffer[65536];
  bool ok = true;
  while (ok) {
    zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
    if (n < 0) {
      ok = Fail("The archive entry \"" + name + "\" can not be read: " + zip_file_strerror(file));
      break;
    }
    if (n == 0) break;
    total += static_cast<std::uint64_t>(n);
    if (total > limits_.maxEntrySize || total > declared)
      ok = Fail("The archive entry \"" + name + "\" is larger than its declared size and is not extracted !");
    else if (total > limits_.ratioCheckFrom && total / std::max<std::uint64_t>(compressed, 1) > limits_.maxRatio)
      ok = Fail("The archive entry \"" + name + "\" expands beyond any plausible size and is not extracted !");
    else if (!sink(buffer, static_cast<size_t>(n)))
      ok = Fail("The archive entry \"" + name + "\" can not be written !");
  }
  zip_fclose(file);
  return ok;
}

std::optional<std::string> TZipArchive::Read(std::int64_t index) {
  std::string content;
  if (!Stream(index, [&](const char* data, size_t n) {
        content.append(data, n);
        return true;
      }))
    return std::nullopt;
  return content;
}

bool TZipArchive::ExtractTo(std::int64_t index, const std::string& targetFile) {
  error_.clear();
  if (!archive_ || index < 0 || index >= Count()) return Fail("The archive entry does not exist !");
  FILE* out = std::fopen(targetFile.c_str(), "wb");
  if (!out) return Fail("The file \"" + targetFile + "\" can not be created !");
  bool ok = Stream(index, [&](const char* data, size_t n) { return std::fwrite(data, 1, n, out) == n; });
  if (std::fclose(out) != 0 && ok) ok = Fail("The file \"" + targetFile + "\" can not be written !");
  if (!ok) {
    std::error_code ec;
    std::filesystem::remove(targetFile, ec);
  }
  return ok;
}

}  // namespace lnx
