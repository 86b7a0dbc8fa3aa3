#include "frame/app_folders.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace fs = std::filesystem;

namespace frame {

namespace {
std::mutex gMutex;
std::string gDataFolder;

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}
}  // namespace

std::string ExecutableFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return {};
  return exe.parent_path().string();
}

std::string DataFolder() {
  {
    std::lock_guard<std::mutex> lock(gMutex);
    if (!gDataFolder.empty()) return gDataFolder;
  }
  std::string exe = ExecutableFolder();
  if (exe.empty()) return "share/lapscope";
  return (fs::path(exe).parent_path() / "share" / "lapscope").lexically_normal().string();
}

void SetDataFolder(const std::string& folder) {
  std::lock_guard<std::mutex> lock(gMutex);
  gDataFolder = folder;
}

std::string ConfigFolder() {
  std::string dir = Env("LAPSCOPE_CONFIG_DIR");
  if (!dir.empty()) return dir;
  std::string xdg = Env("XDG_CONFIG_HOME");
  if (!xdg.empty() && fs::path(xdg).is_absolute()) return xdg + "/lapscope";
  std::string home = Env("HOME");
  if (!home.empty()) return home + "/.config/lapscope";
  return ".config/lapscope";
}

}  // namespace frame
