#pragma once
#include <string>
#include <vector>
#include "base/temp_files.h"
namespace lnx {
class TQbLenexSourceFile {
 public:
  explicit TQbLenexSourceFile(const std::string& path);
  const std::string& FileToRead() const { return toRead_; }
  const std::vector<std::string>& Errors() const { return errors_; }
 private:
  std::string toRead_;
  qb::TTempFile temp_;
  std::vector<std::string> errors_;
};
}  // namespace lnx
