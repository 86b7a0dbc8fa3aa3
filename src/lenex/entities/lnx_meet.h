// Meets of a document.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_meet_intf.h"

namespace lnx {

class TLnxMeet final : public TLnxManagedObject, public IQbLenexMeet {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetNation() const override;
  std::string GetCity() const override { return Attr("city"); }
  int GetCourse() const override;
  TQbLenexDateRange GetDateRange() const override;
  qbsw::TQbSwFinaId GetFinaId() const override { return Element().GetAsFinaId("finaid"); }
  std::string GetName() const override { return Attr("name"); }
  void SetNation(const std::string& nation) override { Element().SetAttribute("nation", nation); }
  int GetAgeDateType() const override;
  qb::TDateTime GetAgeDate() const override;
  std::shared_ptr<const IQbLenexAthlete> FindAthlete(int athleteId) const override;
  std::string GetCityEn() const override;
  std::string GetCityAndNation() const override;
  std::shared_ptr<const IQbLenexClubs> GetClubs(int sortOrder) const override;
  std::shared_ptr<const IQbLenexContact> GetContact() const override;
  std::string GetCourseName() const override;
  qb::TDateTime GetDeadline() const override { return Element().GetAsDate("deadline"); }
  std::shared_ptr<const IQbLenexEvent> FindEvent(int eventId) const override;
  std::shared_ptr<const IQbLenexEvents> GetEvents(int sortOrder, TQbRoundSet rounds) const override;
  std::shared_ptr<const IQbLenexFee> GetFee(int feeType) const override;
  int GetLaneMin() const override { return Container("POOL")->GetAsInteger("lanemin"); }
  int GetLaneMax() const override { return Container("POOL")->GetAsInteger("lanemax"); }
  std::string GetNameEn() const override;
  std::string GetNumber() const override { return Attr("number"); }
  std::string GetOrganizer() const override { return Attr("organizer"); }
  std::shared_ptr<const IQbLenexPointTable> GetPointTable() const override;
  std::string GetPoolName() const override { return Container("POOL")->GetAttribute("name"); }
  std::string GetPromoter() const override { return Attr("promoter"); }
  std::string GetCourseUnit() const override;
  int GetQualifyConversion() const override;
  TQbLenexDateRange GetQualifyPeriod() const override;
  int GetQualifyRelayMode() const override;
  std::shared_ptr<const IQbLenexSessions> GetSessions() const override;
  std::string GetState() const override { return Attr("state"); }
  int GetTiming() const override;
  int GetMeetType() const override;
};

// The meet's first EVENT / ATHLETE with this id in document order, through the document's index
// when there is one.
TQbXmlElementPtr FindEventElement(const IQbXmlElement& meet, int eventId, const TLnxIndexPtr& index);
TQbXmlElementPtr FindAthleteElement(const IQbXmlElement& meet, int athleteId, const TLnxIndexPtr& index);

}  // namespace lnx
