// Entries and results of athletes and relays, as far as the events and age groups hand them out.
// A result shares the entry's operations; its own follow them.
#pragma once

#include <cstdint>
#include <memory>

#include "lenex/model/qb_lenex_participants_intf.h"

namespace lnx {

class IQbLenexEvent;
class IQbLenexAgeGroup;

class IQbLenexEntry {
 public:
  virtual ~IQbLenexEntry() = default;
  // The ATHLETE (or, for a relay entry, the RELAY read as an athlete) two levels up.
  virtual std::shared_ptr<const IQbLenexAthlete> GetAthlete() const = 0;
  virtual std::shared_ptr<const IQbLenexClub> GetClub() const = 0;
  // The relay's or the athlete's gender.
  virtual int GetGender() const = 0;
  // "entrytime" of the entry element; anything outside 1..2147483646 is no time (2147483647).
  virtual std::int32_t GetEntryTime() const = 0;
  virtual std::shared_ptr<const IQbLenexEvent> GetEvent() const = 0;
  virtual int GetStatus() const = 0;
};

class IQbLenexResult : public IQbLenexEntry {
 public:
  // The event's age group whose id equals "agegroupid"; none when no age group has it.
  virtual std::shared_ptr<const IQbLenexAgeGroup> GetAgeGroup() const = 0;
  virtual int GetId() const = 0;
  // 32767 when the result has no place.
  virtual int GetPlace() const = 0;
};

constexpr int kNoPlace = 32767;

using IQbLenexEntries = TQbItemCollectionNew<IQbLenexEntry>;
using IQbLenexResults = TQbItemCollectionNew<IQbLenexResult>;

}  // namespace lnx
