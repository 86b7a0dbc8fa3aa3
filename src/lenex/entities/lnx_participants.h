// Contacts, athletes and officials.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_participants_intf.h"

namespace lnx {

class TLnxContact final : public TLnxManagedObject, public IQbLenexContact {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetCity() const override { return Attr("city"); }
  std::string GetCountry() const override { return Attr("country"); }
  std::string GetEmail() const override { return Attr("email"); }
  std::string GetFax() const override { return Attr("fax"); }
  std::string GetName() const override { return Attr("name"); }
  std::string GetInternet() const override { return Attr("internet"); }
  std::string GetContactName() const override { return Attr("name"); }
  std::string GetMobile() const override { return Attr("mobile"); }
  std::string GetPhone() const override { return Attr("phone"); }
  std::string GetState() const override { return Attr("state"); }
  std::string GetStreet() const override { return Attr("street"); }
  std::string GetStreet2() const override { return Attr("street2"); }
  std::string GetZip() const override { return Attr("zip"); }
};

// An ATHLETE; a RELAY element read as an athlete answers the same operations.
class TLnxAthlete final : public TLnxManagedObject, public IQbLenexAthlete {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  qb::TDateTime GetBirthdate() const override { return Element().GetAsDate("birthdate"); }
  qbsw::TQbSwFinaId GetFinaId() const override { return Element().GetAsFinaId("finaid"); }
  std::string GetFirstName() const override { return Attr("firstname"); }
  int GetGender() const override;
  std::string GetLastName() const override { return Attr("lastname"); }
  std::string GetLicense() const override;
  std::string GetClubNation() const override;
  std::string GetMiddleName() const override { return Attr("middlename"); }
  std::string GetNamePrefix() const override { return Attr("nameprefix"); }
  std::string GetNation() const override;
  int GetAge() const override;
  std::shared_ptr<const IQbLenexClub> GetClub() const override;
  std::shared_ptr<const IQbLenexEntries> GetEntries(int sortOrder, TQbRoundSet rounds) const override;
  std::string GetExternalId() const override { return Attr("externalid"); }
  std::string GetFirstNameEn() const override;
  std::string GetFullName() const override;
  std::string GetFullNameWithBirthdate() const override;
  int GetId() const override { return Int("athleteid"); }
  std::string GetLastNameEn() const override;
  std::string GetPassport() const override { return Attr("passport"); }
  std::shared_ptr<const IQbLenexResults> GetResults(int sortOrder, TQbRoundSet rounds) const override;
};

class TLnxOfficial final : public TLnxManagedObject, public IQbLenexOfficial {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::shared_ptr<const IQbLenexContact> GetContact() const override;
  std::string GetFirstName() const override { return Attr("firstname"); }
  std::string GetFullName() const override;
  int GetGender() const override;
  std::string GetGrade() const override { return Attr("grade"); }
  int GetId() const override { return Int("officialid"); }
  std::string GetLastName() const override { return Attr("lastname"); }
  std::string GetMiddleName() const override { return Attr("middlename"); }
  std::string GetNamePrefix() const override { return Attr("nameprefix"); }
  std::string GetNation() const override { return Attr("nation"); }
};

// The display layout of person names: upper-case last name, ", " between the halves.
constexpr unsigned kPersonNameFlags = 48;

// The CONTACT child of an element when there is one.
std::shared_ptr<const IQbLenexContact> ContactOf(const IQbXmlElement& element, const TLnxIndexPtr& index);

}  // namespace lnx
