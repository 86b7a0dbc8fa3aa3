#include "lenex/entities/lnx_agegroup.h"

#include <unordered_set>

#include "base/qb_strings.h"
#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_entry.h"
#include "lenex/entities/lnx_meet.h"
#include "lenex/entities/lnx_time_standard.h"
#include "swim/qbsw_language.h"

namespace lnx {

namespace {
const qbsw::TQbSwLanguage& Texts() { return qbsw::TQbSwLanguage::Instance(); }
}  // namespace

TQbXmlElementPtr FindAgeGroupElement(const IQbXmlElement& event, int ageGroupId) {
  for (const auto& g : ChildrenNamed(event.FindChild(AtomOf("AGEGROUPS")), "AGEGROUP"))
    if (g->GetAsInteger("agegroupid") == ageGroupId) return g;
  return nullptr;
}

TQbXmlElementPtr TLnxAgeGroup::Event() const {
  TQbXmlElementPtr event = Up(2);
  return event && event->GetName() == "EVENT" ? event : nullptr;
}

std::string TLnxAgeGroup::GetText() const { return Texts().ShortAgeGroupText(GetRange(), GetGender(), 0); }

bool TLnxAgeGroup::IsMasters() const { return qb::EqualsNoCaseAscii(Attr("type"), "MASTERS"); }

int TLnxAgeGroup::GetGender() const {
  int own = Texts().GenderFromText(Attr("gender"));
  if (own != 0) return own;
  if (TQbXmlElementPtr event = Event()) return Texts().GenderFromText(event->GetAttribute("gender"));
  TQbXmlElementPtr parent = Up(1);
  if (parent && parent->GetName() == "RELAY") return Texts().GenderFromText(parent->GetAttribute("gender"));
  return qbsw::kGenderMale;
}

std::string TLnxAgeGroup::GetGenderName() const { return Texts().GenderName(GetGender()); }

bool TLnxAgeGroup::IsTotal() const {
  TQbXmlElementPtr event = Event();
  if (!event) return false;
  const IQbXmlElement* style = event->FindChild(AtomOf("SWIMSTYLE"));
  int relayCount = style ? style->GetAsInteger("relaycount") : 0;
  if (relayCount < 2 || relayCount > 254) return false;
  return qb::EqualsNoCaseAscii(Attr("calculate"), "TOTAL") || qb::EqualsNoCaseAscii(Attr("type"), "TOTAL");
}

qbsw::TQbSwAgeRange TLnxAgeGroup::GetRange() const { return qbsw::TQbSwAgeRange(Int("agemin"), Int("agemax")); }

std::shared_ptr<const IQbLenexRankings> TLnxAgeGroup::GetRankings() const { return RankingsOf(*GetResults()); }

std::shared_ptr<const IQbLenexResults> TLnxAgeGroup::GetResults() const {
  TQbXmlElementPtr event = Event();
  TQbXmlElementPtr meet = Ancestor("MEET");
  if (!event || !meet) return std::make_shared<IQbLenexResults>();
  int id = GetId(), eventId = event->GetAsInteger("eventid");
  TQbXmlElementPtr found = FindEventElement(*meet, eventId, Index());
  TQbXmlElementList results = ResultsOfEvent(*meet, eventId, &id, Index());
  if (results.empty()) results = RankedResultsOfEvent(*meet, eventId);
  return ResultsInResultOrder(results, Index(), found == event ? event : nullptr);
}

// LENEX 3 results carry no "agegroupid": an age group names its results in its RANKINGS instead.
// Without this every age group of such a file would list nothing.
TQbXmlElementList TLnxAgeGroup::RankedResultsOfEvent(const IQbXmlElement& meet, int eventId) const {
  static const TQbAtom kRankings = AtomOf("RANKINGS"), kRanking = AtomOf("RANKING"), kResultId = AtomOf("resultid");
  std::unordered_set<int> ranked;
  if (const IQbXmlElement* rankings = Element().FindChild(kRankings))
    for (const auto& r : rankings->Children())
      if (r->NameIs(kRanking) && r->HasAttribute(kResultId)) ranked.insert(r->GetAsInteger(kResultId));
  TQbXmlElementList results;
  if (ranked.empty()) return results;
  for (auto& result : ResultsOfEvent(meet, eventId, nullptr, Index()))
    if (result->HasAttribute(kResultId) && ranked.count(result->GetAsInteger(kResultId))) results.push_back(result);
  return results;
}

std::string TLnxAgeGroup::GetDisplayName(int mode) const {
  std::string name = GetName();
  int gender = GetGender();
  if (name.empty()) name = Texts().LongAgeGroupText(GetRange(), gender, 0);
  bool withGender = mode == kAgeGroupNameWithGender;
  if (mode == kAgeGroupNameGenderWhenOther) {
    TQbXmlElementPtr event = Event();
    withGender = gender != (event ? Texts().GenderFromText(event->GetAttribute("gender")) : 0);
  }
  if (withGender) name += ", " + Texts().GenderName(gender);
  return name;
}

std::int32_t TLnxAgeGroup::GetTimeStandard(int course, int listType) const {
  TQbXmlElementPtr event = Event();
  if (!event) return 0;
  return LookupTimeStandard(Ancestor("LENEX").get(), course, listType, GetRange(), GetGender(),
                            *event->GetOrCreateChild("SWIMSTYLE"));
}

TLnxAgeGroups::TLnxAgeGroups(std::vector<Item> items) {
  items_ = std::move(items);
  if (items_.empty()) {
    combined_ = qbsw::TQbSwAgeRange(0, 0);  // open
    return;
  }
  commonGender_ = items_.front()->GetGender();
  for (const auto& g : items_) {
    combined_.Extend(g->GetRange());
    if (g->GetGender() != commonGender_) commonGender_ = 0;
    if (g->IsTotal()) totalCombined_ = true;
  }
}

std::string TLnxAgeGroups::GetText() const {
  if (items_.empty()) return {};
  if (items_.size() == 1) return items_.front()->GetText();
  return Texts().ShortAgeGroupText(combined_, commonGender_, 0);
}

int TLnxRanking::GetPlace() const {
  int place = result_->GetPlace();
  return place >= 1 && place <= kNoPlace ? place : kNoPlace;
}

std::shared_ptr<const IQbLenexRankings> RankingsOf(const IQbLenexResults& results) {
  auto rankings = std::make_shared<IQbLenexRankings>();
  int order = 0;
  for (const auto& r : results) rankings->Add(std::make_shared<TLnxRanking>(++order, r));
  return rankings;
}

}  // namespace lnx
