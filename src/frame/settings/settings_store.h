// The two process-wide settings files: the program's ini file (layout, languages, print and
// download options) and the per-user store (form window states, initial language). Both live in
// the configuration folder (frame::ConfigFolder) and are opened on first use.
#pragma once

#include "frame/settings/vnt_ini_file.h"

namespace frame {

// <config folder>/lapscope.ini
TVntIniFile& ProgramIni();
// <config folder>/user.ini, same sections and keys as the registry store it stands for.
TVntIniFile& UserStore();

// Forgets both objects; the next use opens them again from the current configuration folder.
void ResetSettingsStores();

}  // namespace frame
