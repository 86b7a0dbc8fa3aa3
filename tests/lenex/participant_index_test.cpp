// The per-document caches of results by event and ranking places answer as the scans do, also
// after the tree changed; and over the real LENEX files every event's results come back in place
// order and join to their events.
#include <gtest/gtest.h>

#include "lenex/entities/lnx_document_index.h"
#include "lenex/entities/lnx_entry.h"
#include "lenex/model/qb_lenex_entities_intf.h"
#include "lenex/qb_lenex.h"
#include "lenex/reader/qb_lenex_reader_default.h"
#include "test_support.h"

using namespace lnx;

namespace {

std::shared_ptr<TQbLenex> ReadText(const std::string& text) {
  auto reader = TQbLenexReaderDefault::FromText(text);
  return TQbLenex::FromReader(*reader, true);
}

std::vector<int> Ids(const IQbLenexResults& results) {
  std::vector<int> ids;
  for (const auto& r : results) ids.push_back(r->GetId());
  return ids;
}

std::vector<int> Ids(const TQbXmlElementList& results) {
  std::vector<int> ids;
  for (const auto& r : results) ids.push_back(r->GetAsInteger("resultid"));
  return ids;
}

// The place a result gets without any index (the scan of the rankings).
int ScannedPlace(const TQbXmlElementPtr& result) { return TLnxResult(result, nullptr).GetPlace(); }

}  // namespace

TEST(ParticipantIndex, ResultsAndPlacesFollowChangesOfTheTree) {
  auto doc = ReadText(
      "<LENEX version=\"3.0\"><MEETS><MEET><SESSIONS><SESSION><EVENTS>"
      "<EVENT eventid=\"1\" number=\"1\"><AGEGROUPS><AGEGROUP agegroupid=\"1\"><RANKINGS>"
      "<RANKING resultid=\"11\" place=\"2\"/><RANKING resultid=\"12\" place=\"1\"/></RANKINGS></AGEGROUP></AGEGROUPS>"
      "</EVENT><EVENT eventid=\"2\" number=\"2\"/></EVENTS></SESSION></SESSIONS>"
      "<CLUBS><CLUB><ATHLETES><ATHLETE athleteid=\"1\"><RESULTS><RESULT resultid=\"11\" eventid=\"1\"/>"
      "<RESULT resultid=\"21\" eventid=\"2\"/></RESULTS></ATHLETE>"
      "<ATHLETE athleteid=\"2\"><RESULTS><RESULT resultid=\"12\" eventid=\"1\"/></RESULTS></ATHLETE>"
      "</ATHLETES></CLUB></CLUBS></MEET></MEETS></LENEX>");
  auto meet = doc->GetMeets()->GetItem(0);
  TQbXmlElementPtr meetElement = doc->GetRoot()->GetOrCreateChild("MEETS")->GetChild(0);
  auto event1 = meet->FindEvent(1);
  auto scan = [&](int eventId) { return Ids(CollectEventItems(*meetElement, nullptr, true, eventId, nullptr)); };
  EXPECT_EQ(Ids(*event1->GetResults()), (std::vector<int>{12, 11}));

  // A new result in a new athlete's container.
  TQbXmlElementPtr athletes = meetElement->GetOrCreateChild("CLUBS")->GetChild(0)->GetOrCreateChild("ATHLETES");
  TQbXmlElementPtr a3 = athletes->AddNewChild("ATHLETE");
  TQbXmlElementPtr r13 = a3->AddNewChild("RESULTS")->AddNewChild("RESULT");
  r13->SetAsInteger("resultid", 13);
  r13->SetAsInteger("eventid", 1);
  r13->SetAsInteger("place", 3);  // no ranking names it: its own place
  EXPECT_EQ(Ids(*event1->GetResults()), (std::vector<int>{12, 11, 13}));

  // A result added to an athlete's RESULTS, and the first RESULTS of an athlete without one.
  TQbXmlElementPtr r14 = athletes->GetChild(1)->GetOrCreateChild("RESULTS")->AddNewChild("RESULT");
  r14->SetAsInteger("resultid", 14);
  r14->SetAsInteger("eventid", 2);
  EXPECT_EQ(Ids(*meet->FindEvent(2)->GetResults()), (std::vector<int>{21, 14}));
  TQbXmlElementPtr a4 = athletes->AddNewChild("ATHLETE");
  EXPECT_EQ(Ids(*meet->FindEvent(2)->GetResults()), (std::vector<int>{21, 14}));
  TQbXmlElementPtr r15 = a4->AddNewChild("RESULTS")->AddNewChild("RESULT");
  r15->SetAsInteger("resultid", 15);
  r15->SetAsInteger("eventid", 2);
  EXPECT_EQ(Ids(*meet->FindEvent(2)->GetResults()), (std::vector<int>{21, 14, 15}));
  athletes->GetChild(1)->RemoveChildByName("RESULTS");  // results 12 and 14
  EXPECT_EQ(Ids(*meet->FindEvent(2)->GetResults()), (std::vector<int>{21, 15}));
  EXPECT_EQ(Ids(*event1->GetResults()), (std::vector<int>{11, 13}));
  athletes->RemoveChild(a4);
  EXPECT_EQ(Ids(*meet->FindEvent(2)->GetResults()), (std::vector<int>{21}));

  // A result moved to the other event by rewriting its "eventid" only.
  athletes->GetChild(0)->GetOrCreateChild("RESULTS")->GetChild(0)->SetAsInteger("eventid", 2);
  EXPECT_EQ(Ids(*event1->GetResults()), (std::vector<int>{13}));
  EXPECT_EQ(scan(1), (std::vector<int>{13}));
  EXPECT_EQ(Ids(*meet->FindEvent(2)->GetResults()), scan(2));

  // A new ranking places result 13 (its own place no longer counts); a rewritten place moves it.
  TQbXmlElementPtr rankings = doc->GetRoot()
                                  ->GetOrCreateChild("MEETS")
                                  ->GetChild(0)
                                  ->GetOrCreateChild("SESSIONS")
                                  ->GetChild(0)
                                  ->GetOrCreateChild("EVENTS")
                                  ->GetChild(0)
                                  ->GetOrCreateChild("AGEGROUPS")
                                  ->GetChild(0)
                                  ->GetOrCreateChild("RANKINGS");
  TQbXmlElementPtr ranking = rankings->AddNewChild("RANKING");
  ranking->SetAsInteger("resultid", 13);
  ranking->SetAsInteger("place", 1);
  auto placeOf13 = [&] {
    auto all = event1->GetResults();
    return all->GetItem(all->GetCount() - 1)->GetPlace();
  };
  EXPECT_EQ(placeOf13(), 1);
  ranking->SetAsInteger("place", 5);
  EXPECT_EQ(placeOf13(), 5);
  auto results = event1->GetResults();
  EXPECT_EQ(Ids(*results), (std::vector<int>{13}));
  for (const auto& r : *results) {
    auto* of = dynamic_cast<const IQbElementOf*>(r.get());
    ASSERT_NE(of, nullptr);
    EXPECT_EQ(r->GetPlace(), ScannedPlace(of->GetElementOf())) << r->GetId();
  }
}

TEST(RealFiles, EveryEventsResultsComeInPlaceOrderAndJoinTheirEvent) {
  std::vector<std::string> files;
  for (const char* folder : {"lenex2", "lenex3"}) {
    auto some = testing_support::RealDataFiles(folder, {".lef", ".lxf", ".xml", ".zip"});
    files.insert(files.end(), some.begin(), some.end());
  }
  if (files.empty()) GTEST_SKIP() << "no real data here";
  int placed = 0, melbournePlaced = 0, melbourneResults = 0;
  for (const auto& file : files) {
    auto doc = ReadLenexDocument(file);
    bool melbourne = file.find("MELBOURNE") != std::string::npos;
    auto meets = doc->GetMeets();
    for (const auto& meet : *meets) {
      auto clubs = meet->GetClubs(kClubsByStatsKey);
      for (const auto& club : *clubs) {
        EXPECT_LE(club->GetAthleteCount(kAllGenders), club->GetAthletes(0)->GetCount()) << file;
        EXPECT_GE(club->GetStartCount(kAllGenders, false), 0) << file;
        EXPECT_FALSE(club->GetStatsName().empty() && !club->GetName().empty()) << file;
      }
      auto events = meet->GetEvents(-1, 0);
      for (const auto& event : *events) {
        auto results = event->GetResults();
        int previous = 0;
        for (const auto& r : *results) {
          int place = r->GetPlace();
          EXPECT_LE(previous, place) << file << " event " << event->GetNumber();
          previous = place;
          ASSERT_NE(r->GetEvent(), nullptr) << file;
          EXPECT_EQ(meet->FindEvent(r->GetEvent()->GetId())->GetId(), event->GetId()) << file;
          // The cached place is the scanned one.
          auto* of = dynamic_cast<const IQbElementOf*>(r.get());
          EXPECT_EQ(place, ScannedPlace(of->GetElementOf())) << file;
          // The other joins answer without failing.
          EXPECT_NE(r->GetHeat(), nullptr) << file;
          EXPECT_FALSE(r->GetName(true).empty()) << file;
          auto splits = r->GetSplits();
          for (int i = 1; i < splits->GetCount(); ++i)
            EXPECT_LE(splits->GetItem(i - 1)->GetDistance(), splits->GetItem(i)->GetDistance()) << file;
          if (place != kNoPlace) {
            ++placed;
            EXPECT_EQ(r->GetPlaceText().empty(), false) << file;
          }
          if (melbourne) {
            ++melbourneResults;
            if (place != kNoPlace) ++melbournePlaced;
          }
        }
      }
    }
  }
  EXPECT_GT(placed, 0);
  if (melbourneResults > 0) {
    // No RANKINGS and no result ids: the places come from the results themselves.
    EXPECT_GT(melbournePlaced, melbourneResults / 2);
  }
}
