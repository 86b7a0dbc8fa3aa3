// Time standard lists, their time standards and the events' references to them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "lenex/model/qb_lenex_fee_intf.h"
#include "lenex/qb_item_collection.h"
#include "swim/qbsw_age_range.h"
#include "swim/qbsw_swim_style.h"

namespace lnx {

class IQbLenexTimeStandard {
 public:
  virtual ~IQbLenexTimeStandard() = default;
  virtual std::int32_t GetSwimTime() const = 0;
  virtual qbsw::TQbSwSwimStyle GetSwimStyle() const = 0;
};

using IQbLenexTimeStandards = TQbItemCollectionNew<IQbLenexTimeStandard>;

class IQbLenexTimeStandardList {
 public:
  virtual ~IQbLenexTimeStandardList() = default;
  virtual int GetReserved() const = 0;  // always 0
  // From its AGEGROUP "agemin" and "agemax"; open when it has none.
  virtual qbsw::TQbSwAgeRange GetRange() const = 0;
  virtual std::string GetCode() const = 0;
  // The code, and for every type but LEVEL " - " and the name.
  virtual std::string GetText() const = 0;
  virtual int GetCourse() const = 0;
  virtual int GetGender() const = 0;
  virtual int GetId() const = 0;
  virtual std::string GetName() const = 0;
  virtual std::shared_ptr<const IQbLenexTimeStandards> GetTimeStandards() const = 0;
  // Time standard list type code: 0 MAXIMUM, 1 MINIMUM, 2 DEFAULT, 3 LEVEL.
  virtual int GetType() const = 0;
};

using IQbLenexTimeStandardLists = TQbItemCollectionNew<IQbLenexTimeStandardList>;

class IQbLenexTimeStandardRef {
 public:
  virtual ~IQbLenexTimeStandardRef() = default;
  // The document's time standard list whose id equals "timestandardlistid", or none.
  virtual std::shared_ptr<const IQbLenexTimeStandardList> GetList() const = 0;
  virtual std::shared_ptr<const IQbLenexFee> GetFee() const = 0;
  virtual std::string GetMarker() const = 0;
};

using IQbLenexTimeStandardRefs = TQbItemCollectionNew<IQbLenexTimeStandardRef>;

}  // namespace lnx
