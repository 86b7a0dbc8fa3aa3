// Helpers of the Qt tests: one application object for the test program, and a fresh settings
// folder with fresh language services for each test.
#pragma once

#include <QApplication>
#include <cstdlib>
#include <string>

#include "frame/app_folders.h"
#include "frame/language/language_manager.h"
#include "frame/language/qb_language_txt_files.h"
#include "frame/settings/settings_store.h"
#include "frame/settings/vnt_ini_file.h"
#include "test_support.h"

namespace testing_support {

inline QApplication& QtApp() {
  static int argc = 1;
  static char name[] = "lapscope_ui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Points the settings at a scratch folder (optionally with a chosen screen language index) and
// makes the language services start again from there; undone when the object dies.
class FreshSettings {
 public:
  explicit FreshSettings(int screenLanguage = -1, const std::string& dataFolder = {}) {
    QtApp();
    setenv("LAPSCOPE_CONFIG_DIR", config_.Path().c_str(), 1);
    setenv("XDG_DATA_HOME", (config_.Path() + "/share").c_str(), 1);
    frame::SetDataFolder(dataFolder);
    Reset();
    if (screenLanguage >= 0) frame::ProgramIni().WriteInteger("Config", "lbxLanguage", screenLanguage);
  }
  ~FreshSettings() {
    frame::SetDataFolder({});
    Reset();
  }
  const ScratchDir& Folder() const { return config_; }

 private:
  static void Reset() {
    frame::ResetLanguage();
    frame::ResetQbLanguage();
    frame::ResetSettingsStores();
  }
  ScratchDir config_;
};

}  // namespace testing_support
