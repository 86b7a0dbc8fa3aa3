#include "lenex/entities/lnx_heat.h"

#include "base/qb_strings.h"
#include "lenex/entities/lnx_agegroup.h"
#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_event.h"
#include "lenex/qb_lenex_codes.h"

namespace lnx {

std::shared_ptr<const IQbLenexAgeGroup> TLnxHeat::GetAgeGroup() const {
  // A heat that names no age group belongs to none (an id of 0 would find groups without an id).
  TQbXmlElementPtr event = Up(2);
  if (!event || !Element().HasAttribute("agegroupid")) return nullptr;
  return Make<TLnxAgeGroup>(FindAgeGroupElement(*event, Int("agegroupid")));
}

int TLnxHeat::GetStatus() const { return LookupCode(TQbCodeTable::HeatStatus, Attr("status")); }

std::string HeatKey(const IQbXmlElement& heat) {
  return qb::Format("%.6d_%.4d_%.5d", heat.GetAsInteger("order"), DaytimeMinutes(heat.GetAsTime("daytime")),
                    heat.GetAsInteger("number"));
}

std::shared_ptr<const IQbLenexHeats> HeatsOf(const TQbXmlElementPtr& event, const TLnxIndexPtr& index) {
  TQbXmlElementList heats = ChildrenNamed(event->GetOrCreateChild("HEATS").get(), "HEAT");
  SortByKey(heats, [](const TQbXmlElementPtr& h) { return HeatKey(*h); });
  return WrapAll<IQbLenexHeat, TLnxHeat>(heats, index);
}

}  // namespace lnx
