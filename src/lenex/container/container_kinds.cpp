#include "lenex/container/container_kinds.h"

#include "base/qb_strings.h"

namespace lnx {

bool IsPlainLenexFile(std::string_view path) {
  std::string ext = qb::ExtractFileExtLower(path);
  return ext == ".lef" || ext == ".xml";
}

bool IsZippedContainerForSave(std::string_view path) {
  std::string ext = qb::ExtractFileExtLower(path);
  return ext == ".lxf" || ext == ".zip";
}

bool IsOldReaderContainer(std::string_view path) {
  std::string ext = qb::ExtractFileExtLower(path);
  if (ext.empty()) return false;
  for (const std::string& known : qb::Split(kOldReaderContainerExtensions, ';'))
    if (known == ext) return true;
  return false;
}

}  // namespace lnx
