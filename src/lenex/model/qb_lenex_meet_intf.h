// Meets of a document. The first operations form the general meet interface that every meet
// source offers; the LENEX meet adds the rest.
#pragma once

#include <memory>
#include <string>

#include "base/date_time.h"
#include "lenex/model/qb_lenex_date_range.h"
#include "lenex/model/qb_lenex_event_intf.h"
#include "lenex/model/qb_lenex_fee_intf.h"
#include "lenex/model/qb_lenex_participants_intf.h"
#include "lenex/model/qb_lenex_session_intf.h"
#include "lenex/qb_item_collection.h"
#include "swim/qbsw_fina_id.h"

namespace lnx {

class IQbMeet {
 public:
  virtual ~IQbMeet() = default;
  virtual std::string GetNation() const = 0;
  virtual std::string GetCity() const = 0;
  virtual int GetCourse() const = 0;
  // From the earliest to the latest session date; from 73050 to 0 without sessions.
  virtual TQbLenexDateRange GetDateRange() const = 0;
  virtual qbsw::TQbSwFinaId GetFinaId() const = 0;
  virtual std::string GetName() const = 0;
};

// Sort orders of a meet's clubs; any other number keeps document order.
enum : int { kClubsByName = 1, kClubsByStatsKey = 2 };

// Fee type codes of a meet's fees.
enum : int { kFeeClub = 0, kFeeAthlete = 1, kFeeRelay = 2, kFeeTeam = 3 };

class IQbLenexMeet : public IQbMeet {
 public:
  virtual void SetNation(const std::string& nation) = 0;
  virtual int GetAgeDateType() const = 0;
  // AGEDATE "value"; else the date of the last session by number; else the current date and time.
  virtual qb::TDateTime GetAgeDate() const = 0;
  // The first athlete, over all clubs in document order, with this "athleteid"; none otherwise.
  virtual std::shared_ptr<const IQbLenexAthlete> FindAthlete(int athleteId) const = 0;
  virtual std::string GetCityEn() const = 0;
  // "%s  (%s)" of city and nation, the city alone without a nation.
  virtual std::string GetCityAndNation() const = 0;
  virtual std::shared_ptr<const IQbLenexClubs> GetClubs(int sortOrder) const = 0;
  virtual std::shared_ptr<const IQbLenexContact> GetContact() const = 0;
  virtual std::string GetCourseName() const = 0;
  virtual qb::TDateTime GetDeadline() const = 0;
  // The first event, over all sessions in document order, with this "eventid"; none otherwise.
  virtual std::shared_ptr<const IQbLenexEvent> FindEvent(int eventId) const = 0;
  virtual std::shared_ptr<const IQbLenexEvents> GetEvents(int sortOrder, TQbRoundSet rounds) const = 0;
  virtual std::shared_ptr<const IQbLenexFee> GetFee(int feeType) const = 0;
  virtual int GetLaneMin() const = 0;
  virtual int GetLaneMax() const = 0;
  virtual std::string GetNameEn() const = 0;
  virtual std::string GetNumber() const = 0;
  virtual std::string GetOrganizer() const = 0;
  virtual std::shared_ptr<const IQbLenexPointTable> GetPointTable() const = 0;
  virtual std::string GetPoolName() const = 0;
  virtual std::string GetPromoter() const = 0;
  // "y" on a course of yards, else "m".
  virtual std::string GetCourseUnit() const = 0;
  virtual int GetQualifyConversion() const = 0;
  virtual TQbLenexDateRange GetQualifyPeriod() const = 0;
  virtual int GetQualifyRelayMode() const = 0;
  virtual std::shared_ptr<const IQbLenexSessions> GetSessions() const = 0;
  virtual std::string GetState() const = 0;
  virtual int GetTiming() const = 0;
  virtual int GetMeetType() const = 0;
};

using IQbLenexMeets = TQbItemCollectionNew<IQbLenexMeet>;

}  // namespace lnx
