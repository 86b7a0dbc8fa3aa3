// Participant side of a meet: clubs, athletes, relays, officials, teams, contacts and club
// statistics. Operations are listed in slot order; texts come back as return values.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/date_time.h"
#include "lenex/qb_item_collection.h"
#include "swim/qbsw_age_range.h"
#include "swim/qbsw_fina_id.h"

namespace lnx {

class IQbLenexEntry;
class IQbLenexResult;
class IQbLenexClub;
class IQbLenexClubStats;

using IQbLenexEntries = TQbItemCollectionNew<IQbLenexEntry>;
using IQbLenexResults = TQbItemCollectionNew<IQbLenexResult>;

// A set of gender codes: bit n for gender code n (1 male, 2 female, 3 mixed).
using TQbGenderSet = std::uint16_t;
constexpr TQbGenderSet GenderBit(int gender) {
  return gender >= 0 && gender < 16 ? static_cast<TQbGenderSet>(1u << gender) : 0;
}
constexpr TQbGenderSet kAllGenders = GenderBit(1) | GenderBit(2) | GenderBit(3);

// Club type codes (the club type table).
enum : int { kClubTypeClub = 1, kClubTypeRegionalTeam = 4, kClubTypeNationalTeam = 6 };

// Sort orders of a club's athletes; any other number keeps document order.
enum : int { kAthletesByName = 1, kAthletesByGenderAndName = 2 };

class IQbLenexContact {
 public:
  virtual ~IQbLenexContact() = default;
  virtual std::string GetCity() const = 0;
  virtual std::string GetCountry() const = 0;
  virtual std::string GetEmail() const = 0;
  virtual std::string GetFax() const = 0;
  virtual std::string GetName() const = 0;
  virtual std::string GetInternet() const = 0;
  virtual std::string GetContactName() const = 0;  // "name", as GetName
  virtual std::string GetMobile() const = 0;
  virtual std::string GetPhone() const = 0;
  virtual std::string GetState() const = 0;
  virtual std::string GetStreet() const = 0;
  virtual std::string GetStreet2() const = 0;
  virtual std::string GetZip() const = 0;
};

class IQbAthlete {
 public:
  virtual ~IQbAthlete() = default;
  virtual qb::TDateTime GetBirthdate() const = 0;
  virtual qbsw::TQbSwFinaId GetFinaId() const = 0;
  virtual std::string GetFirstName() const = 0;
  virtual int GetGender() const = 0;
  virtual std::string GetLastName() const = 0;
  // "license" with every blank removed.
  virtual std::string GetLicense() const = 0;
  // The nation of the athlete's club, by the club's nation rule.
  virtual std::string GetClubNation() const = 0;
  virtual std::string GetMiddleName() const = 0;
  virtual std::string GetNamePrefix() const = 0;
  // Own "nation" normalised; when empty, the club nation.
  virtual std::string GetNation() const = 0;
};

class IQbLenexAthlete : public IQbAthlete {
 public:
  // From the birthdate, the meet's age date and age date type; 99 without a birthdate.
  virtual int GetAge() const = 0;
  virtual std::shared_ptr<const IQbLenexClub> GetClub() const = 0;
  virtual std::shared_ptr<const IQbLenexEntries> GetEntries(int sortOrder, TQbRoundSet rounds) const = 0;
  virtual std::string GetExternalId() const = 0;
  // "firstname.en", else the first name in plain letters.
  virtual std::string GetFirstNameEn() const = 0;
  // "VAN DEN BERG, Jan".
  virtual std::string GetFullName() const = 0;
  // "VAN DEN BERG, Jan, 3 Mar 2011"; the name alone without a birthdate.
  virtual std::string GetFullNameWithBirthdate() const = 0;
  virtual int GetId() const = 0;
  virtual std::string GetLastNameEn() const = 0;
  virtual std::string GetPassport() const = 0;
  virtual std::shared_ptr<const IQbLenexResults> GetResults(int sortOrder, TQbRoundSet rounds) const = 0;
};

using IQbLenexAthletes = TQbItemCollectionNew<IQbLenexAthlete>;

class IQbLenexOfficial {
 public:
  virtual ~IQbLenexOfficial() = default;
  virtual std::shared_ptr<const IQbLenexContact> GetContact() const = 0;
  virtual std::string GetFirstName() const = 0;
  virtual std::string GetFullName() const = 0;
  virtual int GetGender() const = 0;
  virtual std::string GetGrade() const = 0;
  virtual int GetId() const = 0;
  virtual std::string GetLastName() const = 0;
  virtual std::string GetMiddleName() const = 0;
  virtual std::string GetNamePrefix() const = 0;
  virtual std::string GetNation() const = 0;  // as written
};

using IQbLenexOfficials = TQbItemCollectionNew<IQbLenexOfficial>;

class IQbLenexRelay {
 public:
  virtual ~IQbLenexRelay() = default;
  // Empty for an open age range, else the long age group text of range and gender.
  virtual std::string GetAgeText() const = 0;
  // The total age range; when that is open, the range of single ages.
  virtual qbsw::TQbSwAgeRange GetAgeRange() const = 0;
  virtual bool HasTotalAge() const = 0;
  virtual std::shared_ptr<const IQbLenexEntries> GetEntries(int sortOrder, TQbRoundSet rounds) const = 0;
  virtual int GetGender() const = 0;
  // "name", empty when it only repeats the club's name (with the relay number or its letter).
  virtual std::string GetOwnName() const = 0;
  virtual int GetNumber() const = 0;
  virtual std::shared_ptr<const IQbLenexResults> GetResults(int sortOrder, TQbRoundSet rounds) const = 0;
  // "name", else "%d. team" of the number; with the flag ", " and the gender name added.
  virtual std::string GetName(bool withGender) const = 0;
};

using IQbLenexRelays = TQbItemCollectionNew<IQbLenexRelay>;

class IQbLenexTeamAthlete {
 public:
  virtual ~IQbLenexTeamAthlete() = default;
  virtual int GetNumber() const = 0;
  virtual std::shared_ptr<const IQbLenexAthlete> GetAthlete() const = 0;
  virtual int GetAthleteId() const = 0;
  // The athlete's first result, in result order, in the event numbered (gender - 1) * 100 + number.
  virtual std::shared_ptr<const IQbLenexResult> GetTeamResult() const = 0;
};

using IQbLenexTeamAthletes = TQbItemCollectionNew<IQbLenexTeamAthlete>;

class IQbLenexTeam {
 public:
  virtual ~IQbLenexTeam() = default;
  virtual int GetGender() const = 0;
  virtual int GetNumber() const = 0;
  virtual std::shared_ptr<const IQbLenexTeamAthletes> GetTeamAthletes() const = 0;
};

using IQbLenexTeams = TQbItemCollectionNew<IQbLenexTeam>;

// A club's counts of athletes and starts.
class IQbLenexClubStats {
 public:
  virtual ~IQbLenexClubStats() = default;
  // Male and female athletes of the genders in the set.
  virtual int GetAthleteCount(TQbGenderSet genders) const = 0;
  virtual std::string GetKey() const = 0;
  // Starts (each event once per athlete or relay) of the genders in the set, individual or relay.
  virtual int GetStartCount(TQbGenderSet genders, bool relay) const = 0;
  // "%s (%s)" of club name and key, the name alone without a key.
  virtual std::string GetDisplayName() const = 0;
};

class IQbClub {
 public:
  virtual ~IQbClub() = default;
  virtual int GetClubType() const = 0;
  virtual std::string GetCode() const = 0;  // "code", empty when it is "0"
  virtual std::string GetRegion() const = 0;
  virtual std::string GetName() const = 0;
  // Own "nation", else the meet's, else a three-letter code, else a three-letter name; normalised.
  virtual std::string GetNation() const = 0;
  virtual int GetNumber() const = 0;
};

class IQbLenexClub : public IQbClub {
 public:
  // Nation, region and code, empty parts and repeats of the part before left out, joined by ".".
  virtual std::string GetStatsKey() const = 0;
  virtual std::shared_ptr<const IQbLenexContact> GetContact() const = 0;
  virtual std::string GetLongCode() const = 0;
  virtual std::string GetStatsName() const = 0;
  virtual std::string GetNameEn() const = 0;
  virtual std::string GetShortName() const = 0;
  virtual std::string GetShortNameEn() const = 0;
  virtual std::shared_ptr<const IQbLenexAthletes> GetAthletes(int sortOrder) const = 0;
  virtual std::shared_ptr<const IQbLenexOfficials> GetOfficials() const = 0;
  virtual std::shared_ptr<const IQbLenexEntries> GetRelayEntries(int sortOrder, TQbRoundSet rounds) const = 0;
  virtual std::shared_ptr<const IQbLenexRelays> GetRelays() const = 0;
  virtual std::shared_ptr<const IQbLenexTeams> GetTeams() const = 0;
  virtual int GetAthleteCount(TQbGenderSet genders) const = 0;
  virtual int GetStartCount(TQbGenderSet genders, bool relay) const = 0;
};

class IQbLenexClubs : public TQbItemCollectionNew<IQbLenexClub> {
 public:
  // The first club whose name equals the given club's name in any case; none otherwise.
  virtual std::shared_ptr<const IQbLenexClub> FindByName(const IQbLenexClub& club) const = 0;
};

}  // namespace lnx
