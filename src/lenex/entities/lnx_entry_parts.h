// Parts of entries and results: meet infos, split times and relay positions.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_entry_intf.h"

namespace lnx {

class TLnxMeetInfo final : public TLnxManagedObject, public IQbLenexMeetInfo {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetApproved() const override { return Attr("approved"); }
  int GetCourse() const override;
  std::string GetCity() const override { return Attr("city"); }
  std::string GetCityAndNation() const override;
  qb::TDateTime GetDate() const override { return Element().GetAsDate("date"); }
  std::string GetDateText() const override;
  std::string GetName() const override { return Attr("name"); }
  std::string GetNation() const override;
  std::int32_t GetQualificationTime() const override;
};

class TLnxSplit final : public TLnxManagedObject, public IQbLenexSplit {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  int GetDistance() const override { return Int("distance"); }
  std::int32_t GetSwimTime() const override { return Element().GetAsSwimTime("swimtime"); }
  std::string GetSwimTimeText() const override;
};

// Splits sorted by distance; split and lap times computed from the items' interfaces.
class TLnxSplits final : public IQbLenexSplits {
 public:
  explicit TLnxSplits(std::vector<Item> items);
  std::int32_t GetSplitTime(int distance) const override;
  std::int32_t GetLapTime(int from, int to) const override;
  std::string GetSplitTimeText(int distance) const override;
  std::string GetLapTimeText(int from, int to) const override;

 private:
  const IQbLenexSplit* At(int distance) const;
};

class TLnxPosition final : public TLnxManagedObject, public IQbLenexPosition {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::shared_ptr<const IQbLenexAthlete> GetAthlete() const override;
  int GetAthleteId() const override { return Int("athleteid"); }
  std::shared_ptr<const IQbLenexMeetInfo> GetMeetInfo() const override;
  int GetNumber() const override { return Int("number"); }
  int GetReactionTime() const override { return Element().GetAsIntegerOrNone("reactiontime"); }
  int GetStatus() const override;
  // Replaces the MEETINFO child by the given element.
  void ReplaceMeetInfo(const TQbXmlElementPtr& meetInfo) const;
};

// Removes the element's MEETINFO children and appends the given one.
void ReplaceMeetInfoOf(IQbXmlElement& element, const TQbXmlElementPtr& meetInfo);
// The RELAYPOSITION children of the element's RELAYPOSITIONS, sorted by number.
std::shared_ptr<const IQbLenexPositions> PositionsOf(const IQbXmlElement& element, const TLnxIndexPtr& index);

}  // namespace lnx
