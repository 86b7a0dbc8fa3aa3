#include "frame/language/language_manager.h"

#include <filesystem>
#include <memory>

#include "base/qb_strings.h"
#include "frame/app_folders.h"
#include "frame/language/language_table.h"
#include "frame/settings/lapscope_settings.h"
#include "frame/settings/settings_store.h"

namespace frame {

TLanguage::TLanguage(TQbLanguageTxtFiles& texts, const TVntIniFile& ini, std::string helpFolder)
    : texts_(texts), helpFolder_(std::move(helpFolder)) {
  settings::TLanguageChoice choice = settings::ReadLanguageChoice(ini);
  int screen = IsIndex(choice.screen) ? choice.screen : ScreenIndex();
  SetScreenLanguage(screen, true);
  printIndex_ = IsIndex(choice.print) ? choice.print : screen;
  SetHelpLanguage(IsIndex(choice.help) ? choice.help : screen);
}

std::string TLanguage::TextKey(char letter, int number) { return qb::Format("#VANTOR_%c.%d", letter, number); }

std::string TLanguage::GetText(char letter, int number, int item) const {
  return texts_.LookupText(TextKey(letter, number), item - 1);
}

std::string TLanguage::FormatText(char letter, int number, const std::vector<TFormatArg>& args) const {
  return texts_.FormatText(TextKey(letter, number), args);
}

std::string_view TLanguage::LanguageCode(int index) { return LanguageCodeOfIndex(index); }

int TLanguage::ScreenIndex() const { return LanguageIndexOfId(texts_.Language()); }

void TLanguage::SetScreenLanguage(int index, bool apply) {
  if (!IsIndex(index)) return;
  texts_.SetLanguage(LanguageIdOfIndex(index));
  if (apply) {
    texts_.NotifyAll();
    if (formTranslator_) formTranslator_();
  }
  if (changeCallback_) {
    auto callback = changeCallback_;
    callback();
  }
}

void TLanguage::SetPrintLanguage(int index) {
  if (IsIndex(index)) printIndex_ = index;
}

void TLanguage::UsePrintLanguage() {
  if (savedScreenIndex_ || printIndex_ == ScreenIndex()) return;
  savedScreenIndex_ = ScreenIndex();
  texts_.SetLanguage(LanguageIdOfIndex(printIndex_));
}

void TLanguage::RestoreScreenLanguage() {
  if (!savedScreenIndex_) return;
  int index = *savedScreenIndex_;
  savedScreenIndex_.reset();
  texts_.SetLanguage(LanguageIdOfIndex(index));
}

std::string TLanguage::HelpFileOf(int index) const {
  return helpFolder_ + "/lapscope" + std::string(LanguageCodeOfIndex(index)) + ".html";
}

void TLanguage::SetHelpLanguage(int index) {
  std::error_code ec;
  helpIndex_ = IsIndex(index) && std::filesystem::is_regular_file(HelpFileOf(index), ec) ? index : fallbackHelpIndex_;
  std::string file = HelpFileOf(helpIndex_);
  helpFile_ = std::filesystem::is_regular_file(file, ec) ? file : std::string();
}

void TLanguage::SetChangeCallback(const void* owner, std::function<void()> callback) {
  changeOwner_ = owner;
  changeCallback_ = std::move(callback);
}

void TLanguage::ClearChangeCallback(const void* owner) {
  if (owner != changeOwner_) return;
  changeOwner_ = nullptr;
  changeCallback_ = nullptr;
}

namespace {
std::unique_ptr<TLanguage> gLanguage;
}

TLanguage& Language() {
  if (!gLanguage) gLanguage = std::make_unique<TLanguage>(QbLanguage(), ProgramIni(), DataFolder());
  return *gLanguage;
}

void ResetLanguage() { gLanguage.reset(); }

}  // namespace frame
