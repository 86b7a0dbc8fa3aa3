#include "lenex/entities/lnx_entry_parts.h"

#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_meet.h"
#include "lenex/entities/lnx_participants.h"
#include "swim/qbsw_date_text.h"
#include "swim/qbsw_language.h"
#include "swim/qbsw_person.h"
#include "swim/qbsw_swim_time.h"

namespace lnx {

int TLnxMeetInfo::GetCourse() const { return qbsw::TQbSwLanguage::Instance().CourseFromText(Attr("course")); }

std::string TLnxMeetInfo::GetCityAndNation() const {
  std::string nation = GetNation();
  return nation.empty() ? GetCity() : GetCity() + " (" + nation + ")";
}

std::string TLnxMeetInfo::GetDateText() const {
  qb::TDateTime date = GetDate();
  return date == 0 ? std::string() : qbsw::DateText(date, false);
}

std::string TLnxMeetInfo::GetNation() const { return qbsw::NormalizeNationCode(Attr("nation")); }

std::int32_t TLnxMeetInfo::GetQualificationTime() const {
  std::int32_t time = Element().GetAsSwimTime("qualificationtime");
  return qbsw::IsValidSwimTime(time) ? time : qbsw::kNoSwimTime;
}

std::string TLnxSplit::GetSwimTimeText() const { return qbsw::SwimTimeToText(GetSwimTime(), false); }

TLnxSplits::TLnxSplits(std::vector<Item> items) {
  items_ = std::move(items);
  SortByKey(items_, [](const Item& s) { return s->GetDistance(); });
}

const IQbLenexSplit* TLnxSplits::At(int distance) const {
  for (const auto& s : items_)
    if (s->GetDistance() == distance) return s.get();
  return nullptr;
}

std::int32_t TLnxSplits::GetSplitTime(int distance) const {
  const IQbLenexSplit* s = At(distance);
  return s ? s->GetSwimTime() : 0;
}

std::int32_t TLnxSplits::GetLapTime(int from, int to) const {
  const IQbLenexSplit* end = At(to);
  if (!end) return 0;
  if (from == 0) return end->GetSwimTime();
  const IQbLenexSplit* start = At(from);
  if (!start) return 0;
  // A split without a time gives no lap either (rather than a difference with "no time").
  if (!qbsw::IsValidSwimTime(start->GetSwimTime()) || !qbsw::IsValidSwimTime(end->GetSwimTime())) return 0;
  return end->GetSwimTime() - start->GetSwimTime();
}

std::string TLnxSplits::GetSplitTimeText(int distance) const {
  return qbsw::SwimTimeToText(GetSplitTime(distance), false);
}

std::string TLnxSplits::GetLapTimeText(int from, int to) const {
  return qbsw::SwimTimeToText(GetLapTime(from, to), false);
}

std::shared_ptr<const IQbLenexAthlete> TLnxPosition::GetAthlete() const {
  TQbXmlElementPtr meet = Ancestor("MEET");
  return meet ? Make<TLnxAthlete>(FindAthleteElement(*meet, GetAthleteId(), Index())) : nullptr;
}

std::shared_ptr<const IQbLenexMeetInfo> TLnxPosition::GetMeetInfo() const {
  return Make<TLnxMeetInfo>(Container("MEETINFO"));
}

int TLnxPosition::GetStatus() const { return qbsw::TQbSwLanguage::Instance().StatusFromText(Attr("status")); }

void TLnxPosition::ReplaceMeetInfo(const TQbXmlElementPtr& meetInfo) const { ReplaceMeetInfoOf(*element_, meetInfo); }

void ReplaceMeetInfoOf(IQbXmlElement& element, const TQbXmlElementPtr& meetInfo) {
  while (element.HasChild("MEETINFO")) element.RemoveChildByName("MEETINFO");
  if (meetInfo) element.AddChild(meetInfo);
}

std::shared_ptr<const IQbLenexPositions> PositionsOf(const IQbXmlElement& element, const TLnxIndexPtr& index) {
  std::vector<std::shared_ptr<const IQbLenexPosition>> positions;
  for (const auto& p : ChildrenNamed(element.FindChild(AtomOf("RELAYPOSITIONS")), "RELAYPOSITION"))
    positions.push_back(std::make_shared<TLnxPosition>(p, index));
  SortByKey(positions, [](const auto& p) { return p->GetNumber(); });
  return std::make_shared<IQbLenexPositions>(std::move(positions));
}

}  // namespace lnx
