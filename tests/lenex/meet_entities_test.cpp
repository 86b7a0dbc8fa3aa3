// The meet side of the document read through its entity interfaces, on small inline meets.
#include <gtest/gtest.h>

#include "lenex/entities/lnx_document_index.h"
#include "lenex/entities/lnx_meet.h"
#include "lenex/qb_lenex.h"
#include "lenex/reader/qb_lenex_reader_default.h"
#include "swim/qbsw_language.h"

using namespace lnx;

namespace {

struct Doc {
  std::shared_ptr<TQbLenex> doc;
  std::shared_ptr<const IQbLenexMeet> meet;
  TQbXmlElementPtr meetElement;
};

Doc Read(const std::string& meetAttrs, const std::string& meetBody, const std::string& version = "3.0",
         const std::string& afterMeets = "") {
  auto reader = TQbLenexReaderDefault::FromText("<LENEX version=\"" + version + "\"><MEETS><MEET " + meetAttrs + ">" +
                                                meetBody + "</MEET></MEETS>" + afterMeets + "</LENEX>");
  Doc d;
  d.doc = TQbLenex::FromReader(*reader, true);
  d.meet = d.doc->GetMeets()->GetItem(0);
  d.meetElement = d.doc->GetRoot()->GetOrCreateChild("MEETS")->GetChild(0);
  return d;
}

std::string Session(const std::string& attrs, const std::string& events) {
  return "<SESSION " + attrs + "><EVENTS>" + events + "</EVENTS></SESSION>";
}

std::string Event(int id, int number, const std::string& attrs,
                  const std::string& style = "distance=\"100\" stroke=\"FREE\" relaycount=\"1\"",
                  const std::string& inside = "") {
  return "<EVENT eventid=\"" + std::to_string(id) + "\" number=\"" + std::to_string(number) + "\" " + attrs +
         "><SWIMSTYLE " + style + "/>" + inside + "</EVENT>";
}

std::vector<int> Numbers(const IQbLenexEvents& events) {
  std::vector<int> n;
  for (const auto& e : events) n.push_back(e->GetNumber());
  return n;
}

}  // namespace

TEST(MeetEvents, RoundMaxEntriesTitleAndSortKey) {
  qbsw::TQbSwLanguage::ResetInstance();
  auto d =
      Read("course=\"LCM\"",
           "<SESSIONS>" +
               Session("number=\"1\"",
                       Event(11, 5, "gender=\"M\" maxentries=\"0\"") +
                           Event(12, 6, "gender=\"F\" round=\"FIN\" maxentries=\"8\" order=\"3\" daytime=\"09:30\"") +
                           Event(13, 7, "round=\"nonsense\"")) +
               "</SESSIONS>");
  auto events = d.meet->GetEvents(-1, 0);
  ASSERT_EQ(events->GetCount(), 3);
  auto e5 = events->GetItem(0), e6 = events->GetItem(1), e7 = events->GetItem(2);
  // No round and an unknown round read as timed final (1).
  EXPECT_EQ(e5->GetRound(), 1);
  EXPECT_EQ(e7->GetRound(), 1);
  EXPECT_EQ(e6->GetRound(), 9);
  EXPECT_EQ(e5->GetMaxEntries(), 32767);
  EXPECT_EQ(e7->GetMaxEntries(), 32767);
  EXPECT_EQ(e6->GetMaxEntries(), 8);
  EXPECT_EQ(e5->GetTitle(), "5. 100m Freestyle, Men");
  EXPECT_EQ(e6->GetSortKey(), "000003_0570_00006_009");
  EXPECT_EQ(e5->GetNumberText(), "5.");
  // A filter holding round 1 takes events without a round; one holding FIN only the final.
  EXPECT_EQ(Numbers(*d.meet->GetEvents(-1, RoundBit(1))), (std::vector<int>{5, 7}));
  EXPECT_EQ(Numbers(*d.meet->GetEvents(-1, RoundBit(9))), (std::vector<int>{6}));
}

TEST(MeetEvents, SortOrdersAndFindingById) {
  auto d = Read("", "<SESSIONS>" +
                        Session("number=\"2\"", Event(1, 3, "order=\"1\" gender=\"M\"",
                                                      "distance=\"50\" stroke=\"FREE\" relaycount=\"1\"") +
                                                    Event(2, 1, "order=\"2\" gender=\"M\" round=\"PRE\"",
                                                          "distance=\"50\" stroke=\"FREE\" relaycount=\"1\"")) +
                        Session("number=\"1\"", Event(3, 2, "order=\"0\" gender=\"F\" round=\"FIN\"",
                                                      "distance=\"50\" stroke=\"FREE\" relaycount=\"1\"") +
                                                    Event(2, 9, "gender=\"M\"")) +
                        "</SESSIONS>");
  EXPECT_EQ(Numbers(*d.meet->GetEvents(kEventsByNumber, 0)), (std::vector<int>{1, 2, 3, 9}));
  EXPECT_EQ(Numbers(*d.meet->GetEvents(99, 0)), (std::vector<int>{3, 1, 2, 9}));
  EXPECT_EQ(Numbers(*d.meet->GetEvents(kEventsBySortKey, 0)), (std::vector<int>{2, 9, 3, 1}));
  // Same style and gender: the higher round (PRE 2 over TIM 1) first; men before women.
  EXPECT_EQ(Numbers(*d.meet->GetEvents(kEventsBySwimStyle, 0)), (std::vector<int>{1, 3, 9, 2}));
  // Sessions by number; the session's events only.
  auto sessions = d.meet->GetSessions();
  EXPECT_EQ(sessions->GetItem(0)->GetNumber(), 1);
  EXPECT_EQ(Numbers(*sessions->GetItem(0)->GetEvents(kEventsByNumber, 0)), (std::vector<int>{2, 9}));
  // Duplicate id 2: the first in document order.
  EXPECT_EQ(d.meet->FindEvent(2)->GetNumber(), 1);
  EXPECT_EQ(d.meet->FindEvent(4), nullptr);
  EXPECT_EQ(d.meet->FindEvent(3)->GetSession()->GetNumber(), 1);
}

TEST(MeetEvents, IdIndexAnswersLikeAScanWhenTheTreeChanges) {
  auto d = Read("", "<SESSIONS>" + Session("number=\"1\"", Event(1, 1, "")) + Session("number=\"2\"", Event(5, 2, "")) +
                        "</SESSIONS><CLUBS><CLUB name=\"A\"><ATHLETES><ATHLETE athleteid=\"7\" lastname=\"Old\"/>"
                        "</ATHLETES></CLUB><CLUB name=\"B\"/></CLUBS>");
  EXPECT_EQ(d.meet->FindEvent(5)->GetNumber(), 2);
  EXPECT_EQ(d.meet->FindEvent(6), nullptr);
  // An event with id 5 appended to the first session comes first in document order now.
  auto sessions = d.meetElement->GetOrCreateChild("SESSIONS");
  auto added = sessions->GetChild(0)->GetOrCreateChild("EVENTS")->AddNewChild("EVENT");
  added->SetAttribute("eventid", "5");
  added->SetAttribute("number", "3");
  EXPECT_EQ(d.meet->FindEvent(5)->GetNumber(), 3);
  // A new session without events, then one with a new id.
  sessions->AddNewChild("SESSION");
  EXPECT_EQ(d.meet->FindEvent(6), nullptr);
  sessions->GetChild(2)->GetOrCreateChild("EVENTS")->AddNewChild("EVENT")->SetAttribute("eventid", "6");
  EXPECT_NE(d.meet->FindEvent(6), nullptr);
  // A rewritten id is noticed.
  added->SetAttribute("eventid", "8");
  EXPECT_EQ(d.meet->FindEvent(5)->GetNumber(), 2);
  // Removing the found event.
  sessions->GetChild(1)->GetOrCreateChild("EVENTS")->RemoveChildAt(0);
  EXPECT_EQ(d.meet->FindEvent(5), nullptr);

  EXPECT_EQ(d.meet->FindAthlete(7)->GetLastName(), "Old");
  auto clubB = d.meetElement->GetOrCreateChild("CLUBS")->GetChild(1);
  clubB->GetOrCreateChild("ATHLETES")->AddNewChild("ATHLETE")->SetAttribute("athleteid", "9");
  EXPECT_NE(d.meet->FindAthlete(9), nullptr);
  auto first = d.meetElement->GetOrCreateChild("CLUBS")->GetChild(0)->GetOrCreateChild("ATHLETES");
  auto earlier = first->AddNewChild("ATHLETE");
  earlier->SetAttribute("athleteid", "9");
  earlier->SetAttribute("lastname", "Earlier");
  EXPECT_EQ(d.meet->FindAthlete(9)->GetLastName(), "Earlier");

  // The same answers for every id as the plain scan.
  TLnxDocumentIndex index;
  for (int id = 0; id < 12; ++id) {
    EXPECT_EQ(index.FindEvent(*d.meetElement, id), ScanForId(*d.meetElement, kEventPath, id)) << id;
    EXPECT_EQ(index.FindAthlete(*d.meetElement, id), ScanForId(*d.meetElement, kAthletePath, id)) << id;
  }
  EXPECT_EQ(index.BuildCount(), 2);  // one table per kind, built once while nothing changed
}

TEST(MeetDates, AgeDateDateRangeAndQualifyPeriod) {
  // No AGEDATE value: the date of the last session by number, not the last in the file.
  auto d =
      Read("",
           "<AGEDATE type=\"DATE\"/><SESSIONS><SESSION number=\"2\" date=\"2008-03-02\"/>"
           "<SESSION number=\"1\" date=\"2008-03-01\"/></SESSIONS><QUALIFY from=\"2007-01-01\" until=\"2009-12-31\"/>");
  EXPECT_EQ(d.meet->GetAgeDate(), qb::EncodeDate(2008, 3, 2));
  EXPECT_EQ(d.meet->GetAgeDateType(), 1);
  EXPECT_EQ(d.meet->GetDateRange(), TQbLenexDateRange(qb::EncodeDate(2008, 3, 1), qb::EncodeDate(2008, 3, 2)));
  // The period ends with the meet.
  EXPECT_EQ(d.meet->GetQualifyPeriod(), TQbLenexDateRange(qb::EncodeDate(2007, 1, 1), qb::EncodeDate(2008, 3, 2)));

  auto given = Read("",
                    "<AGEDATE value=\"2008-12-31\"/><SESSIONS><SESSION number=\"1\" date=\"2008-03-01\"/>"
                    "<SESSION number=\"2\"/></SESSIONS><QUALIFY from=\"2009-01-01\" until=\"2008-01-01\"/>");
  EXPECT_EQ(given.meet->GetAgeDate(), qb::EncodeDate(2008, 12, 31));
  // An undated session does not stretch the range back to 1899.
  EXPECT_EQ(given.meet->GetDateRange().GetFirst(), qb::EncodeDate(2008, 3, 1));
  // From after until: the whole known span, then cut at the meet's end.
  EXPECT_EQ(given.meet->GetQualifyPeriod(), TQbLenexDateRange(0, qb::EncodeDate(2008, 3, 1)));

  auto none = Read("", "");
  EXPECT_FALSE(none.meet->GetDateRange().IsValid());
  EXPECT_NEAR(none.meet->GetAgeDate(), qb::Now(), 1.0 / 24);
  // Without sessions the period is not cut to nothing.
  EXPECT_EQ(none.meet->GetQualifyPeriod(), TQbLenexDateRange(0, TQbLenexDateRange::kLastKnownDay));
}

TEST(MeetAttributes, ContainersContactClubsAndPlainTexts) {
  auto d = Read(
      "name=\"Coupe d'été\" city=\"Genève\" nation=\"SUI\" course=\"SCY\" timing=\"MANUAL3\" type=\"sui.open\"",
      "<POOL name=\"Les Vernets\" lanemin=\"1\" lanemax=\"8\"/>"
      "<FEE type=\"ATHLETE\" value=\"1250\" currency=\"CHF\"/>"
      "<SESSIONS><SESSION number=\"1\"><POOL lanemax=\"6\"/></SESSION><SESSION number=\"2\" course=\"lcm\"/></SESSIONS>"
      "<CLUBS><CLUB name=\"beta\" nation=\"GER\" code=\"BSV\"/><CLUB name=\"Alpha\" code=\"SUI\"/>"
      "<CLUB name=\"Gamma\" nation=\"AUT\"/></CLUBS>");
  // A meet without CONTACT answers none and gains none.
  EXPECT_EQ(d.meet->GetContact(), nullptr);
  EXPECT_FALSE(d.meetElement->HasChild("CONTACT"));
  EXPECT_EQ(d.meet->GetCityEn(), "Geneve");
  EXPECT_EQ(d.meet->GetNameEn(), "Coupe d'ete");
  EXPECT_EQ(d.meet->GetCityAndNation(), "Genève  (SUI)");
  EXPECT_EQ(d.meet->GetCourseUnit(), "y");
  EXPECT_EQ(d.meet->GetTiming(), 2);
  EXPECT_EQ(d.meet->GetMeetType(), 1);
  EXPECT_EQ(d.meet->GetPoolName(), "Les Vernets");
  EXPECT_EQ(d.meet->GetFee(kFeeAthlete)->GetText(), "CHF 12.50");
  EXPECT_EQ(d.meet->GetFee(kFeeRelay)->GetText(), "-");
  // Sessions fall back to the meet's course and lanes.
  auto sessions = d.meet->GetSessions();
  EXPECT_EQ(sessions->GetItem(0)->GetCourse(), 3);
  EXPECT_EQ(sessions->GetItem(1)->GetCourse(), 1);
  EXPECT_EQ(sessions->GetItem(0)->GetLaneMin(), 1);
  EXPECT_EQ(sessions->GetItem(0)->GetLaneMax(), 6);
  EXPECT_EQ(sessions->GetItem(0)->GetJudges()->GetCount(), 0);
  auto names = [](const IQbLenexClubs& clubs) {
    std::vector<std::string> n;
    for (const auto& c : clubs) n.push_back(c->GetName());
    return n;
  };
  EXPECT_EQ(names(*d.meet->GetClubs(0)), (std::vector<std::string>{"beta", "Alpha", "Gamma"}));
  EXPECT_EQ(names(*d.meet->GetClubs(kClubsByName)), (std::vector<std::string>{"Alpha", "beta", "Gamma"}));
  // Keys AUT, GER.BSV, SUI (the meet's nation, which the code repeats).
  EXPECT_EQ(names(*d.meet->GetClubs(kClubsByStatsKey)), (std::vector<std::string>{"Gamma", "beta", "Alpha"}));
  EXPECT_EQ(d.meet->GetClubs(kClubsByStatsKey)->GetItem(2)->GetStatsKey(), "SUI");

  auto withContact = Read("", "<CONTACT name=\"Office\"/>");
  ASSERT_NE(withContact.meet->GetContact(), nullptr);
  EXPECT_EQ(withContact.meet->GetContact()->GetName(), "Office");
}
