#include "lenex/entities/lnx_fee.h"

#include "base/qb_strings.h"

namespace lnx {

std::string TLnxFee::GetText() const {
  double value = GetValue();
  if (value == 0) return "-";
  return qb::Format("%s %.2f", GetCurrency().c_str(), value);
}

std::string TLnxPointTable::GetText() const { return qb::Trim(GetName() + " " + GetVersion()); }

}  // namespace lnx
