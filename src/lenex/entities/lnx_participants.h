// Participant-side views as far as the meet side hands them out: contacts, clubs, athletes.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_participants_intf.h"

namespace lnx {

class TLnxContact final : public TLnxManagedObject, public IQbLenexContact {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetCity() const override { return Attr("city"); }
  std::string GetName() const override { return Attr("name"); }
};

class TLnxClub final : public TLnxManagedObject, public IQbLenexClub {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetCode() const override;
  std::string GetRegion() const override { return Attr("region"); }
  std::string GetName() const override { return Attr("name"); }
  std::string GetNation() const override;
  std::string GetStatsKey() const override;
};

// An ATHLETE; a RELAY element read as an athlete answers the same operations.
class TLnxAthlete final : public TLnxManagedObject, public IQbLenexAthlete {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetFirstName() const override { return Attr("firstname"); }
  int GetGender() const override;
  std::string GetLastName() const override { return Attr("lastname"); }
  int GetId() const override { return Int("athleteid"); }
};

}  // namespace lnx
