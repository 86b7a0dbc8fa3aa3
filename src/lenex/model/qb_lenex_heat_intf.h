// Heats of an event.
#pragma once

#include <memory>
#include <string>

#include "base/date_time.h"
#include "lenex/qb_item_collection.h"

namespace lnx {

class IQbLenexAgeGroup;

class IQbLenexHeat {
 public:
  virtual ~IQbLenexHeat() = default;
  // The event's age group whose id equals the heat's "agegroupid", or none.
  virtual std::shared_ptr<const IQbLenexAgeGroup> GetAgeGroup() const = 0;
  virtual std::string GetFinal() const = 0;
  virtual int GetId() const = 0;
  virtual qb::TDateTime GetDaytime() const = 0;
  // -1 for "no heat".
  virtual int GetNumber() const = 0;
  virtual int GetOrder() const = 0;
  // Heat status code: 1 SEEDED, 2 INOFFICIAL, 3 OFFICIAL.
  virtual int GetStatus() const = 0;
};

constexpr int kNoHeatNumber = -1;

using IQbLenexHeats = TQbItemCollectionNew<IQbLenexHeat>;

}  // namespace lnx
