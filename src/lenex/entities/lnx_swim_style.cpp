#include "lenex/entities/lnx_swim_style.h"

namespace lnx {

qbsw::TQbSwSwimStyle SwimStyleOf(const IQbXmlElement& s) {
  return qbsw::TQbSwSwimStyle::FromAttributes(s.GetAsInteger("distance"), s.GetAsInteger("relaycount"),
                                              s.GetAttribute("stroke"), s.GetAttribute("technique"),
                                              s.GetAttribute("code"), s.GetAttribute("name"), s.GetId());
}

bool SameSwimStyle(const IQbXmlElement& a, const IQbXmlElement& b) {
  if (a.GetAsInteger("distance") != b.GetAsInteger("distance")) return false;
  if (a.GetAsInteger("relaycount") != b.GetAsInteger("relaycount")) return false;
  std::string stroke = a.GetAttribute("stroke");
  if (stroke != b.GetAttribute("stroke")) return false;
  if (a.GetAttribute("technique") != b.GetAttribute("technique")) return false;
  return stroke != "UNKNOWN" || a.GetId() == b.GetId();
}

}  // namespace lnx
