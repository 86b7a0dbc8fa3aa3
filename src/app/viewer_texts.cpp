#include "app/viewer_texts.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace app {

std::string CaptionText(const std::string& applicationTitle, const std::string& fullFileName) {
  std::string caption = "VANTOR " + applicationTitle;
  if (!fullFileName.empty()) caption += " - " + fullFileName;
  return caption;
}

std::string ApplicationTitle(const std::string& programPath) {
  std::string stem = fs::path(programPath).stem().string();
  return stem.empty() ? "lapscope" : stem;
}

std::string FullFileName(const std::string& file) {
  std::error_code ec;
  fs::path full = fs::absolute(file, ec);
  return ec ? file : full.lexically_normal().string();
}

std::string CompetitionItemText(const std::string& name, const std::string& city, const std::string& courseName) {
  return name + ",  " + city + "   ( " + courseName + " )";
}

std::string ErrorListMessage(const std::string& intro, const std::vector<std::string>& errors) {
  std::string text = intro + "\r\n";
  for (size_t i = 0; i < errors.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += errors[i];
  }
  return text;
}

std::string HelpTextFile(const std::string& dataFolder, const std::string& code) {
  return dataFolder + "/lapscope" + code + ".html";
}

std::string HelpCodeForScreenIndex(int screenIndex) { return screenIndex > 1 ? "us" : "de"; }

bool CompanionEditorExists(const std::string& folder) {
  std::error_code ec;
  for (const char* name : {"scribra", "scribra.exe"})
    if (fs::is_regular_file(fs::path(folder) / name, ec)) return true;
  return false;
}

}  // namespace app
