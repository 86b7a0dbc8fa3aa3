#pragma once
#include <string>
#include <string_view>
namespace lnx {
bool WriteZipWithOneEntry(const std::string& zipPath, const std::string& entryName, std::string_view content,
                          std::string* error);
}
