#include "lenex/entities/lnx_time_standard.h"

#include "base/qb_strings.h"
#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_fee.h"
#include "lenex/entities/lnx_swim_style.h"
#include "lenex/qb_lenex_codes.h"
#include "swim/qbsw_language.h"

namespace lnx {

qbsw::TQbSwSwimStyle TLnxTimeStandard::GetSwimStyle() const { return SwimStyleOf(*Container("SWIMSTYLE")); }

qbsw::TQbSwAgeRange TimeStandardListRange(const IQbXmlElement& list) {
  const IQbXmlElement* group = list.FindChild(AtomOf("AGEGROUP"));
  return group ? qbsw::TQbSwAgeRange(group->GetAsInteger("agemin"), group->GetAsInteger("agemax"))
               : qbsw::TQbSwAgeRange(0, 0);
}

qbsw::TQbSwAgeRange TLnxTimeStandardList::GetRange() const { return TimeStandardListRange(Element()); }

std::string TLnxTimeStandardList::GetText() const {
  std::string text = GetCode();
  if (GetType() != 3) text += " - " + GetName();  // LEVEL lists are known by their code
  return text;
}

int TLnxTimeStandardList::GetCourse() const { return qbsw::TQbSwLanguage::Instance().CourseFromText(Attr("course")); }

int TLnxTimeStandardList::GetGender() const { return qbsw::TQbSwLanguage::Instance().GenderFromText(Attr("gender")); }

std::shared_ptr<const IQbLenexTimeStandards> TLnxTimeStandardList::GetTimeStandards() const {
  return WrapChildren<IQbLenexTimeStandard, TLnxTimeStandard>(Container("TIMESTANDARDS"), "TIMESTANDARD", Index());
}

int TLnxTimeStandardList::GetType() const {
  auto entries = CodeTableEntries(TQbCodeTable::TimeStandardListType);
  std::string type = Attr("type");
  for (int i = static_cast<int>(entries.size()) - 1; i >= 0; --i)
    if (entries[static_cast<size_t>(i)] == type) return i;
  return 0;
}

std::shared_ptr<const IQbLenexTimeStandardList> TLnxTimeStandardRef::GetList() const {
  TQbXmlElementPtr root = Ancestor("LENEX");
  const IQbXmlElement* lists = root ? root->FindChild(AtomOf("TIMESTANDARDLISTS")) : nullptr;
  int id = Int("timestandardlistid");
  for (const auto& list : ChildrenNamed(lists, "TIMESTANDARDLIST"))
    if (list->GetAsInteger("timestandardlistid") == id) return Make<TLnxTimeStandardList>(list);
  return nullptr;
}

std::shared_ptr<const IQbLenexFee> TLnxTimeStandardRef::GetFee() const { return Make<TLnxFee>(Container("FEE")); }

std::int32_t LookupTimeStandard(const IQbXmlElement* lenexRoot, int course, int listType,
                                const qbsw::TQbSwAgeRange& range, int gender, const IQbXmlElement& swimStyle) {
  if (!lenexRoot) return 0;
  std::string_view courseText = CodeText(TQbCodeTable::Course, course);
  std::string_view genderText = CodeText(TQbCodeTable::Gender, gender);
  std::string_view typeText = CodeText(TQbCodeTable::TimeStandardListType, listType);
  for (const auto& list : ChildrenNamed(lenexRoot->FindChild(AtomOf("TIMESTANDARDLISTS")), "TIMESTANDARDLIST")) {
    if (!qb::EqualsNoCaseAscii(list->GetAttribute("course"), courseText)) continue;
    if (!qb::EqualsNoCaseAscii(list->GetAttribute("gender"), genderText)) continue;
    std::string type = list->GetAttribute("type");
    if (!qb::EqualsNoCaseAscii(type, typeText) && !(listType == 0 && type.empty())) continue;
    if (!TimeStandardListRange(*list).Equals(range)) continue;
    for (const auto& standard : ChildrenNamed(list->FindChild(AtomOf("TIMESTANDARDS")), "TIMESTANDARD")) {
      const IQbXmlElement* style = standard->FindChild(AtomOf("SWIMSTYLE"));
      if (style && SameSwimStyle(*style, swimStyle)) return standard->GetAsSwimTime("swimtime");
    }
    return 0;
  }
  return 0;
}

}  // namespace lnx
