#include "lenex/entities/lnx_participants.h"

#include "swim/qbsw_language.h"
#include "swim/qbsw_person.h"

namespace lnx {

std::string TLnxClub::GetCode() const {
  std::string code = Attr("code");
  return code == "0" ? std::string() : code;
}

std::string TLnxClub::GetNation() const {
  std::string nation = Attr("nation");
  if (nation.empty()) {
    TQbXmlElementPtr meet = Up(2);
    if (meet && meet->GetName() == "MEET") nation = meet->GetAttribute("nation");
  }
  if (nation.empty()) {
    std::string code = GetCode();
    std::string name = GetName();
    if (code.size() == 3)
      nation = code;
    else if (name.size() == 3)
      nation = name;
  }
  return qbsw::NormalizeNationCode(nation);
}

std::string TLnxClub::GetStatsKey() const {
  std::string key, previous;
  for (const std::string& part : {GetNation(), GetRegion(), GetCode()}) {
    if (part.empty() || part == previous) continue;
    if (!key.empty()) key += ".";
    key += part;
    previous = part;
  }
  return key;
}

int TLnxAthlete::GetGender() const { return qbsw::TQbSwLanguage::Instance().GenderFromText(Attr("gender")); }

}  // namespace lnx
