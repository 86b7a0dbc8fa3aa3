// Where the program finds its data files and keeps its settings.
#pragma once

#include <string>

namespace frame {

// Folder of the running executable (no trailing separator); empty when it cannot be found.
std::string ExecutableFolder();

// Folder of the language and help files: "<folder of the executable>/../share/lapscope",
// unless a folder was set with SetDataFolder.
std::string DataFolder();
// Sets the data folder (tests); an empty text returns to the folder beside the executable.
void SetDataFolder(const std::string& folder);

// Folder of lapscope.ini and user.ini: $LAPSCOPE_CONFIG_DIR, else $XDG_CONFIG_HOME/lapscope,
// else $HOME/.config/lapscope. Read from the environment on every call.
std::string ConfigFolder();

}  // namespace frame
