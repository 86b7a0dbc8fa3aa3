#include "frame/language/qb_language_txt_files.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "base/code_pages.h"
#include "base/qb_strings.h"
#include "base/temp_files.h"
#include "frame/app_folders.h"
#include "frame/language/language_table.h"
#include "frame/settings/lapscope_settings.h"
#include "frame/settings/settings_store.h"
#include "frame/settings/vnt_ini_file.h"

namespace fs = std::filesystem;

namespace frame {

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

std::string FileOf(const std::string& folder, const std::string& base, int id) {
  return folder + "/" + base + ".x" + std::string(LanguageCodeOfId(id));
}

// "\n" (any case) to a line feed, "_" to a blank.
std::string Unescape(std::string_view value) {
  std::string r;
  r.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size() && (value[i + 1] == 'n' || value[i + 1] == 'N')) {
      r += '\n';
      ++i;
    } else if (value[i] == '_') {
      r += ' ';
    } else {
      r += value[i];
    }
  }
  return r;
}

template <size_t N>
void ReplaceNames(std::array<std::string, N>& names, const TQbLanguageTxtFiles& texts, const char* key) {
  if (!texts.HasText(key)) return;
  for (size_t i = 0; i < N; ++i) {
    std::string item = texts.LookupText(key, static_cast<int>(i));
    if (!item.empty()) names[i] = item;
  }
}

}  // namespace

TQbDateNames::TQbDateNames()
    : shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
      longMonthNames{"January", "February", "March",     "April",   "May",      "June",
                     "July",    "August",   "September", "October", "November", "December"},
      shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
      longDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
      longDateFormat("d mmmm yyyy"),
      shortDateFormat("dd.mm.yyyy") {}

TQbLanguageTxtFiles::TQbLanguageTxtFiles(TLanguageFileSearch search) : search_(std::move(search)) {}

std::string TQbLanguageTxtFiles::FindLanguageFile(int id, int* foundId) const {
  for (const std::string& base : {search_.programName, search_.productGroup}) {
    if (base.empty()) continue;
    // The chain ends at English, whose fall-back is none. German Swiss asked for itself also
    // tries German before English (the table sends it to English directly); a language already
    // tried is skipped for English.
    bool tried[kLanguageIdCount] = {};
    int l = IsLanguageId(id) ? id : kLanguageNone;
    for (;;) {  // every step goes to a language not tried yet, or ends
      tried[l] = true;
      std::string file = FileOf(search_.folder, base, l);
      if (FileExists(file)) {
        if (foundId) *foundId = l;
        return file;
      }
      int next = (l == kLanguageGermanSwiss && id == kLanguageGermanSwiss) ? kLanguageGerman : FallbackLanguage(l);
      if (next != kLanguageNone && tried[next]) next = tried[kLanguageEnglish] ? kLanguageNone : kLanguageEnglish;
      if (next == kLanguageNone) break;
      l = next;
    }
  }
  if (foundId) *foundId = kLanguageNone;
  return {};
}

std::set<int> TQbLanguageTxtFiles::AvailableLanguages() const {
  std::set<int> ids;
  for (int id = 1; id < kLanguageIdCount; ++id)
    for (const std::string& base : {search_.programName, search_.productGroup})
      if (!base.empty() && FileExists(FileOf(search_.folder, base, id))) ids.insert(id);
  return ids;
}

void TQbLanguageTxtFiles::SetLanguage(int id) {
  if (id == language_ && languageSet_) return;
  language_ = id;
  languageSet_ = true;
  int found = kLanguageNone;
  std::string file = FindLanguageFile(id, &found);
  LoadFile(file);
  loadedLanguage_ = file.empty() ? kLanguageNone : found;
  Notify(false);
}

void TQbLanguageTxtFiles::LoadFile(const std::string& fileName) {
  std::string content;
  loadedFile_.clear();
  if (!fileName.empty() && qb::ReadWholeFile(fileName, content)) loadedFile_ = fileName;
  LoadFromText(content);
}

void TQbLanguageTxtFiles::LoadFromText(std::string_view raw) {
  forms_.clear();
  data_.clear();
  if (qb::StartsWith(raw, "\xEF\xBB\xBF")) raw.remove_prefix(3);
  std::string content = qb::Utf8OrWindows1252(raw);

  std::vector<std::string>* form = nullptr;
  std::map<std::string, std::string>* data = nullptr;
  for (std::string& rawLine : qb::Split(content, '\n')) {
    std::string line = qb::Trim(rawLine);
    std::erase(line, '$');
    if (qb::StartsWithNoCaseAscii(line, "[Form.") || qb::StartsWithNoCaseAscii(line, "[Data.")) {
      size_t close = line.find(']');
      std::string name = qb::ToUpperAscii(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      if (qb::StartsWith(name, "FORM.")) {
        form = &forms_[name];
        data = nullptr;
      } else {
        data = &data_[name];
        form = nullptr;
      }
      continue;
    }
    if (line.empty() || line.front() == ';') continue;
    if (form) {
      form->push_back(line == "." ? std::string() : line);
    } else if (data) {
      size_t eq = line.find('=');
      if (eq == std::string::npos) continue;
      std::string key = qb::ToUpperAscii(qb::TrimView(std::string_view(line).substr(0, eq)));
      data->emplace(key, line.substr(eq + 1));  // the first entry of a key wins
    }
  }
  UpdateDateNames();
}

void TQbLanguageTxtFiles::UpdateDateNames() {
  dateNames_ = TQbDateNames();
  ReplaceNames(dateNames_.shortMonthNames, *this, "#QB.ShortMonthNames");
  ReplaceNames(dateNames_.longMonthNames, *this, "#QB.LongMonthNames");
  ReplaceNames(dateNames_.shortDayNames, *this, "#QB.ShortDayNames");
  ReplaceNames(dateNames_.longDayNames, *this, "#QB.LongDayNames");
  if (HasText("#QB.LongDateFormat")) dateNames_.longDateFormat = LookupText("#QB.LongDateFormat");
  if (HasText("#QB.ShortDateFormat")) dateNames_.shortDateFormat = LookupText("#QB.ShortDateFormat");
}

std::string TQbLanguageTxtFiles::LookupText(std::string_view key, int item) const {
  std::string value;
  if (qb::StartsWith(key, "#")) {
    size_t dot = key.find('.');
    if (dot != std::string_view::npos) {
      auto section = data_.find("DATA." + qb::ToUpperAscii(key.substr(1, dot - 1)));
      if (section != data_.end()) {
        auto entry = section->second.find(qb::ToUpperAscii(key.substr(dot + 1)));
        if (entry != section->second.end()) value = Unescape(entry->second);
      }
    }
  }
  if (value.empty()) return std::string(key);
  if (item < 0) return value;
  std::vector<std::string> items = qb::Split(value, ';');
  return static_cast<size_t>(item) < items.size() ? items[static_cast<size_t>(item)] : std::string();
}

std::string TQbLanguageTxtFiles::FormatText(std::string_view key, const std::vector<TFormatArg>& args) const {
  return FormatWithArgs(LookupText(key), args);
}

bool TQbLanguageTxtFiles::HasText(std::string_view key) const { return LookupText(key) != key; }

const std::vector<std::string>& TQbLanguageTxtFiles::FormSection(std::string_view className) const {
  static const std::vector<std::string> kEmpty;
  auto it = forms_.find("FORM." + qb::ToUpperAscii(className));
  return it == forms_.end() ? kEmpty : it->second;
}

const std::map<std::string, std::string>& TQbLanguageTxtFiles::DataSection(std::string_view name) const {
  static const std::map<std::string, std::string> kEmpty;
  auto it = data_.find("DATA." + qb::ToUpperAscii(name));
  return it == data_.end() ? kEmpty : it->second;
}

std::string TQbLanguageTxtFiles::FileTypeText(std::string_view extension) const {
  std::string ext = qb::ToUpperAscii(qb::StartsWith(extension, ".") ? extension.substr(1) : extension);
  std::string key = qb::Format("#QB.File%s", ext.c_str());
  if (!ext.empty() && HasText(key)) return LookupText(key);
  return FormatText("#QB.FileGeneric", {ext});
}

TQbLanguageTxtFiles::ListenerId TQbLanguageTxtFiles::AddListener(int list, TLanguageListener callback,
                                                                 bool callNow) {
  ListenerId id = nextListenerId_++;
  listeners_.push_back(Listener{id, list == kScreenListeners ? kScreenListeners : kTextListeners, callback});
  if (callNow && callback) callback();
  return id;
}

void TQbLanguageTxtFiles::RemoveListener(ListenerId id) {
  std::erase_if(listeners_, [id](const Listener& l) { return l.id == id; });
}

void TQbLanguageTxtFiles::NotifyAll() { Notify(true); }

void TQbLanguageTxtFiles::Notify(bool screenListenersToo) {
  // A listener may add or remove listeners while it runs: work on the ids of this moment and
  // skip those that have gone meanwhile.
  std::vector<ListenerId> ids;
  for (int list : {kScreenListeners, kTextListeners})
    for (const Listener& l : listeners_)
      if (l.list == list && (screenListenersToo || list == kTextListeners)) ids.push_back(l.id);
  for (ListenerId id : ids) {
    auto it = std::find_if(listeners_.begin(), listeners_.end(), [id](const Listener& l) { return l.id == id; });
    if (it == listeners_.end() || !it->callback) continue;
    TLanguageListener callback = it->callback;
    callback();
  }
}

TFormTexts SplitFormSection(const std::vector<std::string>& lines) {
  TFormTexts texts;
  size_t i = 0;
  if (!lines.empty() && !qb::StartsWith(lines[0], ".@")) {
    texts.caption = lines[0] == "." ? std::string() : lines[0];
  }
  for (; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (qb::StartsWith(line, ".@")) {
      std::string name = line.substr(2);
      if (qb::EndsWith(name, "$")) name.pop_back();
      texts.blocks.push_back(TFormTexts::Block{qb::Trim(name), {}});
    } else if (!texts.blocks.empty()) {
      texts.blocks.back().lines.push_back(line);
    }
  }
  return texts;
}

namespace {
std::unique_ptr<TQbLanguageTxtFiles> gTexts;
}

TQbLanguageTxtFiles& QbLanguage() {
  if (!gTexts) {
    gTexts = std::make_unique<TQbLanguageTxtFiles>(TLanguageFileSearch{DataFolder()});
    gTexts->SetLanguage(InitialLanguageId(UserStore()));
  }
  return *gTexts;
}

void ResetQbLanguage() { gTexts.reset(); }

int InitialLanguageId(const TVntIniFile& userStore, const std::function<const char*(const char*)>& getEnv) {
  int id = settings::ReadActiveLanguage(userStore);
  if (id > 0 && IsLanguageId(id)) return id;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = getEnv ? getEnv(name) : std::getenv(name);
    if (value && *value) return LanguageIdOfLocale(value);
  }
  return kLanguageEnglish;
}

}  // namespace frame
