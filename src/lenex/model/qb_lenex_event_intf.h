// Events of a session.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/date_time.h"
#include "lenex/model/qb_lenex_agegroup_intf.h"
#include "lenex/model/qb_lenex_entry_intf.h"
#include "lenex/model/qb_lenex_fee_intf.h"
#include "lenex/model/qb_lenex_heat_intf.h"
#include "lenex/model/qb_lenex_time_standard_intf.h"
#include "lenex/qb_item_collection.h"
#include "swim/qbsw_swim_style.h"

namespace lnx {

class IQbLenexSession;

// Sort orders of event collections; any other number keeps document order.
enum : int {
  kEventsByNumber = 0,
  kEventsBySwimStyle = 1,  // swim style sort text with the event's gender, then the higher round first
  kEventsBySortKey = 2,
};

// Sort orders of entry and result collections; any other number keeps document order.
enum : int { kEntriesByEventNumber = 1, kEntriesBySwimStyle = 2, kEntriesByEntryTime = 3 };

class IQbLenexEvent {
 public:
  virtual ~IQbLenexEvent() = default;
  virtual std::shared_ptr<const IQbLenexAgeGroups> GetAgeGroups() const = 0;
  // The swim style's distance text on the session's course ("100m", "4 x 50y").
  virtual std::string GetDistanceText() const = 0;
  // The entries of this event, of one club only when a club is given.
  virtual std::shared_ptr<const IQbLenexEntries> GetEntries(int sortOrder,
                                                            const std::shared_ptr<const IQbLenexClub>& club) const = 0;
  // "5. 100m Freestyle, Men".
  virtual std::string GetTitle() const = 0;
  virtual std::shared_ptr<const IQbLenexFee> GetFee() const = 0;
  virtual int GetGender() const = 0;
  virtual std::string GetGenderName() const = 0;
  // Sorted by order, daytime and number.
  virtual std::shared_ptr<const IQbLenexHeats> GetHeats() const = 0;
  virtual int GetId() const = 0;
  // "maxentries" when above 0, else 32767.
  virtual int GetMaxEntries() const = 0;
  virtual int GetNumber() const = 0;
  virtual std::string GetNumberText() const = 0;
  virtual std::shared_ptr<const IQbLenexEvent> GetPreviousEvent() const = 0;
  virtual int GetOrder() const = 0;
  // "%.6d_%.4d_%.5d_%.3d" of order, daytime in minutes, number and round code.
  virtual std::string GetSortKey() const = 0;
  // Every result of this event, in result order.
  virtual std::shared_ptr<const IQbLenexResults> GetResults() const = 0;
  // Round code; 1 (TIM) when unknown or missing.
  virtual int GetRound() const = 0;
  virtual std::string GetRoundName() const = 0;
  virtual std::shared_ptr<const IQbLenexSession> GetSession() const = 0;
  virtual qb::TDateTime GetDaytime() const = 0;
  virtual qbsw::TQbSwSwimStyle GetSwimStyle() const = 0;
  // The swim style's full text on the session's course ("100m Freestyle").
  virtual std::string GetSwimStyleText() const = 0;
  virtual std::shared_ptr<const IQbLenexTimeStandardRefs> GetTimeStandardRefs() const = 0;
  // The time standard lookup with an open age range and the event's gender; 0 when none.
  virtual std::int32_t GetTimeStandard(int course, int listType) const = 0;
};

using IQbLenexEvents = TQbItemCollectionNew<IQbLenexEvent>;

}  // namespace lnx
