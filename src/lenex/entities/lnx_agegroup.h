// Age groups of an event (or of a time standard list), their collection and their rankings.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_agegroup_intf.h"

namespace lnx {

class TLnxAgeGroup final : public TLnxManagedObject, public IQbLenexAgeGroup {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::string GetText() const override;
  bool IsMasters() const override;
  int GetGender() const override;
  std::string GetGenderName() const override;
  int GetId() const override { return Int("agegroupid"); }
  bool IsTotal() const override;
  qbsw::TQbSwAgeRange GetRange() const override;
  std::string GetLevelMax() const override { return Attr("levelmax"); }
  std::string GetLevelMin() const override { return Attr("levelmin"); }
  std::string GetName() const override { return Attr("name"); }
  std::shared_ptr<const IQbLenexRankings> GetRankings() const override;
  std::shared_ptr<const IQbLenexResults> GetResults() const override;
  std::string GetDisplayName(int mode) const override;
  std::int32_t GetTimeStandard(int course, int listType) const override;

 private:
  TQbXmlElementPtr Event() const;  // the EVENT two levels up, or none
 private:
  TQbXmlElementList RankedResultsOfEvent(const IQbXmlElement& meet, int eventId) const;
};

// The age group collection; its combined values are computed once, from the items' interfaces.
class TLnxAgeGroups final : public IQbLenexAgeGroups {
 public:
  explicit TLnxAgeGroups(std::vector<Item> items);
  qbsw::TQbSwAgeRange GetCombinedRange() const override { return combined_; }
  bool IsTotalCombined() const override { return totalCombined_; }
  std::string GetText() const override;
  std::shared_ptr<const IQbLenexAgeGroup> GetFirst() const override { return GetItem(0); }
  bool HasRealAgeGroups() const override { return GetCount() >= 2 || !combined_.IsOpen(); }
  bool HasAtMostOne() const override { return GetCount() < 2; }
  int GetCommonGender() const override { return commonGender_; }

 private:
  qbsw::TQbSwAgeRange combined_;
  bool totalCombined_ = false;
  int commonGender_ = 0;
};

// One ranking: the n-th result (from 1) of an age group's results.
class TLnxRanking final : public IQbLenexRanking {
 public:
  TLnxRanking(int order, std::shared_ptr<const IQbLenexResult> result) : order_(order), result_(std::move(result)) {}
  int GetOrder() const override { return order_; }
  int GetPlace() const override;
  std::shared_ptr<const IQbLenexResult> GetResult() const override { return result_; }
  int GetResultId() const override { return result_->GetId(); }

 private:
  int order_;
  std::shared_ptr<const IQbLenexResult> result_;
};

// Rankings over results in their order.
std::shared_ptr<const IQbLenexRankings> RankingsOf(const IQbLenexResults& results);

// The AGEGROUP of an event's AGEGROUPS with this id, or none.
TQbXmlElementPtr FindAgeGroupElement(const IQbXmlElement& event, int ageGroupId);

}  // namespace lnx
