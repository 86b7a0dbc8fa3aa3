// TLanguage: the screen, print and help languages over the text store, and the program's own
// texts, addressed by a section letter and a number (key "#VANTOR_<letter>.<number>").
// Languages are numbered by index here (see language_table.h).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/language/language_table.h"
#include "frame/language/qb_language_txt_files.h"

namespace frame {

class TVntIniFile;

class TLanguage {
 public:
  // Reads the languages from the "Config" section of ini: the screen index ("lbxLanguage", when
  // missing or no index the text store's current language) is made current with apply; the print
  // index ("lbxPrnLanguage") and the help index ("lbxHlpLanguage") default to the screen index.
  // Help files are looked for in helpFolder.
  TLanguage(TQbLanguageTxtFiles& texts, const TVntIniFile& ini, std::string helpFolder);

  TQbLanguageTxtFiles& Texts() const { return texts_; }

  // The key of a program text: "#VANTOR_V.32" for ('V', 32).
  static std::string TextKey(char letter, int number);
  // The text of letter and number; item 0 gives the whole text, item n >= 1 its n-th ";" part.
  std::string GetText(char letter, int number, int item = 0) const;
  // The whole text used as format with the arguments.
  std::string FormatText(char letter, int number, const std::vector<TFormatArg>& args) const;

  static std::string_view LanguageCode(int index);

  // Index of the text store's current language (25 when it has none).
  int ScreenIndex() const;
  int PrintIndex() const { return printIndex_; }
  int HelpIndex() const { return helpIndex_; }

  // Makes index the text store's language; with apply, calls every listener of the text store
  // and the form translator. Then calls the change callback.
  void SetScreenLanguage(int index, bool apply);
  void SetPrintLanguage(int index);
  // Around a report run: when the print language differs from the screen language, it is made
  // current (forms keep their texts) and RestoreScreenLanguage returns to the screen language.
  void UsePrintLanguage();
  void RestoreScreenLanguage();

  // The help language becomes index when its help file exists, else the fall-back help index;
  // the help file is that language's file when it exists, else none.
  void SetHelpLanguage(int index);
  void SetFallbackHelpIndex(int index) { fallbackHelpIndex_ = index; }
  int FallbackHelpIndex() const { return fallbackHelpIndex_; }
  // "<help folder>/lapscope<code>.html" of an index.
  std::string HelpFileOf(int index) const;
  // Empty when there is no help file.
  const std::string& HelpFile() const { return helpFile_; }

  // Translates every open form after a screen language change with apply (set by the forms layer).
  void SetFormTranslator(std::function<void()> translator) { formTranslator_ = std::move(translator); }
  // One callback with its owner, called after every SetScreenLanguage (the main window's
  // language handler); ClearChangeCallback forgets it when owner is the one that set it.
  void SetChangeCallback(const void* owner, std::function<void()> callback);
  void ClearChangeCallback(const void* owner);

  // Folder for the translators' export of form texts; empty: no export.
  void SetExportFolder(std::string folder) { exportFolder_ = std::move(folder); }
  const std::string& ExportFolder() const { return exportFolder_; }

 private:
  static bool IsIndex(int index) { return index >= 0 && index < kLanguageIndexCount; }

  TQbLanguageTxtFiles& texts_;
  std::string helpFolder_;
  int printIndex_ = 0;
  int helpIndex_ = 0;
  int fallbackHelpIndex_ = 23;  // English UK
  std::optional<int> savedScreenIndex_;
  std::string helpFile_;
  std::string exportFolder_;
  std::function<void()> formTranslator_;
  const void* changeOwner_ = nullptr;
  std::function<void()> changeCallback_;
};

// Keeps the print language current for its lifetime.
class TPrintLanguageScope {
 public:
  explicit TPrintLanguageScope(TLanguage& language) : language_(language) { language_.UsePrintLanguage(); }
  ~TPrintLanguageScope() { language_.RestoreScreenLanguage(); }
  TPrintLanguageScope(const TPrintLanguageScope&) = delete;
  TPrintLanguageScope& operator=(const TPrintLanguageScope&) = delete;

 private:
  TLanguage& language_;
};

// The process-wide language manager over QbLanguage() and ProgramIni(), created on first use;
// ResetLanguage forgets it (tests).
TLanguage& Language();
void ResetLanguage();

}  // namespace frame
