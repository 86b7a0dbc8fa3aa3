// The id reference check that runs after a LENEX file was read: event and age group ids must be
// unique, athlete ids unique, and every entry, result and relay position must name known ids.
#pragma once

#include <string>
#include <vector>

namespace lnx {

class IQbXmlElement;

// Messages "Line %d: ..." for every broken reference of every meet under the root "LENEX".
// When the check itself fails, the single message "Internal id references cannot be resolved!".
std::vector<std::string> CheckIdReferences(const IQbXmlElement& root);

}  // namespace lnx
