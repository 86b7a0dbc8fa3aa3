#include "base/code_pages.h"

#include <unicode/ucnv.h>

#include <cstdio>
#include <vector>

namespace qb {

bool IsValidUtf8(std::string_view s) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  size_t n = s.size(), i = 0;
  while (i < n) {
    unsigned char c = p[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t len;
    unsigned cp;
    if ((c & 0xE0) == 0xC0) {
      len = 2;
      cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      len = 3;
      cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      len = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + len > n) return false;
    for (size_t k = 1; k < len; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (p[i + k] & 0x3F);
    }
    if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += len;
  }
  return true;
}

static bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::string CodePageToUtf8(std::string_view s, int codePage) {
  if (IsAscii(s)) return std::string(s);
  char name[32];
  if (codePage == 437 || codePage == 850 || codePage == 866)
    std::snprintf(name, sizeof name, "ibm-%d", codePage);
  else if (codePage >= 1250 && codePage <= 1258)
    std::snprintf(name, sizeof name, "windows-%d", codePage);
  else
    std::snprintf(name, sizeof name, "windows-1252");
  UErrorCode status = U_ZERO_ERROR;
  std::string out(s.size() * 3 + 1, '\0');
  int32_t len = ucnv_convert("UTF-8", name, out.data(), static_cast<int32_t>(out.size()), s.data(),
                             static_cast<int32_t>(s.size()), &status);
  if (U_FAILURE(status)) {
    // Fall back to Latin-1, which maps every byte.
    std::string r;
    for (unsigned char c : s) {
      if (c < 0x80) {
        r += static_cast<char>(c);
      } else {
        r += static_cast<char>(0xC0 | (c >> 6));
        r += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    return r;
  }
  out.resize(static_cast<size_t>(len));
  return out;
}

std::string Utf8OrWindows1252(std::string_view s) {
  if (IsValidUtf8(s)) return std::string(s);
  return CodePageToUtf8(s, 1252);
}

}  // namespace qb
