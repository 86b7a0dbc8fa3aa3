// TVntFileList: the files of an archive as lines "name;size" (name relative to a base folder,
// "\" as separator), and unpacking of the listed files into that folder.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lnx {

// Told each file (listed name, size) before it is unpacked; answers false to cancel.
using TUnpackCallback = std::function<bool(const std::string& name, std::int64_t size)>;

class TVntFileList {
 public:
  enum TUnpackResult { kUnpackDone = 0, kUnpackCancelled = 1, kUnpackError = 2 };

  // Replaces the list. The base folder becomes the folder part of pathAndMask (always ending with "/"; "./" when
  // there is none). Lists every file entry whose file name part matches the mask ("*.*" when
  // empty). Folder entries are not listed. An archive that cannot be read leaves the list as
  // far as it got and sets Error().
  void ScanArchive(const std::string& archiveName, const std::string& pathAndMask);

  const std::string& BaseFolder() const { return baseFolder_; }
  const std::vector<std::string>& Lines() const { return lines_; }
  const std::string& Error() const { return error_; }

  int Count() const { return static_cast<int>(lines_.size()); }
  // The name part of a line ("\" separators); empty out of range.
  std::string Name(int index) const;
  // The size part of a line; -1 when it is not a number or the index is out of range.
  std::int64_t Size(int index) const;
  // Whether a line's name equals the name, ignoring ASCII case.
  bool Contains(const std::string& name) const;
  void Sort();

  // Unpacks every listed file of the archive into the base folder. Names that are absolute or
  // climb out with ".." are refused (result kUnpackError, nothing written for them).
  int Unpack(const std::string& archiveName, const TUnpackCallback& callback = {});
  // Deletes the target file, scans the archive for the mask of targetPathAndMask and, when
  // exactly one entry matches, unpacks it (the result of Unpack); otherwise kUnpackError.
  int ExtractSingle(const std::string& archiveName, const std::string& targetPathAndMask);

 private:
  std::vector<std::string> lines_;
  std::string baseFolder_ = "./";
  std::string error_;
};

}  // namespace lnx
