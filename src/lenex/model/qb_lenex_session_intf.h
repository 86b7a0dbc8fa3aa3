// Sessions of a meet.
#pragma once

#include <memory>
#include <string>

#include "base/date_time.h"
#include "lenex/model/qb_lenex_event_intf.h"
#include "lenex/model/qb_lenex_participants_intf.h"
#include "lenex/qb_item_collection.h"

namespace lnx {

class IQbLenexSession {
 public:
  virtual ~IQbLenexSession() = default;
  // Own course (course parser), else the meet's.
  virtual int GetCourse() const = 0;
  virtual std::string GetCourseName() const = 0;
  virtual std::shared_ptr<const IQbLenexEvents> GetEvents(int sortOrder, TQbRoundSet rounds) const = 0;
  // Judges are not read: always an empty collection.
  virtual std::shared_ptr<const IQbLenexOfficials> GetJudges() const = 0;
  // Own pool lanes, the meet's when 0.
  virtual int GetLaneMin() const = 0;
  virtual int GetLaneMax() const = 0;
  virtual std::string GetName() const = 0;
  virtual int GetNumber() const = 0;
  virtual qb::TDateTime GetOfficialMeeting() const = 0;
  virtual qb::TDateTime GetDate() const = 0;
  // Date plus daytime.
  virtual qb::TDateTime GetStart() const = 0;
  virtual qb::TDateTime GetDaytime() const = 0;
  virtual qb::TDateTime GetTeamLeaderMeeting() const = 0;
  virtual qb::TDateTime GetWarmupFrom() const = 0;
  virtual qb::TDateTime GetWarmupUntil() const = 0;
};

// Sorted by session number.
using IQbLenexSessions = TQbItemCollectionNew<IQbLenexSession>;

}  // namespace lnx
