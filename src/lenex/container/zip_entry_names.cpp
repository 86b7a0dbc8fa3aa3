#include "lenex/container/zip_entry_names.h"

#include "base/code_pages.h"
#include "base/qb_strings.h"

namespace lnx {

namespace {

bool IsCp866Letter(unsigned char c) { return (c >= 0x80 && c <= 0xAF) || (c >= 0xE0 && c <= 0xF1); }

bool LooksLikeCp866(std::string_view raw) {
  bool run = false;
  for (size_t i = 0; i < raw.size(); ++i) {
    auto c = static_cast<unsigned char>(raw[i]);
    if (c < 0x80) continue;
    if (!IsCp866Letter(c)) return false;
    if (i > 0 && static_cast<unsigned char>(raw[i - 1]) >= 0x80) run = true;
  }
  return run;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool WildcardMatch(std::string_view s, std::string_view m) {
  size_t si = 0, mi = 0, starM = std::string_view::npos, starS = 0;
  while (si < s.size()) {
    if (mi < m.size() && (m[mi] == '?' || LowerAscii(m[mi]) == LowerAscii(s[si]))) {
      ++si;
      ++mi;
    } else if (mi < m.size() && m[mi] == '*') {
      starM = mi++;
      starS = si;
    } else if (starM != std::string_view::npos) {
      mi = starM + 1;
      si = ++starS;
    } else {
      return false;
    }
  }
  while (mi < m.size() && m[mi] == '*') ++mi;
  return mi == m.size();
}

}  // namespace

std::string DecodeZipEntryName(std::string_view raw) {
  if (qb::IsValidUtf8(raw)) return std::string(raw);
  return qb::CodePageToUtf8(raw, LooksLikeCp866(raw) ? 866 : 437);
}

bool MatchesFileMask(std::string_view fileName, std::string_view mask) {
  if (mask.empty() || mask == "*" || mask == "*.*") return true;
  return WildcardMatch(fileName, mask);
}

std::optional<std::string> SafeTargetPath(const std::string& baseFolder, std::string_view entryName) {
  if (!entryName.empty() && (entryName[0] == '/' || entryName[0] == '\\')) return std::nullopt;
  if (entryName.size() >= 2 && entryName[1] == ':') return std::nullopt;
  std::string relative;
  for (const std::string& part : qb::Split(qb::ReplaceAll(entryName, "\\", "/"), '/')) {
    if (part.empty() || part == ".") continue;
    if (part == "..") return std::nullopt;
    if (!relative.empty()) relative += '/';
    relative += part;
  }
  if (relative.empty()) return std::nullopt;
  std::string target = baseFolder;
  if (!target.empty() && target.back() != '/') target += '/';
  return target + relative;
}

}  // namespace lnx
