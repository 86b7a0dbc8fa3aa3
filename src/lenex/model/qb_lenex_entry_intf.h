// Entries and results of athletes and relays, their split times, relay positions and meet
// infos. A result shares the entry's operations; its own follow them (slot order).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/date_time.h"
#include "lenex/model/qb_lenex_participants_intf.h"

namespace lnx {

class IQbLenexEvent;
class IQbLenexAgeGroup;
class IQbLenexHeat;

// What an entry or a relay position says about the qualifying swim.
class IQbLenexMeetInfo {
 public:
  virtual ~IQbLenexMeetInfo() = default;
  virtual std::string GetApproved() const = 0;
  virtual int GetCourse() const = 0;
  virtual std::string GetCity() const = 0;
  // The city, then " (%s)" of the nation when there is one.
  virtual std::string GetCityAndNation() const = 0;
  virtual qb::TDateTime GetDate() const = 0;
  // The date in the short date format; empty for no date.
  virtual std::string GetDateText() const = 0;
  virtual std::string GetName() const = 0;
  virtual std::string GetNation() const = 0;  // normalised
  // Outside 1..2147483646: no time (2147483647).
  virtual std::int32_t GetQualificationTime() const = 0;
};

class IQbLenexPosition {
 public:
  virtual ~IQbLenexPosition() = default;
  // The meet's athlete with "athleteid".
  virtual std::shared_ptr<const IQbLenexAthlete> GetAthlete() const = 0;
  virtual int GetAthleteId() const = 0;
  virtual std::shared_ptr<const IQbLenexMeetInfo> GetMeetInfo() const = 0;
  virtual int GetNumber() const = 0;
  // Hundredths with sign; -32768 for none.
  virtual int GetReactionTime() const = 0;
  virtual int GetStatus() const = 0;
};

using IQbLenexPositions = TQbItemCollectionNew<IQbLenexPosition>;

class IQbLenexSplit {
 public:
  virtual ~IQbLenexSplit() = default;
  virtual int GetDistance() const = 0;
  virtual std::int32_t GetSwimTime() const = 0;
  virtual std::string GetSwimTimeText() const = 0;  // empty for no time
};

// Splits sorted by distance.
class IQbLenexSplits : public TQbItemCollectionNew<IQbLenexSplit> {
 public:
  // The split's time at the distance; 0 without a split there.
  virtual std::int32_t GetSplitTime(int distance) const = 0;
  // Time at `to` minus time at `from` (the time at `to` when from is 0); 0 when a split is missing.
  virtual std::int32_t GetLapTime(int from, int to) const = 0;
  virtual std::string GetSplitTimeText(int distance) const = 0;
  virtual std::string GetLapTimeText(int from, int to) const = 0;
};

class IQbLenexRelay;

class IQbLenexEntry {
 public:
  virtual ~IQbLenexEntry() = default;
  // Empty for a relay; else the athlete's birthdate as "yy".
  virtual std::string GetBirthYearText() const = 0;
  // The ATHLETE (or, for a relay entry, the RELAY read as an athlete) two levels up.
  virtual std::shared_ptr<const IQbLenexAthlete> GetAthlete() const = 0;
  virtual std::shared_ptr<const IQbLenexClub> GetClub() const = 0;
  // The relay's or the athlete's gender.
  virtual int GetGender() const = 0;
  // "entrytime" of the entry element; anything outside 1..2147483646 is no time (2147483647).
  virtual std::int32_t GetEntryTime() const = 0;
  virtual std::string GetEntryTimeText() const = 0;  // "NT" for no time
  virtual std::shared_ptr<const IQbLenexEvent> GetEvent() const = 0;
  // The event's heat named by "heatid"; else a heat known only by "heat"; else heat number -1.
  virtual std::shared_ptr<const IQbLenexHeat> GetHeat() const = 0;
  virtual int GetLane() const = 0;
  virtual std::shared_ptr<const IQbLenexMeetInfo> GetMeetInfo() const = 0;
  // The relay's name (with the gender flag) or the athlete's full name.
  virtual std::string GetName(bool withGender) const = 0;
  // Sorted by number.
  virtual std::shared_ptr<const IQbLenexPositions> GetRelayPositions() const = 0;
  virtual std::shared_ptr<const IQbLenexRelay> GetRelay() const = 0;
  virtual int GetStatus() const = 0;
};

class IQbLenexResult : public IQbLenexEntry {
 public:
  // The event's age group whose id equals "agegroupid"; none when no age group has it.
  virtual std::shared_ptr<const IQbLenexAgeGroup> GetAgeGroup() const = 0;
  virtual std::string GetComment() const = 0;
  virtual std::string GetFine() const = 0;
  virtual int GetId() const = 0;
  // 32767 when the result has no place.
  virtual int GetPlace() const = 0;
  // The status text with a status; empty without place; else "%d." of the place.
  virtual std::string GetPlaceText() const = 0;
  virtual int GetPoints() const = 0;
  // Hundredths with sign; -32768 for none.
  virtual int GetReactionTime() const = 0;
  virtual std::shared_ptr<const IQbLenexSplits> GetSplits() const = 0;
  virtual int GetResultStatus() const = 0;
  // A disqualification with 00:59:50.50 is no time (2147483647).
  virtual std::int32_t GetSwimTime() const = 0;
  virtual std::string GetSwimTimeText() const = 0;  // empty for no time
  virtual qb::TDateTime GetTimestamp() const = 0;   // always 0
};

constexpr int kNoPlace = 32767;
constexpr int kNoReactionTime = -32768;

}  // namespace lnx
