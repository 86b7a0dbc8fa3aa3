#include "lenex/entities/lnx_event.h"

#include <cmath>
#include <tuple>

#include "base/qb_strings.h"
#include "lenex/entities/lnx_agegroup.h"
#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_document_index.h"
#include "lenex/entities/lnx_entry.h"
#include "lenex/entities/lnx_fee.h"
#include "lenex/entities/lnx_heat.h"
#include "lenex/entities/lnx_meet.h"
#include "lenex/entities/lnx_session.h"
#include "lenex/entities/lnx_swim_style.h"
#include "lenex/entities/lnx_time_standard.h"
#include "swim/qbsw_language.h"

namespace lnx {

int DaytimeMinutes(qb::TDateTime daytime) { return static_cast<int>(std::lround(daytime * 24 * 60)); }

std::shared_ptr<const IQbLenexAgeGroups> TLnxEvent::GetAgeGroups() const {
  std::vector<TLnxAgeGroups::Item> groups;
  for (const auto& g : ChildrenNamed(Container("AGEGROUPS").get(), "AGEGROUP")) groups.push_back(Make<TLnxAgeGroup>(g));
  return std::make_shared<TLnxAgeGroups>(std::move(groups));
}

int TLnxEvent::SessionCourse() const {
  auto session = GetSession();
  return session ? session->GetCourse() : 0;
}

std::string TLnxEvent::GetDistanceText() const { return GetSwimStyle().GetDistanceText(SessionCourse()); }

std::shared_ptr<const IQbLenexEntries> TLnxEvent::GetEntries(int sortOrder,
                                                             const std::shared_ptr<const IQbLenexClub>& club) const {
  std::vector<std::shared_ptr<const IQbLenexEntry>> entries;
  TQbXmlElementPtr meet = Ancestor("MEET");
  TQbXmlElementPtr clubElement;
  if (club) {
    // A club of another document model has no element here and so no entries in this event.
    auto* of = dynamic_cast<const IQbElementOf*>(club.get());
    clubElement = of ? of->GetElementOf() : nullptr;
  }
  if (meet && (!club || clubElement)) {
    for (const auto& e : CollectEventItems(*meet, clubElement.get(), false, GetId(), nullptr))
      entries.push_back(Make<TLnxEntry>(e));
  }
  SortEntries(entries, sortOrder);
  return std::make_shared<IQbLenexEntries>(std::move(entries));
}

std::string TLnxEvent::GetTitle() const {
  return qb::Format("%d. %s, %s", GetNumber(), GetSwimStyleText().c_str(), GetGenderName().c_str());
}

std::shared_ptr<const IQbLenexFee> TLnxEvent::GetFee() const { return Make<TLnxFee>(Container("FEE")); }

int TLnxEvent::GetGender() const { return qbsw::TQbSwLanguage::Instance().GenderFromText(Attr("gender")); }

std::string TLnxEvent::GetGenderName() const { return qbsw::TQbSwLanguage::Instance().GenderName(GetGender()); }

std::shared_ptr<const IQbLenexHeats> TLnxEvent::GetHeats() const { return HeatsOf(element_, Index()); }

int TLnxEvent::GetMaxEntries() const {
  int max = Int("maxentries");
  return max > 0 ? max : 32767;
}

std::string TLnxEvent::GetNumberText() const { return qb::Format("%d.", GetNumber()); }

std::shared_ptr<const IQbLenexEvent> TLnxEvent::GetPreviousEvent() const {
  // An event that names no previous event has none (an id of 0 would find events without an id).
  TQbXmlElementPtr meet = Ancestor("MEET");
  if (!meet || !Element().HasAttribute("preveventid")) return nullptr;
  return Make<TLnxEvent>(FindEventElement(*meet, Int("preveventid"), Index()));
}

std::string TLnxEvent::GetSortKey() const {
  return qb::Format("%.6d_%.4d_%.5d_%.3d", GetOrder(), DaytimeMinutes(GetDaytime()), GetNumber(), GetRound());
}

std::shared_ptr<const IQbLenexResults> TLnxEvent::GetResults() const {
  TQbXmlElementPtr meet = Ancestor("MEET");
  if (!meet) return std::make_shared<IQbLenexResults>();
  // The results name this event only when the meet finds this event by their "eventid".
  int id = GetId();
  TQbXmlElementPtr found = FindEventElement(*meet, id, Index());
  return ResultsInResultOrder(ResultsOfEvent(*meet, id, nullptr, Index()), Index(),
                              found == element_ ? element_ : nullptr);
}

int TLnxEvent::GetRound() const {
  int round = qbsw::TQbSwLanguage::Instance().RoundFromText(Attr("round"));
  return round != 0 ? round : qbsw::kRoundTim;
}

std::string TLnxEvent::GetRoundName() const { return qbsw::TQbSwLanguage::Instance().RoundName(GetRound()); }

std::shared_ptr<const IQbLenexSession> TLnxEvent::GetSession() const {
  TQbXmlElementPtr session = Up(2);
  return session && session->GetName() == "SESSION" ? Make<TLnxSession>(session) : nullptr;
}

qbsw::TQbSwSwimStyle TLnxEvent::GetSwimStyle() const { return SwimStyleOf(*Container("SWIMSTYLE")); }

std::string TLnxEvent::GetSwimStyleText() const { return GetSwimStyle().GetFullText(SessionCourse()); }

std::shared_ptr<const IQbLenexTimeStandardRefs> TLnxEvent::GetTimeStandardRefs() const {
  return WrapChildren<IQbLenexTimeStandardRef, TLnxTimeStandardRef>(Container("TIMESTANDARDREFS"), "TIMESTANDARDREF",
                                                                    Index());
}

std::int32_t TLnxEvent::GetTimeStandard(int course, int listType) const {
  return LookupTimeStandard(Ancestor("LENEX").get(), course, listType, qbsw::TQbSwAgeRange(0, 0), GetGender(),
                            *Container("SWIMSTYLE"));
}

std::shared_ptr<const IQbLenexEvents> BuildEvents(const TQbXmlElementList& eventsContainers, int sortOrder,
                                                  TQbRoundSet rounds, const TLnxIndexPtr& index) {
  std::vector<std::shared_ptr<const IQbLenexEvent>> events;
  for (const auto& container : eventsContainers)
    for (const auto& e : ChildrenNamed(container.get(), "EVENT")) {
      auto event = std::make_shared<TLnxEvent>(e, index);
      if (RoundSetAccepts(rounds, event->GetRound())) events.push_back(std::move(event));
    }
  switch (sortOrder) {
    case kEventsByNumber:
      SortByKey(events, [](const auto& e) { return e->GetNumber(); });
      break;
    case kEventsBySwimStyle:
      // Equal swim styles: the higher round first.
      SortByKey(events, [](const auto& e) {
        return std::make_tuple(e->GetSwimStyle().GetSortText(e->GetGender()), -e->GetRound());
      });
      break;
    case kEventsBySortKey:
      SortByKey(events, [](const auto& e) { return e->GetSortKey(); });
      break;
    default:
      break;
  }
  return std::make_shared<IQbLenexEvents>(std::move(events));
}

}  // namespace lnx
