#include "lenex/entities/lnx_meet.h"

#include <algorithm>

#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_document_index.h"
#include "lenex/entities/lnx_event.h"
#include "lenex/entities/lnx_fee.h"
#include "lenex/entities/lnx_club.h"
#include "lenex/entities/lnx_participants.h"
#include "lenex/entities/lnx_session.h"
#include "lenex/qb_lenex_codes.h"
#include "swim/qbsw_language.h"
#include "swim/qbsw_person.h"
#include "swim/qbsw_unicode.h"

namespace lnx {

TQbXmlElementPtr FindEventElement(const IQbXmlElement& meet, int eventId, const TLnxIndexPtr& index) {
  return index ? index->FindEvent(meet, eventId) : ScanForId(meet, kEventPath, eventId);
}

TQbXmlElementPtr FindAthleteElement(const IQbXmlElement& meet, int athleteId, const TLnxIndexPtr& index) {
  return index ? index->FindAthlete(meet, athleteId) : ScanForId(meet, kAthletePath, athleteId);
}

std::string TLnxMeet::GetNation() const { return qbsw::NormalizeNationCode(Attr("nation")); }

int TLnxMeet::GetCourse() const { return LookupCode(TQbCodeTable::Course, Attr("course")); }

TQbLenexDateRange TLnxMeet::GetDateRange() const {
  auto sessions = ChildrenNamed(Container("SESSIONS").get(), "SESSION");
  if (sessions.empty()) return TQbLenexDateRange::Invalid();
  // Sessions without a date do not widen the range back to 1899; when no session has a date the
  // range spans every day.
  qb::TDateTime first = 0, last = 0;
  bool any = false;
  for (const auto& s : sessions) {
    qb::TDateTime date = s->GetAsDate("date");
    if (date == 0) continue;
    first = any ? std::min(first, date) : date;
    last = any ? std::max(last, date) : date;
    any = true;
  }
  return TQbLenexDateRange(first, last);
}

int TLnxMeet::GetAgeDateType() const {
  return LookupCode(TQbCodeTable::AgeDateType, Container("AGEDATE")->GetAttribute("type"));
}

qb::TDateTime TLnxMeet::GetAgeDate() const {
  qb::TDateTime date = Container("AGEDATE")->GetAsDate("value");
  if (date != 0) return date;
  auto sessions = GetSessions();
  if (sessions->GetCount() == 0) return qb::Now();
  return sessions->GetItem(sessions->GetCount() - 1)->GetDate();
}

std::shared_ptr<const IQbLenexAthlete> TLnxMeet::FindAthlete(int athleteId) const {
  return Make<TLnxAthlete>(FindAthleteElement(Element(), athleteId, Index()));
}

std::string TLnxMeet::GetCityEn() const {
  std::string en = Attr("city.en");
  return en.empty() ? qbsw::PlainLetters(GetCity()) : en;
}

std::string TLnxMeet::GetCityAndNation() const {
  std::string nation = GetNation();
  return nation.empty() ? GetCity() : GetCity() + "  (" + nation + ")";
}

std::shared_ptr<const IQbLenexClubs> TLnxMeet::GetClubs(int sortOrder) const {
  std::vector<std::shared_ptr<const IQbLenexClub>> clubs;
  for (const auto& c : ChildrenNamed(Container("CLUBS").get(), "CLUB")) clubs.push_back(Make<TLnxClub>(c));
  if (sortOrder == kClubsByName)
    SortByKey(clubs, [](const auto& c) { return qbsw::FoldCase(c->GetName()); });
  else if (sortOrder == kClubsByStatsKey)
    SortByKey(clubs, [](const auto& c) { return qbsw::FoldCase(c->GetStatsKey()); });
  return std::make_shared<TLnxClubs>(std::move(clubs));
}

std::shared_ptr<const IQbLenexContact> TLnxMeet::GetContact() const {
  return Make<TLnxContact>(SharedOf(Element().FindChild(AtomOf("CONTACT"))));
}

std::string TLnxMeet::GetCourseName() const { return qbsw::TQbSwLanguage::Instance().CourseName(GetCourse()); }

std::shared_ptr<const IQbLenexEvent> TLnxMeet::FindEvent(int eventId) const {
  return Make<TLnxEvent>(FindEventElement(Element(), eventId, Index()));
}

std::shared_ptr<const IQbLenexEvents> TLnxMeet::GetEvents(int sortOrder, TQbRoundSet rounds) const {
  TQbXmlElementList containers;
  for (const auto& s : ChildrenNamed(Container("SESSIONS").get(), "SESSION"))
    containers.push_back(s->GetOrCreateChild("EVENTS"));
  return BuildEvents(containers, sortOrder, rounds, Index());
}

std::shared_ptr<const IQbLenexFee> TLnxMeet::GetFee(int feeType) const {
  return Make<TLnxFee>(
      element_->GetOrCreateChildWith("FEE", "type", std::string(CodeText(TQbCodeTable::FeeType, feeType))));
}

std::string TLnxMeet::GetNameEn() const {
  std::string en = Attr("name.en");
  return en.empty() ? qbsw::PlainLetters(GetName()) : en;
}

std::shared_ptr<const IQbLenexPointTable> TLnxMeet::GetPointTable() const {
  return Make<TLnxPointTable>(Container("POINTTABLE"));
}

std::string TLnxMeet::GetCourseUnit() const { return GetCourse() == qbsw::kCourseScy ? "y" : "m"; }

int TLnxMeet::GetQualifyConversion() const {
  return LookupCode(TQbCodeTable::QualConversion, Container("QUALIFY")->GetAttribute("conversion"));
}

TQbLenexDateRange TLnxMeet::GetQualifyPeriod() const {
  auto qualify = Container("QUALIFY");
  qb::TDateTime from = qualify->GetAsDate("from"), until = qualify->GetAsDate("until");
  if ((from == 0 && until == 0) || from > until) {
    from = 0;
    until = TQbLenexDateRange::kLastKnownDay;
  }
  // Cut at the meet's last day; a meet without sessions has no last day to cut at.
  TQbLenexDateRange meet = GetDateRange();
  if (meet.IsValid() && until >= meet.GetLast()) until = meet.GetLast();
  return TQbLenexDateRange(from, until);
}

int TLnxMeet::GetQualifyRelayMode() const {
  return LookupCode(TQbCodeTable::QualRelayMode, Container("QUALIFY")->GetAttribute("relaymode"));
}

std::shared_ptr<const IQbLenexSessions> TLnxMeet::GetSessions() const { return SessionsOf(element_, Index()); }

int TLnxMeet::GetTiming() const { return LookupCode(TQbCodeTable::Timing, Attr("timing")); }

int TLnxMeet::GetMeetType() const { return LookupCode(TQbCodeTable::MeetType, Attr("type")); }

}  // namespace lnx
