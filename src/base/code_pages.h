// Conversion of 8-bit text to UTF-8 at the edges of the program.
#pragma once

#include <string>
#include <string_view>

namespace qb {

bool IsValidUtf8(std::string_view s);
// Converts text of a Windows code page (1250, 1251, 1252, ...) or 437/850/866 to UTF-8.
// Bytes below 0x80 are copied as they are; unknown code pages are taken as 1252.
std::string CodePageToUtf8(std::string_view s, int codePage);
// Text that is valid UTF-8 stays; anything else is taken as Windows-1252.
std::string Utf8OrWindows1252(std::string_view s);

}  // namespace qb
