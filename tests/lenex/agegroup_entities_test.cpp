// Age groups, rankings, heats, results of an event and time standards, on small inline meets;
// and every event of the real LENEX files read through the interfaces.
#include <gtest/gtest.h>

#include "lenex/qb_lenex.h"
#include "lenex/reader/qb_lenex_reader_default.h"
#include "swim/qbsw_language.h"
#include "test_support.h"

using namespace lnx;

namespace {

std::shared_ptr<TQbLenex> ReadDoc(const std::string& version, const std::string& meetBody,
                                  const std::string& afterMeets = "") {
  auto reader = TQbLenexReaderDefault::FromText("<LENEX version=\"" + version + "\"><MEETS><MEET course=\"LCM\">" +
                                                meetBody + "</MEET></MEETS>" + afterMeets + "</LENEX>");
  return TQbLenex::FromReader(*reader, true);
}

std::shared_ptr<const IQbLenexEvent> FirstEvent(const std::shared_ptr<TQbLenex>& doc) {
  return doc->GetMeets()->GetItem(0)->GetEvents(-1, 0)->GetItem(0);
}

std::string OneEvent(const std::string& eventAttrs, const std::string& style, const std::string& inside) {
  return "<SESSIONS><SESSION number=\"1\"><EVENTS><EVENT eventid=\"1\" number=\"1\" " + eventAttrs + "><SWIMSTYLE " +
         style + "/>" + inside + "</EVENT></EVENTS></SESSION></SESSIONS>";
}

const char* kFree100 = "distance=\"100\" stroke=\"FREE\" relaycount=\"1\"";
const char* kRelay4x50 = "distance=\"50\" stroke=\"FREE\" relaycount=\"4\"";

}  // namespace

TEST(AgeGroups, RealAgeGroupsCombinedRangeAndText) {
  qbsw::TQbSwLanguage::ResetInstance();
  struct Case {
    const char* groups;
    bool real;
    bool atMostOne;
    const char* key;
  } cases[] = {
      {"", false, true, "X_X"},
      {"<AGEGROUP agegroupid=\"1\"/>", false, true, "X_X"},
      {"<AGEGROUP agegroupid=\"1\" agemin=\"10\" agemax=\"12\"/>", true, true, "10_12"},
      {"<AGEGROUP agegroupid=\"1\" agemin=\"-1\" agemax=\"-1\"/><AGEGROUP agegroupid=\"2\"/>", true, false, "X_X"},
      {"<AGEGROUP agegroupid=\"1\" agemin=\"10\" agemax=\"11\"/><AGEGROUP agegroupid=\"2\" agemin=\"14\" "
       "agemax=\"15\"/>",
       true, false, "10_15"},
      {"<AGEGROUP agegroupid=\"1\" agemin=\"10\" agemax=\"11\"/><AGEGROUP agegroupid=\"2\" agemin=\"12\"/>", true,
       false, "10_X"},
  };
  for (const auto& c : cases) {
    auto doc =
        ReadDoc("3.0", OneEvent("gender=\"F\"", kFree100, std::string("<AGEGROUPS>") + c.groups + "</AGEGROUPS>"));
    auto groups = FirstEvent(doc)->GetAgeGroups();
    EXPECT_EQ(groups->HasRealAgeGroups(), c.real) << c.groups;
    EXPECT_EQ(groups->HasAtMostOne(), c.atMostOne) << c.groups;
    EXPECT_EQ(groups->GetCombinedRange().GetKey(), c.key) << c.groups;
  }
  // Several groups show the combined range with the shared gender; one group its own text.
  auto two = ReadDoc("3.0", OneEvent("gender=\"F\"", kFree100,
                                     "<AGEGROUPS><AGEGROUP agegroupid=\"1\" agemin=\"10\" agemax=\"11\"/>"
                                     "<AGEGROUP agegroupid=\"2\" agemin=\"12\" agemax=\"13\"/></AGEGROUPS>"));
  auto groups = FirstEvent(two)->GetAgeGroups();
  EXPECT_EQ(groups->GetCommonGender(), 2);
  auto expected = qbsw::TQbSwLanguage::Instance().ShortAgeGroupText(qbsw::TQbSwAgeRange(10, 13), 2, 0);
  EXPECT_EQ(groups->GetText(), expected);
  EXPECT_EQ(groups->GetFirst()->GetText(),
            qbsw::TQbSwLanguage::Instance().ShortAgeGroupText(qbsw::TQbSwAgeRange(10, 11), 2, 0));
}

TEST(AgeGroups, TotalOnlyInRelayEventsGenderAndDisplayName) {
  const std::string groups =
      "<AGEGROUPS><AGEGROUP agegroupid=\"1\" agemin=\"120\" agemax=\"159\" calculate=\"TOTAL\"/>"
      "<AGEGROUP agegroupid=\"2\" gender=\"M\" name=\"Open\" type=\"masters\"/></AGEGROUPS>";
  // The documents stay alive: a view keeps its own element only, not the tree above it.
  auto relayDoc = ReadDoc("3.0", OneEvent("gender=\"X\"", kRelay4x50, groups));
  auto singleDoc = ReadDoc("3.0", OneEvent("gender=\"X\"", kFree100, groups));
  auto relay = FirstEvent(relayDoc)->GetAgeGroups();
  auto single = FirstEvent(singleDoc)->GetAgeGroups();
  EXPECT_TRUE(relay->GetItem(0)->IsTotal());
  EXPECT_TRUE(relay->IsTotalCombined());
  EXPECT_FALSE(single->GetItem(0)->IsTotal());
  EXPECT_FALSE(single->IsTotalCombined());

  auto total = relay->GetItem(0), open = relay->GetItem(1);
  // Gender: own, else the event's.
  EXPECT_EQ(total->GetGender(), 3);
  EXPECT_EQ(open->GetGender(), 1);
  EXPECT_TRUE(open->IsMasters());
  EXPECT_EQ(relay->GetCommonGender(), 0);
  const auto& texts = qbsw::TQbSwLanguage::Instance();
  std::string longText = texts.LongAgeGroupText(qbsw::TQbSwAgeRange(120, 159), 3, 0);
  EXPECT_EQ(total->GetDisplayName(kAgeGroupNameOnly), longText);
  EXPECT_EQ(total->GetDisplayName(kAgeGroupNameWithGender), longText + ", " + texts.GenderName(3));
  EXPECT_EQ(total->GetDisplayName(kAgeGroupNameGenderWhenOther), longText);
  EXPECT_EQ(open->GetDisplayName(kAgeGroupNameGenderWhenOther), "Open, " + texts.GenderName(1));
}

TEST(AgeGroups, ResultsRankingsAndHeatsOfLenex3) {
  const std::string event = OneEvent(
      "gender=\"M\"", kFree100,
      "<AGEGROUPS><AGEGROUP agegroupid=\"1\" agemin=\"10\" agemax=\"11\"><RANKINGS><RANKING resultid=\"101\" "
      "place=\"3\"/>"
      "<RANKING resultid=\"102\" place=\"1\"/></RANKINGS></AGEGROUP>"
      "<AGEGROUP agegroupid=\"2\" agemin=\"-1\" agemax=\"-1\"><RANKINGS><RANKING resultid=\"101\" place=\"1\"/>"
      "<RANKING resultid=\"102\" place=\"2\"/></RANKINGS></AGEGROUP></AGEGROUPS>"
      "<HEATS><HEAT heatid=\"7\" number=\"2\" agegroupid=\"2\"/><HEAT heatid=\"8\" number=\"1\"/>"
      "<HEAT heatid=\"9\" number=\"1\" order=\"1\" status=\"official\"/></HEATS>");
  const std::string clubs =
      "<CLUBS><CLUB name=\"A\"><ATHLETES>"
      "<ATHLETE athleteid=\"1\"><RESULTS><RESULT resultid=\"103\" eventid=\"1\" agegroupid=\"1\" status=\"DNS\"/>"
      "<RESULT resultid=\"104\" eventid=\"1\" agegroupid=\"1\" status=\"DSQ\"/></RESULTS></ATHLETE>"
      "<ATHLETE athleteid=\"2\"><RESULTS><RESULT resultid=\"101\" eventid=\"1\" agegroupid=\"1\" place=\"5\"/>"
      "<RESULT resultid=\"105\" eventid=\"2\" agegroupid=\"1\"/></RESULTS></ATHLETE>"
      "</ATHLETES></CLUB><CLUB name=\"B\"><ATHLETES><ATHLETE athleteid=\"3\"><ENTRIES><ENTRY eventid=\"1\" "
      "entrytime=\"00:01:02.00\"/>"
      "</ENTRIES><RESULTS><RESULT resultid=\"102\" eventid=\"1\" "
      "agegroupid=\"2\"/></RESULTS></ATHLETE></ATHLETES></CLUB></CLUBS>";
  auto doc = ReadDoc("3.0", event + clubs);
  auto e = FirstEvent(doc);
  auto ids = [](const IQbLenexResults& results) {
    std::vector<int> v;
    for (const auto& r : results) v.push_back(r->GetId());
    return v;
  };
  // The best place over all rankings (3 and 1 give 1); the own "place" is not read in LENEX 3.
  // No place: by status, DSQ (2) before DNS (3).
  EXPECT_EQ(ids(*e->GetResults()), (std::vector<int>{101, 102, 104, 103}));
  auto group1 = e->GetAgeGroups()->GetItem(0);
  EXPECT_EQ(ids(*group1->GetResults()), (std::vector<int>{101, 104, 103}));
  auto rankings = group1->GetRankings();
  ASSERT_EQ(rankings->GetCount(), 3);
  EXPECT_EQ(rankings->GetItem(0)->GetPlace(), 1);
  EXPECT_EQ(rankings->GetItem(0)->GetResultId(), 101);
  EXPECT_EQ(rankings->GetItem(2)->GetOrder(), 3);
  EXPECT_EQ(rankings->GetItem(2)->GetPlace(), 32767);
  EXPECT_EQ(e->GetResults()->GetItem(1)->GetAgeGroup()->GetId(), 2);
  // Entries, of all clubs or of one.
  EXPECT_EQ(e->GetEntries(0, nullptr)->GetCount(), 1);
  auto clubsOf = doc->GetMeets()->GetItem(0)->GetClubs(0);
  EXPECT_EQ(e->GetEntries(0, clubsOf->GetItem(0))->GetCount(), 0);
  EXPECT_EQ(e->GetEntries(0, clubsOf->GetItem(1))->GetItem(0)->GetEntryTime(), 62000);

  // Heats by order, daytime and number; the age group named by the heat.
  auto heats = e->GetHeats();
  ASSERT_EQ(heats->GetCount(), 3);
  EXPECT_EQ(heats->GetItem(0)->GetId(), 8);
  EXPECT_EQ(heats->GetItem(1)->GetId(), 7);
  EXPECT_EQ(heats->GetItem(2)->GetStatus(), 3);
  EXPECT_EQ(heats->GetItem(1)->GetAgeGroup()->GetId(), 2);
  EXPECT_EQ(heats->GetItem(0)->GetAgeGroup(), nullptr);
}

TEST(AgeGroups, ResultsWithoutAgeGroupIdBelongToTheGroupsThatRankThem) {
  // As LENEX 3 files write it: the results name no age group, the age groups' rankings name them.
  const std::string event = OneEvent(
      "gender=\"F\"", kFree100,
      "<AGEGROUPS><AGEGROUP agegroupid=\"1\" agemin=\"10\" agemax=\"11\"><RANKINGS>"
      "<RANKING resultid=\"12\" place=\"1\"/></RANKINGS></AGEGROUP>"
      "<AGEGROUP agegroupid=\"2\" agemin=\"12\" agemax=\"13\"><RANKINGS><RANKING resultid=\"11\" place=\"1\"/>"
      "<RANKING resultid=\"13\" place=\"2\"/></RANKINGS></AGEGROUP>"
      "<AGEGROUP agegroupid=\"3\" agemin=\"14\" agemax=\"15\"/></AGEGROUPS>");
  const std::string clubs =
      "<CLUBS><CLUB name=\"A\"><ATHLETES>"
      "<ATHLETE athleteid=\"1\"><RESULTS><RESULT resultid=\"11\" eventid=\"1\" swimtime=\"00:01:01.00\"/>"
      "</RESULTS></ATHLETE><ATHLETE athleteid=\"2\"><RESULTS>"
      "<RESULT resultid=\"12\" eventid=\"1\" swimtime=\"00:01:05.00\"/></RESULTS></ATHLETE>"
      "<ATHLETE athleteid=\"3\"><RESULTS><RESULT resultid=\"13\" eventid=\"1\" swimtime=\"00:01:03.00\"/>"
      "</RESULTS></ATHLETE></ATHLETES></CLUB></CLUBS>";
  auto doc = ReadDoc("3.0", event + clubs);
  auto groups = FirstEvent(doc)->GetAgeGroups();
  auto ids = [](const IQbLenexResults& results) {
    std::vector<int> v;
    for (const auto& r : results) v.push_back(r->GetId());
    return v;
  };
  EXPECT_EQ(ids(*groups->GetItem(0)->GetResults()), (std::vector<int>{12}));
  EXPECT_EQ(ids(*groups->GetItem(1)->GetResults()), (std::vector<int>{11, 13}));
  EXPECT_TRUE(groups->GetItem(2)->GetResults()->Items().empty());
}

TEST(AgeGroups, PlacesOfLenex2AreTheResultsOwn) {
  auto doc = ReadDoc("2.0", OneEvent("", kFree100, "<AGEGROUPS><AGEGROUP agegroupid=\"1\"/></AGEGROUPS>") +
                                "<CLUBS><CLUB><ATHLETES><ATHLETE athleteid=\"1\"><RESULTS>"
                                "<RESULT resultid=\"1\" eventid=\"1\" agegroupid=\"1\" place=\"9999\"/>"
                                "<RESULT resultid=\"2\" eventid=\"1\" agegroupid=\"1\" place=\"2\"/>"
                                "<RESULT resultid=\"3\" eventid=\"1\" agegroupid=\"1\" place=\"0\"/>"
                                "</RESULTS></ATHLETE></ATHLETES></CLUB></CLUBS>");
  auto rankings = FirstEvent(doc)->GetAgeGroups()->GetItem(0)->GetRankings();
  ASSERT_EQ(rankings->GetCount(), 3);
  EXPECT_EQ(rankings->GetItem(0)->GetResultId(), 2);
  EXPECT_EQ(rankings->GetItem(0)->GetPlace(), 2);
  EXPECT_EQ(rankings->GetItem(1)->GetPlace(), 32767);
  EXPECT_EQ(rankings->GetItem(2)->GetPlace(), 32767);
}

TEST(TimeStandards, LookupByCourseGenderTypeRangeAndStyle) {
  const std::string lists =
      "<TIMESTANDARDLISTS>"
      "<TIMESTANDARDLIST timestandardlistid=\"1\" code=\"A\" name=\"Limits\" course=\"lcm\" gender=\"M\" "
      "type=\"MAXIMUM\">"
      "<AGEGROUP agemin=\"10\" agemax=\"11\"/><TIMESTANDARDS><TIMESTANDARD swimtime=\"00:01:20.00\">"
      "<SWIMSTYLE distance=\"100\" stroke=\"FREE\" relaycount=\"1\"/></TIMESTANDARD></TIMESTANDARDS></TIMESTANDARDLIST>"
      "<TIMESTANDARDLIST timestandardlistid=\"2\" code=\"B\" name=\"Open\" course=\"LCM\" gender=\"M\">"
      "<TIMESTANDARDS><TIMESTANDARD swimtime=\"00:00:40.00\"><SWIMSTYLE distance=\"50\" stroke=\"FREE\" "
      "relaycount=\"1\"/>"
      "</TIMESTANDARD><TIMESTANDARD swimtime=\"00:01:10.00\"><SWIMSTYLE distance=\"100\" stroke=\"FREE\" "
      "relaycount=\"1\"/>"
      "</TIMESTANDARD></TIMESTANDARDS></TIMESTANDARDLIST>"
      "<TIMESTANDARDLIST timestandardlistid=\"3\" code=\"L1\" name=\"Level\" course=\"LCM\" gender=\"M\" "
      "type=\"LEVEL\"/>"
      "</TIMESTANDARDLISTS>";
  auto doc = ReadDoc("3.0",
                     OneEvent("gender=\"M\"", kFree100,
                              "<AGEGROUPS><AGEGROUP agegroupid=\"1\" agemin=\"10\" agemax=\"11\"/></AGEGROUPS>"
                              "<TIMESTANDARDREFS><TIMESTANDARDREF timestandardlistid=\"2\" marker=\"*\"/>"
                              "<TIMESTANDARDREF timestandardlistid=\"4\"/></TIMESTANDARDREFS>"),
                     lists);
  auto e = FirstEvent(doc);
  // An open range finds list 2 (its type is empty, which stands for MAXIMUM).
  EXPECT_EQ(e->GetTimeStandard(1, 0), 70000);
  EXPECT_EQ(e->GetAgeGroups()->GetItem(0)->GetTimeStandard(1, 0), 80000);
  EXPECT_EQ(e->GetTimeStandard(2, 0), 0);  // no list of that course
  EXPECT_EQ(e->GetTimeStandard(1, 1), 0);  // no MINIMUM list
  auto refs = e->GetTimeStandardRefs();
  ASSERT_EQ(refs->GetCount(), 2);
  EXPECT_EQ(refs->GetItem(0)->GetList()->GetName(), "Open");
  EXPECT_EQ(refs->GetItem(0)->GetMarker(), "*");
  EXPECT_EQ(refs->GetItem(1)->GetList(), nullptr);
  auto all = doc->GetTimeStandardLists();
  ASSERT_EQ(all->GetCount(), 3);
  EXPECT_EQ(all->GetItem(0)->GetText(), "A - Limits");
  EXPECT_EQ(all->GetItem(2)->GetText(), "L1");
  EXPECT_EQ(all->GetItem(2)->GetType(), 3);
  EXPECT_TRUE(all->GetItem(1)->GetRange().IsOpen());
  EXPECT_EQ(all->GetItem(1)->GetTimeStandards()->GetItem(1)->GetSwimTime(), 70000);
}

TEST(RecordLists, NamesByType) {
  auto doc = ReadDoc("3.0", "",
                     "<RECORDLISTS><RECORDLIST type=\"WR\" name=\"World\"/><RECORDLIST type=\"ER\" name=\"Europe\"/>"
                     "</RECORDLISTS>");
  auto names = doc->GetRecordLists()->GetNamesByType();
  EXPECT_EQ(names.size(), 2u);
  EXPECT_EQ(names["ER"], "Europe");
}

TEST(RealFiles, EveryEventReadsThroughTheInterfaces) {
  std::vector<std::string> files;
  for (const char* folder : {"lenex2", "lenex3"}) {
    auto some = testing_support::RealDataFiles(folder, {".lef", ".lxf", ".xml", ".zip"});
    files.insert(files.end(), some.begin(), some.end());
  }
  if (files.empty()) GTEST_SKIP() << "no real data here";
  int events = 0;
  for (const auto& file : files) {
    auto doc = ReadLenexDocument(file);
    auto meets = doc->GetMeets();
    for (const auto& meet : *meets) {
      EXPECT_NO_THROW({
        auto all = meet->GetEvents(kEventsBySortKey, 0);
        std::string previous;
        for (const auto& e : *all) {
          ++events;
          std::string key = e->GetSortKey();
          EXPECT_LE(previous, key) << file;
          previous = key;
          EXPECT_FALSE(e->GetTitle().empty()) << file;
          EXPECT_EQ(meet->FindEvent(e->GetId())->GetId(), e->GetId()) << file;
          auto groups = e->GetAgeGroups();
          groups->GetText();
          for (const auto& g : *groups) {
            g->GetText();
            g->GetDisplayName(kAgeGroupNameGenderWhenOther);
          }
        }
      }) << file;
    }
  }
  EXPECT_GT(events, 0);
}
