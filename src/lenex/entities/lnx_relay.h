// Relays, teams and team athletes of a club.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_participants_intf.h"

namespace lnx {

class TLnxRelay final : public TLnxManagedObject, public IQbLenexRelay {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetAgeText() const override;
  qbsw::TQbSwAgeRange GetAgeRange() const override;
  bool HasTotalAge() const override { return !TotalRange().IsOpen(); }
  std::shared_ptr<const IQbLenexEntries> GetEntries(int sortOrder, TQbRoundSet rounds) const override;
  int GetGender() const override;
  std::string GetOwnName() const override;
  int GetNumber() const override { return Int("number"); }
  std::shared_ptr<const IQbLenexResults> GetResults(int sortOrder, TQbRoundSet rounds) const override;
  std::string GetName(bool withGender) const override;

 private:
  qbsw::TQbSwAgeRange TotalRange() const;
};

class TLnxTeam final : public TLnxManagedObject, public IQbLenexTeam {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  int GetGender() const override;
  int GetNumber() const override { return Int("number"); }
  std::shared_ptr<const IQbLenexTeamAthletes> GetTeamAthletes() const override;
};

class TLnxTeamAthlete final : public TLnxManagedObject, public IQbLenexTeamAthlete {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  int GetNumber() const override { return Int("number"); }
  std::shared_ptr<const IQbLenexAthlete> GetAthlete() const override;
  int GetAthleteId() const override { return Int("athleteid"); }
  std::shared_ptr<const IQbLenexResult> GetTeamResult() const override;
};

// The relay letter of a number: 1 is "A", 2 "B", ...; numbers outside 1..26 count as 1 or 26.
char RelayLetter(int number);

}  // namespace lnx
