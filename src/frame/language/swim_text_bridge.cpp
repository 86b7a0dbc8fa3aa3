#include "frame/language/swim_text_bridge.h"

#include <memory>

#include "frame/language/qb_language_txt_files.h"
#include "swim/qbsw_language.h"
#include "swim/qbsw_text_source.h"

namespace frame {

namespace {
class StoreTextSource final : public qbsw::IQbSwTextSource {
 public:
  std::string LookupText(const std::string& key) const override {
    // The store shows a missing key as the key itself; the swim texts keep English then.
    return QbLanguage().HasText(key) ? QbLanguage().LookupText(key) : std::string();
  }
};
}  // namespace

void ConnectSwimValueTexts() {
  static TQbLanguageTxtFiles* connectedTo = nullptr;
  if (connectedTo == &QbLanguage()) return;
  connectedTo = &QbLanguage();
  qbsw::TQbSwLanguage::SetTextSource(std::make_shared<StoreTextSource>());
  QbLanguage().AddListener(TQbLanguageTxtFiles::kTextListeners, [] { qbsw::TQbSwLanguage::Instance().Reload(); },
                           true);
}

}  // namespace frame
