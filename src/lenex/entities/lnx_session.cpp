#include "lenex/entities/lnx_session.h"

#include "lenex/entities/lnx_collection.h"
#include "lenex/entities/lnx_event.h"
#include "lenex/entities/lnx_meet.h"
#include "swim/qbsw_language.h"

namespace lnx {

int TLnxSession::GetCourse() const {
  if (Element().HasAttribute("course")) return qbsw::TQbSwLanguage::Instance().CourseFromText(Attr("course"));
  TQbXmlElementPtr meet = Ancestor("MEET");
  return meet ? TLnxMeet(meet).GetCourse() : 0;
}

std::string TLnxSession::GetCourseName() const { return qbsw::TQbSwLanguage::Instance().CourseName(GetCourse()); }

std::shared_ptr<const IQbLenexEvents> TLnxSession::GetEvents(int sortOrder, TQbRoundSet rounds) const {
  return BuildEvents({Container("EVENTS")}, sortOrder, rounds, Index());
}

std::shared_ptr<const IQbLenexOfficials> TLnxSession::GetJudges() const {
  return std::make_shared<IQbLenexOfficials>();
}

int TLnxSession::Lane(std::string_view name) const {
  int lane = Container("POOL")->GetAsInteger(name);
  if (lane != 0) return lane;
  TQbXmlElementPtr meet = Ancestor("MEET");
  return meet ? meet->GetOrCreateChild("POOL")->GetAsInteger(name) : 0;
}

std::shared_ptr<const IQbLenexSessions> SessionsOf(const TQbXmlElementPtr& meet, const TLnxIndexPtr& index) {
  std::vector<std::shared_ptr<const IQbLenexSession>> sessions;
  for (const auto& s : ChildrenNamed(meet->GetOrCreateChild("SESSIONS").get(), "SESSION"))
    sessions.push_back(std::make_shared<TLnxSession>(s, index));
  SortByKey(sessions, [](const auto& s) { return s->GetNumber(); });
  return std::make_shared<IQbLenexSessions>(std::move(sessions));
}

}  // namespace lnx
