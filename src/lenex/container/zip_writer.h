// Writing a ZIP archive that holds one file (documents saved as ".lxf"/".zip").
#pragma once

#include <string>
#include <string_view>

namespace lnx {

// Writes (or replaces) zipPath with one deflated entry. The archive is written to a temporary
// name beside zipPath and renamed at the end, so a failure leaves an existing file untouched.
// Answers false with *error set (when given) on failure.
bool WriteZipWithOneEntry(const std::string& zipPath, const std::string& entryName, std::string_view content,
                          std::string* error);

}  // namespace lnx
