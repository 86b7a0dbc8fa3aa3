// Entry names of ZIP archives: decoding to UTF-8, wildcard masks and safe target paths.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lnx {

// Decodes a stored entry name to UTF-8. Valid UTF-8 stays as it is; anything else was written
// in a DOS code page: names whose non-ASCII bytes form runs of Cyrillic letters of CP866 are
// taken as CP866 (real Russian exports), all others as CP437 (the ZIP default).
std::string DecodeZipEntryName(std::string_view raw);

// Whether a file name matches a mask of "*" and "?" wildcards, ignoring ASCII case.
// An empty mask, "*" and "*.*" match every name.
bool MatchesFileMask(std::string_view fileName, std::string_view mask);

// The path below baseFolder where an entry of that name is to be written, or nothing when the
// name is absolute (leading "/" or "\", a drive letter) or has a ".." part. "\" counts as a
// separator; empty and "." parts are dropped ("dir/" gives "<base>/dir"); a name that reduces to
// nothing is refused too.
std::optional<std::string> SafeTargetPath(const std::string& baseFolder, std::string_view entryName);

}  // namespace lnx
