// Sessions of a meet.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_session_intf.h"

namespace lnx {

class TLnxSession final : public TLnxManagedObject, public IQbLenexSession {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  int GetCourse() const override;
  std::string GetCourseName() const override;
  std::shared_ptr<const IQbLenexEvents> GetEvents(int sortOrder, TQbRoundSet rounds) const override;
  std::shared_ptr<const IQbLenexOfficials> GetJudges() const override;
  int GetLaneMin() const override { return Lane("lanemin"); }
  int GetLaneMax() const override { return Lane("lanemax"); }
  std::string GetName() const override { return Attr("name"); }
  int GetNumber() const override { return Int("number"); }
  qb::TDateTime GetOfficialMeeting() const override { return Element().GetAsTime("officialmeeting"); }
  qb::TDateTime GetDate() const override { return Element().GetAsDate("date"); }
  qb::TDateTime GetStart() const override { return GetDate() + GetDaytime(); }
  qb::TDateTime GetDaytime() const override { return Element().GetAsTime("daytime"); }
  qb::TDateTime GetTeamLeaderMeeting() const override { return Element().GetAsTime("teamleadermeeting"); }
  qb::TDateTime GetWarmupFrom() const override { return Element().GetAsTime("warmupfrom"); }
  qb::TDateTime GetWarmupUntil() const override { return Element().GetAsTime("warmupuntil"); }

 private:
  int Lane(std::string_view name) const;
};

// The SESSION children of a meet's SESSIONS, sorted by number (equal numbers in document order).
std::shared_ptr<const IQbLenexSessions> SessionsOf(const TQbXmlElementPtr& meet, const TLnxIndexPtr& index);

}  // namespace lnx
