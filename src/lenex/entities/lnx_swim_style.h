// Swim styles read from SWIMSTYLE elements.
#pragma once

#include "lenex/model/qb_xml_element_intf.h"
#include "swim/qbsw_swim_style.h"

namespace lnx {

// Distance and relay count as integers, stroke through the stroke parser, technique by its
// exchange code, code, name and the element's id.
qbsw::TQbSwSwimStyle SwimStyleOf(const IQbXmlElement& swimStyle);

// Two SWIMSTYLE elements describe the same swim style when distance, relay count, stroke and
// technique are equal and, for the stroke "UNKNOWN", their ids too.
bool SameSwimStyle(const IQbXmlElement& a, const IQbXmlElement& b);

}  // namespace lnx
