// A ZIP archive opened for reading, with bounded extraction of its entries.
// The archive classes of this folder are built on it; it reports errors as English texts.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct zip;

namespace lnx {

// Bounds for one extracted entry. An entry is refused when its declared or actual size exceeds
// maxEntrySize, or when it is larger than ratioCheckFrom and expands more than maxRatio times.
struct TZipLimits {
  std::uint64_t maxEntrySize = std::uint64_t{1} << 30;    // 1 GiB
  std::uint64_t ratioCheckFrom = std::uint64_t{4} << 20;  // 4 MiB
  std::uint64_t maxRatio = 1000;
};

class TZipArchive {
 public:
  TZipArchive() = default;
  explicit TZipArchive(TZipLimits limits) : limits_(limits) {}
  TZipArchive(const TZipArchive&) = delete;
  TZipArchive& operator=(const TZipArchive&) = delete;
  ~TZipArchive();

  // Opens the archive read-only; answers false with Error() set when the file is missing or not
  // a readable ZIP archive (an empty file is not one either).
  bool Open(const std::string& path);
  bool IsOpen() const { return archive_ != nullptr; }
  void Close();
  const std::string& Error() const { return error_; }

  std::int64_t Count() const;
  // The entry's name decoded to UTF-8 (separators as stored), or empty out of range.
  std::string Name(std::int64_t index) const;
  bool IsFolder(std::int64_t index) const;
  // Uncompressed size as declared by the archive, -1 when unknown.
  std::int64_t DeclaredSize(std::int64_t index) const;
  // The index of the entry of that (decoded) name, or -1. Exact match first, then ignoring ASCII case.
  std::int64_t Find(std::string_view name) const;

  // Reads one entry into memory within the limits.
  std::optional<std::string> Read(std::int64_t index);
  // Writes one entry to the given file within the limits; a partly written file is removed.
  bool ExtractTo(std::int64_t index, const std::string& targetFile);

 private:
  bool CheckDeclared(std::int64_t index, std::uint64_t& size);
  bool Stream(std::int64_t index, const std::function<bool(const char*, size_t)>& sink);
  bool Fail(std::string message);

  zip* archive_ = nullptr;
  TZipLimits limits_;
  std::string error_;
};

}  // namespace lnx
