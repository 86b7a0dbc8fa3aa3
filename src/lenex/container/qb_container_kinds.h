#pragma once
#include <string>
#include "base/qb_strings.h"
namespace lnx {
inline bool IsPlainLenexFile(const std::string& path) {
  auto e = qb::ExtractFileExtLower(path);
  return e == ".lef" || e == ".xml";
}
}  // namespace lnx
