// TQbZipFile: one ZIP archive with an optional base folder under which its entries are unpacked.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lenex/container/zip_archive.h"

namespace lnx {

// Told the name of each entry before it is unpacked; answers false to abort.
using TZipProgress = std::function<bool(const std::string& entryName)>;

enum class TZipExtractResult { Done, Aborted, Failed };

class TQbZipFile {
 public:
  // Opens the archive at once; when it cannot be read, Error() says why and it has no entries.
  explicit TQbZipFile(std::string archiveFile, std::string baseFolder = {});

  const std::string& ArchiveFile() const { return archiveFile_; }
  // The base folder, ending with "/" unless empty (the current folder).
  const std::string& BaseFolder() const { return baseFolder_; }
  bool IsOpen() const { return zip_.IsOpen(); }
  // The last error, empty after a successful operation.
  const std::string& Error() const { return error_; }

  int EntryCount() const;
  // The stored name (UTF-8) of the entry, or empty when the index is out of range.
  std::string EntryName(int index) const;
  // The content of the named entry, nothing when it is missing or cannot be read.
  std::optional<std::string> EntryReader(const std::string& name);
  // Whether the archive holds the entry of that file: its path relative to the base folder
  // (its bare name when it does not lie under the base folder).
  bool Contains(const std::string& file) const;
  // Unpacks the entry of that file into the file itself.
  bool Extract(const std::string& file);
  // Unpacks every entry under the base folder, making folders as stored. Entries whose names
  // are absolute or climb out with ".." are refused: the result is Failed and nothing is written
  // for them (the other entries are still unpacked).
  TZipExtractResult ExtractAll(const TZipProgress& progress = {});
  // One line "name;size" per entry, "/" in the name replaced by "\".
  std::vector<std::string> List() const;
  // The content of the named entry.
  std::optional<std::string> ExtractToMemory(const std::string& name);

 private:
  std::string EntryNameOfFile(const std::string& file) const;

  std::string archiveFile_;
  std::string baseFolder_;
  TZipArchive zip_;
  std::string error_;
};

}  // namespace lnx
