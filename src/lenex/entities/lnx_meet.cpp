#include "lenex/entities/lnx_meet.h"

#include "lenex/qb_lenex_codes.h"
#include "swim/qbsw_language.h"

namespace lnx {

int TLnxMeet::GetCourse() const { return LookupCode(TQbCodeTable::Course, Element().GetAttribute("course")); }

std::string TLnxMeet::GetCourseName() const { return qbsw::TQbSwLanguage::Instance().CourseName(GetCourse()); }

}  // namespace lnx
