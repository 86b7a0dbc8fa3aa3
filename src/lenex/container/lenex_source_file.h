// The file a LENEX document is read from: a plain ".lef"/".xml" file is read directly; any other
// file is opened as a ZIP archive (unscrambled first when it is a scrambled container) and its
// first ".lef"/".xml" entry in archive order is extracted to a unique temporary file, which is
// deleted with this object.
#pragma once

#include <string>
#include <vector>

#include "base/temp_files.h"

namespace lnx {

class TQbLenexSourceFile {
 public:
  explicit TQbLenexSourceFile(const std::string& path);
  TQbLenexSourceFile(const TQbLenexSourceFile&) = delete;
  TQbLenexSourceFile& operator=(const TQbLenexSourceFile&) = delete;

  // The file to read; empty when there is nothing to read (an error, or an archive without a
  // LENEX entry, which is not an error).
  const std::string& FileToRead() const { return fileToRead_; }
  // English messages for the document's error list.
  const std::vector<std::string>& Errors() const { return errors_; }
  // The archive entry that was extracted (UTF-8), empty when the file is read directly.
  const std::string& EntryName() const { return entryName_; }
  bool WasScrambled() const { return scrambled_; }

 private:
  void OpenArchive(const std::string& path);

  std::string fileToRead_;
  std::string entryName_;
  qb::TTempFile extracted_;
  bool scrambled_ = false;
  std::vector<std::string> errors_;
};

}  // namespace lnx
