// Heats of an event, and a heat known only by its number.
#pragma once

#include "lenex/entities/lnx_managed_object.h"
#include "lenex/model/qb_lenex_heat_intf.h"

namespace lnx {

class TLnxHeat final : public TLnxManagedObject, public IQbLenexHeat {
 public:
  using TLnxManagedObject::TLnxManagedObject;
  std::shared_ptr<const IQbLenexAgeGroup> GetAgeGroup() const override;
  std::string GetFinal() const override { return Attr("final"); }
  int GetId() const override { return Int("heatid"); }
  qb::TDateTime GetDaytime() const override { return Element().GetAsTime("daytime"); }
  int GetNumber() const override { return Int("number"); }
  int GetOrder() const override { return Int("order"); }
  int GetStatus() const override;
};

// An entry that names no HEAT element: its "heat" number (or -1 for none), neutral otherwise.
class TLnxHeatNumber final : public IQbLenexHeat {
 public:
  explicit TLnxHeatNumber(int number) : number_(number) {}
  std::shared_ptr<const IQbLenexAgeGroup> GetAgeGroup() const override { return nullptr; }
  std::string GetFinal() const override { return {}; }
  int GetId() const override { return 0; }
  qb::TDateTime GetDaytime() const override { return 0; }
  int GetNumber() const override { return number_; }
  int GetOrder() const override { return 0; }
  int GetStatus() const override { return 0; }

 private:
  int number_;
};

// "%.6d_%.4d_%.5d" of order, daytime in whole minutes and number.
std::string HeatKey(const IQbXmlElement& heat);
// The HEAT children of an event's HEATS, sorted by the heat key.
std::shared_ptr<const IQbLenexHeats> HeatsOf(const TQbXmlElementPtr& event, const TLnxIndexPtr& index);

}  // namespace lnx
