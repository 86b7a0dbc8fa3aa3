// Events and event collections.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_event_intf.h"

namespace lnx {

class TLnxEvent final : public TLnxManagedObject, public IQbLenexEvent {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::shared_ptr<const IQbLenexAgeGroups> GetAgeGroups() const override;
  std::string GetDistanceText() const override;
  std::shared_ptr<const IQbLenexEntries> GetEntries(int sortOrder,
                                                    const std::shared_ptr<const IQbLenexClub>& club) const override;
  std::string GetTitle() const override;
  std::shared_ptr<const IQbLenexFee> GetFee() const override;
  int GetGender() const override;
  std::string GetGenderName() const override;
  std::shared_ptr<const IQbLenexHeats> GetHeats() const override;
  int GetId() const override { return Int("eventid"); }
  int GetMaxEntries() const override;
  int GetNumber() const override { return Int("number"); }
  std::string GetNumberText() const override;
  std::shared_ptr<const IQbLenexEvent> GetPreviousEvent() const override;
  int GetOrder() const override { return Int("order"); }
  std::string GetSortKey() const override;
  std::shared_ptr<const IQbLenexResults> GetResults() const override;
  int GetRound() const override;
  std::string GetRoundName() const override;
  std::shared_ptr<const IQbLenexSession> GetSession() const override;
  qb::TDateTime GetDaytime() const override { return Element().GetAsTime("daytime"); }
  qbsw::TQbSwSwimStyle GetSwimStyle() const override;
  std::string GetSwimStyleText() const override;
  std::shared_ptr<const IQbLenexTimeStandardRefs> GetTimeStandardRefs() const override;
  std::int32_t GetTimeStandard(int course, int listType) const override;

 private:
  int SessionCourse() const;
};

// The EVENT children of the given EVENTS containers in document order, those of the rounds in
// the set only (an empty set takes all), in one of the event sort orders.
std::shared_ptr<const IQbLenexEvents> BuildEvents(const TQbXmlElementList& eventsContainers, int sortOrder,
                                                  TQbRoundSet rounds, const TLnxIndexPtr& index);

// Whole minutes (rounded) of a time of day.
int DaytimeMinutes(qb::TDateTime daytime);

}  // namespace lnx
