#include "app/legacy_texts.h"

#include <string>

#include "frame/language/language_manager.h"
#include "swim/qbsw_language.h"
#include "swim/qbsw_legacy_texts.h"

namespace app {

namespace {
// A text the file lacks is left empty, so the built-in English one stays.
std::string TextOrEmpty(const std::string& text, char letter, int number) {
  return text == frame::TLanguage::TextKey(letter, number) ? std::string() : text;
}
}  // namespace

void LoadLegacyTexts() {
  frame::TLanguage& language = frame::Language();
  qbsw::TQbSwLanguage::Instance().SetLegacyTexts(qbsw::TQbSwLegacyTexts::FromLanguageTexts(
      TextOrEmpty(language.GetText('S', 3), 'S', 3), TextOrEmpty(language.GetText('S', 4), 'S', 4),
      TextOrEmpty(language.GetText('S', 5), 'S', 5), TextOrEmpty(language.GetText('S', 29), 'S', 29)));
}

}  // namespace app
