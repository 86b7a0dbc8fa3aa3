#include "frame/settings/settings_store.h"

#include <memory>

#include "frame/app_folders.h"

namespace frame {

namespace {
std::unique_ptr<TVntIniFile> gProgramIni;
std::unique_ptr<TVntIniFile> gUserStore;
}  // namespace

TVntIniFile& ProgramIni() {
  if (!gProgramIni) gProgramIni = std::make_unique<TVntIniFile>(ConfigFolder() + "/lapscope.ini");
  return *gProgramIni;
}

TVntIniFile& UserStore() {
  if (!gUserStore) gUserStore = std::make_unique<TVntIniFile>(ConfigFolder() + "/user.ini");
  return *gUserStore;
}

void ResetSettingsStores() {
  gProgramIni.reset();
  gUserStore.reset();
}

}  // namespace frame
