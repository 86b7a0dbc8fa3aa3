#include "app/file_association.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "base/qb_strings.h"
#include "base/temp_files.h"

extern char** environ;

namespace fs = std::filesystem;

namespace app {

namespace {
// A desktop entry argument: quoted, with '"', '`', '$' and '\' escaped.
std::string QuoteExecArgument(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  // The value itself is a string of the desktop entry: its backslashes are escaped once more.
  return qb::ReplaceAll(quoted + "\"", "\\", "\\\\");
}

bool OnPath(const std::string& tool) {
  const char* path = std::getenv("PATH");
  if (!path) return false;
  std::error_code ec;
  for (const std::string& dir : qb::Split(path, ':'))
    if (!dir.empty() && access((fs::path(dir) / tool).c_str(), X_OK) == 0) return true;
  return false;
}

void RunQuietly(const std::vector<std::string>& args) {
  if (args.empty() || !OnPath(args[0])) return;
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
  }
  posix_spawn_file_actions_destroy(&actions);
}
}  // namespace

std::string DesktopEntryText(const std::string& programPath) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Lapscope\n"
         "GenericName=Swimming results viewer\n"
         "GenericName[de]=Betrachter für Schwimmergebnisse\n"
         "Comment=View, print and save the results of swimming competitions\n"
         "Comment[de]=Ergebnisse von Schwimmwettkämpfen ansehen, drucken und speichern\n"
         "Exec=" +
         QuoteExecArgument(programPath) +
         " %f\n"
         "Icon=lapscope\n"
         "Terminal=false\n"
         "Categories=Office;Viewer;\n"
         "MimeType=" +
         std::string(kLenexMimeType) + ";" + kLenexZipMimeType + ";\n";
}

std::string MimePackageText() {
  return std::string(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"") +
         kLenexMimeType +
         "\">\n"
         "    <comment>LENEX swimming results</comment>\n"
         "    <comment xml:lang=\"de\">LENEX-Schwimmergebnisse</comment>\n"
         "    <sub-class-of type=\"application/xml\"/>\n"
         "    <glob pattern=\"*.lef\"/>\n"
         "  </mime-type>\n"
         "  <mime-type type=\"" +
         kLenexZipMimeType +
         "\">\n"
         "    <comment>LENEX swimming results (compressed)</comment>\n"
         "    <comment xml:lang=\"de\">LENEX-Schwimmergebnisse (komprimiert)</comment>\n"
         "    <sub-class-of type=\"application/zip\"/>\n"
         "    <glob pattern=\"*.lxf\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string UserDataHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && fs::path(xdg).is_absolute()) return xdg;
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.local/share";
}

bool WriteFileAssociation(const std::string& dataHome, const std::string& programPath) {
  std::error_code ec;
  fs::path applications = fs::path(dataHome) / "applications";
  fs::path packages = fs::path(dataHome) / "mime" / "packages";
  fs::create_directories(applications, ec);
  fs::create_directories(packages, ec);
  bool ok = qb::WriteWholeFile((applications / kDesktopFileName).string(), DesktopEntryText(programPath));
  ok = qb::WriteWholeFile((packages / kMimePackageName).string(), MimePackageText()) && ok;
  return ok;
}

void RunDesktopDatabaseTools(const std::string& dataHome) {
  RunQuietly({"update-mime-database", dataHome + "/mime"});
  RunQuietly({"update-desktop-database", dataHome + "/applications"});
  RunQuietly({"xdg-mime", "default", kDesktopFileName, kLenexMimeType, kLenexZipMimeType});
}

}  // namespace app
