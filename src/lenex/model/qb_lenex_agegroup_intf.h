// Age groups of an event (or of a time standard list) and their rankings.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "lenex/model/qb_lenex_entry_intf.h"
#include "lenex/qb_item_collection.h"
#include "swim/qbsw_age_range.h"

namespace lnx {

class IQbLenexRanking {
 public:
  virtual ~IQbLenexRanking() = default;
  // Position in the rankings, counting from 1.
  virtual int GetOrder() const = 0;
  // The result's place when in 1..32767, else 32767.
  virtual int GetPlace() const = 0;
  virtual std::shared_ptr<const IQbLenexResult> GetResult() const = 0;
  virtual int GetResultId() const = 0;
};

using IQbLenexRankings = TQbItemCollectionNew<IQbLenexRanking>;

// Display name modes of an age group.
enum : int { kAgeGroupNameOnly = 0, kAgeGroupNameWithGender = 1, kAgeGroupNameGenderWhenOther = 2 };

class IQbLenexAgeGroup {
 public:
  virtual ~IQbLenexAgeGroup() = default;
  // The short age group text for its range and gender.
  virtual std::string GetText() const = 0;
  virtual bool IsMasters() const = 0;
  // Own gender; else the event's; else the relay's; else 1.
  virtual int GetGender() const = 0;
  virtual std::string GetGenderName() const = 0;
  virtual int GetId() const = 0;
  // A group of relay age totals; only ever true in relay events.
  virtual bool IsTotal() const = 0;
  virtual qbsw::TQbSwAgeRange GetRange() const = 0;
  virtual std::string GetLevelMax() const = 0;
  virtual std::string GetLevelMin() const = 0;
  virtual std::string GetName() const = 0;
  virtual std::shared_ptr<const IQbLenexRankings> GetRankings() const = 0;
  // The event's results of this age group, in result order.
  virtual std::shared_ptr<const IQbLenexResults> GetResults() const = 0;
  // The name, else the long age group text; mode 1 adds ", " and the gender name, mode 2 adds it
  // only when the group's gender differs from its event's.
  virtual std::string GetDisplayName(int mode) const = 0;
  // The time standard lookup with this group's range and gender; 0 when there is none.
  virtual std::int32_t GetTimeStandard(int course, int listType) const = 0;
};

class IQbLenexAgeGroups : public TQbItemCollectionNew<IQbLenexAgeGroup> {
 public:
  // Smallest minimum and largest maximum; a side is unbounded as soon as one group's is (and
  // both are when there is no group).
  virtual qbsw::TQbSwAgeRange GetCombinedRange() const = 0;
  // Whether one of the groups is a total-age group.
  virtual bool IsTotalCombined() const = 0;
  // Empty, the one group's text, or the short text of the combined range and common gender.
  virtual std::string GetText() const = 0;
  virtual std::shared_ptr<const IQbLenexAgeGroup> GetFirst() const = 0;
  // Two or more groups, or one or none whose combined range is not open.
  virtual bool HasRealAgeGroups() const = 0;
  virtual bool HasAtMostOne() const = 0;
  // The gender all groups share, 0 when they differ or there is none.
  virtual int GetCommonGender() const = 0;
};

}  // namespace lnx
