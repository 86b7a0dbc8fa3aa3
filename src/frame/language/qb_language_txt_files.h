// TQbLanguageTxtFiles: the language texts of one language, read from a language file.
//
// A language file is UTF-8 text (8-bit files are read as Windows-1252), one entry per line. Each
// line is trimmed and every "$" removed (so "Page $" keeps its blank). "[Form.<class>]" starts a
// form section and "[Data.<name>]" a data section (names are upper-cased); lines before the
// first section are ignored. Empty lines and lines beginning with ";" are comments. In a form
// section a "." line stands for an empty line and every other line is kept as it is; in a data
// section a line is "key=value", split at the first "=" (keys compare without regard to case).
//
// A text key is "#" section "." name and reads entry name of data section "DATA." + section.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "frame/language/text_format.h"

namespace frame {

// What the texts are looked up through; the services that only read texts depend on this.
class IQbTextSource {
 public:
  virtual ~IQbTextSource() = default;
  // See TQbLanguageTxtFiles::LookupText.
  virtual std::string LookupText(std::string_view key, int item = -1) const = 0;
};

// Month and day names and date formats of the current language; English and "d mmmm yyyy" /
// "dd.mm.yyyy" until a language file gives its own.
struct TQbDateNames {
  std::array<std::string, 12> shortMonthNames;
  std::array<std::string, 12> longMonthNames;
  std::array<std::string, 7> shortDayNames;  // Sunday first
  std::array<std::string, 7> longDayNames;
  std::string longDateFormat;
  std::string shortDateFormat;

  TQbDateNames();
};

// Where the language files are: <folder>/<programName>.x<code>, else <folder>/<productGroup>.x<code>.
struct TLanguageFileSearch {
  std::string folder;
  std::string programName = "lapscope";
  std::string productGroup = "vantor";
};

using TLanguageListener = std::function<void()>;

class TQbLanguageTxtFiles : public IQbTextSource {
 public:
  // Listener lists: kScreenListeners are called by NotifyAll only (a new screen language);
  // kTextListeners also by every SetLanguage, including the switch to the print language.
  static constexpr int kScreenListeners = 0;
  static constexpr int kTextListeners = 1;
  using ListenerId = int;

  // Starts with no language (id 0) and no texts; SetLanguage loads a file.
  explicit TQbLanguageTxtFiles(TLanguageFileSearch search);

  const TLanguageFileSearch& Search() const { return search_; }

  // The file for id, following the fall-back chain in the first place, then in the second;
  // empty when there is none. foundId receives the id whose file was found.
  std::string FindLanguageFile(int id, int* foundId = nullptr) const;
  // Ids 1..26 that have a file of their own, in either place.
  std::set<int> AvailableLanguages() const;

  // The current language id.
  int Language() const { return language_; }
  // The file the texts came from (empty when none was found) and the id it belongs to.
  const std::string& LoadedFile() const { return loadedFile_; }
  int LoadedLanguage() const { return loadedLanguage_; }

  // When id differs from the current one: loads its file and calls the text listeners.
  void SetLanguage(int id);
  // Replaces all texts by those of a language file's content (no listener is called).
  void LoadFromText(std::string_view content);

  // Looks the key up: for a "#" key the value of its data entry, with every "\n" (any case)
  // made a line feed and every "_" a blank. An empty value gives the key itself; item -1 gives
  // the whole value, item n >= 0 the n-th ";"-separated part (empty when there are fewer).
  std::string LookupText(std::string_view key, int item = -1) const override;
  // LookupText(key) used as format with the arguments.
  std::string FormatText(std::string_view key, const std::vector<TFormatArg>& args) const;
  // True when the key has a non-empty value.
  bool HasText(std::string_view key) const;

  // The lines of form section "FORM." + class name, or an empty list.
  const std::vector<std::string>& FormSection(std::string_view className) const;
  // The entries of data section "DATA." + name (keys upper-cased), or an empty map.
  const std::map<std::string, std::string>& DataSection(std::string_view name) const;

  const TQbDateNames& DateNames() const { return dateNames_; }
  // Name of a file type for file dialogs: the QB text "File" followed by the extension in upper
  // case (FileLEF), else the QB text FileGeneric formatted with the extension.
  std::string FileTypeText(std::string_view extension) const;

  ListenerId AddListener(int list, TLanguageListener callback, bool callNow);
  void RemoveListener(ListenerId id);
  // Calls the listeners of both lists.
  void NotifyAll();

 private:
  void LoadFile(const std::string& fileName);
  void UpdateDateNames();
  void Notify(bool screenListenersToo);

  struct Listener {
    ListenerId id;
    int list;
    TLanguageListener callback;
  };

  TLanguageFileSearch search_;
  int language_ = 0;
  bool languageSet_ = false;
  int loadedLanguage_ = 0;
  std::string loadedFile_;
  std::map<std::string, std::vector<std::string>> forms_;
  std::map<std::string, std::map<std::string, std::string>> data_;
  TQbDateNames dateNames_;
  std::vector<Listener> listeners_;
  ListenerId nextListenerId_ = 1;
};

// The form texts of one form section: the caption (when the section's first line, before any
// component marker, is not empty) and one block of lines per ".@" component marker.
struct TFormTexts {
  struct Block {
    std::string component;  // a trailing "$" of the marker is dropped
    std::vector<std::string> lines;
  };
  std::string caption;  // empty: keep the designed caption
  std::vector<Block> blocks;
};
TFormTexts SplitFormSection(const std::vector<std::string>& lines);

// The process-wide text store: created on first use over the data folder, in the language of
// InitialLanguageId(), and kept until ResetQbLanguage (call ResetLanguage first: the language
// manager holds a reference to it).
TQbLanguageTxtFiles& QbLanguage();
void ResetQbLanguage();

// The text store's initial language id: "Tarnwell" "ActiveLanguage" of the user store, or when
// that is 0, missing or no language id, the language of the locale (LC_ALL, LC_MESSAGES, LANG,
// the first that is set); getEnv stands for std::getenv.
class TVntIniFile;
int InitialLanguageId(const TVntIniFile& userStore,
                      const std::function<const char*(const char*)>& getEnv = nullptr);

}  // namespace frame
