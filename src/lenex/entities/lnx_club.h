// Clubs, the club collection and club statistics.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_participants_intf.h"

namespace lnx {

class TLnxClubStats;

class TLnxClub final : public TLnxManagedObject, public IQbLenexClub {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  int GetClubType() const override;
  std::string GetCode() const override;
  std::string GetRegion() const override { return Attr("region"); }
  std::string GetName() const override { return Attr("name"); }
  std::string GetNation() const override;
  int GetNumber() const override { return Int("number"); }
  std::string GetStatsKey() const override;
  std::shared_ptr<const IQbLenexContact> GetContact() const override;
  std::string GetLongCode() const override { return Attr("longcode"); }
  std::string GetStatsName() const override;
  std::string GetNameEn() const override;
  std::string GetShortName() const override;
  std::string GetShortNameEn() const override;
  std::shared_ptr<const IQbLenexAthletes> GetAthletes(int sortOrder) const override;
  std::shared_ptr<const IQbLenexOfficials> GetOfficials() const override;
  std::shared_ptr<const IQbLenexEntries> GetRelayEntries(int sortOrder, TQbRoundSet rounds) const override;
  std::shared_ptr<const IQbLenexRelays> GetRelays() const override;
  std::shared_ptr<const IQbLenexTeams> GetTeams() const override;
  int GetAthleteCount(TQbGenderSet genders) const override;
  int GetStartCount(TQbGenderSet genders, bool relay) const override;

  // The club's statistics, made on the first question and kept.
  std::shared_ptr<const IQbLenexClubStats> GetStats() const;

 private:
  mutable std::shared_ptr<const TLnxClubStats> stats_;
};

// Clubs of a meet.
class TLnxClubs final : public IQbLenexClubs {
 public:
  explicit TLnxClubs(std::vector<Item> items) { items_ = std::move(items); }
  std::shared_ptr<const IQbLenexClub> FindByName(const IQbLenexClub& club) const override;
};

// Counts of a club, made once from the club's interfaces (so any document model can use it).
class TLnxClubStats final : public IQbLenexClubStats {
 public:
  explicit TLnxClubStats(const IQbLenexClub& club);
  int GetAthleteCount(TQbGenderSet genders) const override;
  std::string GetKey() const override { return key_; }
  int GetStartCount(TQbGenderSet genders, bool relay) const override;
  std::string GetDisplayName() const override;

 private:
  std::string name_, key_;
  int athletes_[4] = {};   // by gender code
  int starts_[2][4] = {};  // [relay][gender code]
};

}  // namespace lnx
