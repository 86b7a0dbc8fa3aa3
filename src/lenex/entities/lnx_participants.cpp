#include "lenex/entities/lnx_participants.h"

#include "base/qb_strings.h"
#include "lenex/entities/lnx_club.h"
#include "lenex/entities/lnx_entry.h"
#include "lenex/entities/lnx_meet.h"
#include "swim/qbsw_date_text.h"
#include "swim/qbsw_language.h"
#include "swim/qbsw_person.h"
#include "swim/qbsw_unicode.h"

namespace lnx {

namespace {
const qbsw::TQbSwLanguage& Texts() { return qbsw::TQbSwLanguage::Instance(); }
}  // namespace

std::shared_ptr<const IQbLenexContact> ContactOf(const IQbXmlElement& element, const TLnxIndexPtr& index) {
  TQbXmlElementPtr contact = SharedOf(element.FindChild(AtomOf("CONTACT")));
  return contact ? std::make_shared<TLnxContact>(contact, index) : nullptr;
}

int TLnxAthlete::GetGender() const { return Texts().GenderFromText(Attr("gender")); }

std::string TLnxAthlete::GetLicense() const {
  std::string license;
  for (char c : Attr("license"))
    if (!qb::IsBlank(c)) license += c;
  return license;
}

std::string TLnxAthlete::GetClubNation() const {
  auto club = GetClub();
  return club ? club->GetNation() : std::string();
}

std::string TLnxAthlete::GetNation() const {
  std::string nation = qbsw::NormalizeNationCode(Attr("nation"));
  return nation.empty() ? GetClubNation() : nation;
}

int TLnxAthlete::GetAge() const {
  TQbXmlElementPtr meetElement = Ancestor("MEET");
  qb::TDateTime birth = GetBirthdate();
  if (!meetElement) return qbsw::AgeAtDate(qbsw::kAgeCalcYear, qb::Now(), birth);
  TLnxMeet meet(meetElement, Index());
  return qbsw::AgeAtDate(meet.GetAgeDateType(), meet.GetAgeDate(), birth);
}

std::shared_ptr<const IQbLenexClub> TLnxAthlete::GetClub() const {
  TQbXmlElementPtr club = Up(2);
  return club && club->GetName() == "CLUB" ? Make<TLnxClub>(club) : nullptr;
}

std::shared_ptr<const IQbLenexEntries> TLnxAthlete::GetEntries(int sortOrder, TQbRoundSet rounds) const {
  return OwnEntries({element_}, sortOrder, rounds, Index());
}

std::string TLnxAthlete::GetFirstNameEn() const {
  std::string en = Attr("firstname.en");
  return en.empty() ? qbsw::PlainLetters(GetFirstName()) : en;
}

std::string TLnxAthlete::GetFullName() const {
  return qbsw::FormatPersonName(GetFirstName(), GetMiddleName(), GetNamePrefix(), GetLastName(), kPersonNameFlags);
}

std::string TLnxAthlete::GetFullNameWithBirthdate() const {
  std::string name = GetFullName();
  qb::TDateTime birth = GetBirthdate();
  if (birth == 0) return name;  // no ", " left hanging
  return name + ", " + qbsw::FormatDate(birth, "d mmm yyyy", Texts().DateNames());
}

std::string TLnxAthlete::GetLastNameEn() const {
  std::string en = Attr("lastname.en");
  return en.empty() ? qbsw::PlainLetters(GetLastName()) : en;
}

std::shared_ptr<const IQbLenexResults> TLnxAthlete::GetResults(int sortOrder, TQbRoundSet rounds) const {
  return OwnResults(Element(), sortOrder, rounds, Index());
}

std::shared_ptr<const IQbLenexContact> TLnxOfficial::GetContact() const { return ContactOf(Element(), Index()); }

std::string TLnxOfficial::GetFullName() const {
  return qbsw::FormatPersonName(GetFirstName(), GetMiddleName(), GetNamePrefix(), GetLastName(), kPersonNameFlags);
}

int TLnxOfficial::GetGender() const { return Texts().GenderFromText(Attr("gender")); }

}  // namespace lnx
