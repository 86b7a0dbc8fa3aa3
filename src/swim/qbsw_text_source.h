// Where TQbSwLanguage takes its translated texts from: the language service of the program
// implements this and installs itself with TQbSwLanguage::SetTextSource.
#pragma once

#include <string>

namespace qbsw {

class IQbSwTextSource {
 public:
  virtual ~IQbSwTextSource() = default;
  // The whole text stored under a key such as "#QbSwLanguage.GenderNames"; empty when the key is
  // missing.
  virtual std::string LookupText(const std::string& key) const = 0;
};

}  // namespace qbsw
