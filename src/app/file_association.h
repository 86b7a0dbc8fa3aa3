// Opening .lef and .lxf files with the viewer from the desktop: a desktop entry and a
// shared-mime-info package in the user's data folder, then the desktop's database tools.
#pragma once

#include <string>

namespace app {

inline constexpr const char* kLenexMimeType = "application/x-lenex";
inline constexpr const char* kLenexZipMimeType = "application/x-lenex-compressed";
inline constexpr const char* kDesktopFileName = "lapscope.desktop";
inline constexpr const char* kMimePackageName = "lapscope.xml";

// The desktop entry that starts programPath with a file ("%f" -- the path is quoted as the
// desktop entry format asks).
std::string DesktopEntryText(const std::string& programPath);
// The MIME package declaring both types with their globs.
std::string MimePackageText();

// $XDG_DATA_HOME when absolute, else $HOME/.local/share.
std::string UserDataHome();

// Writes <dataHome>/applications/lapscope.desktop and <dataHome>/mime/packages/lapscope.xml;
// false when either could not be written.
bool WriteFileAssociation(const std::string& dataHome, const std::string& programPath);
// Runs update-mime-database, update-desktop-database and xdg-mime default for both types, each
// only when it is on the PATH; failures are ignored.
void RunDesktopDatabaseTools(const std::string& dataHome);

}  // namespace app
