// Clubs, athletes, relays, entries, results and splits read through their interfaces, on small
// inline meets: the joins between a result and its event, entry, heat and place.
#include <gtest/gtest.h>

#include "lenex/entities/lnx_club.h"
#include "lenex/entities/lnx_entry.h"
#include "lenex/model/qb_lenex_entities_intf.h"
#include "lenex/qb_lenex.h"
#include "lenex/reader/qb_lenex_reader_default.h"
#include "swim/qbsw_language.h"

using namespace lnx;

namespace {

std::shared_ptr<TQbLenex> ReadDoc(const std::string& version, const std::string& meetAttrs,
                                  const std::string& meetBody) {
  auto reader = TQbLenexReaderDefault::FromText("<LENEX version=\"" + version + "\"><MEETS><MEET course=\"LCM\" " +
                                                meetAttrs + ">" + meetBody + "</MEET></MEETS></LENEX>");
  return TQbLenex::FromReader(*reader, true);
}

std::shared_ptr<const IQbLenexMeet> MeetOf(const std::shared_ptr<TQbLenex>& doc) { return doc->GetMeets()->GetItem(0); }

std::string Events(const std::string& events) {
  return "<SESSIONS><SESSION number=\"1\" date=\"2024-06-01\"><EVENTS>" + events + "</EVENTS></SESSION></SESSIONS>";
}

std::string Event(int id, int number, const std::string& attrs = "", const std::string& inside = "",
                  int relayCount = 1) {
  return "<EVENT eventid=\"" + std::to_string(id) + "\" number=\"" + std::to_string(number) + "\" " + attrs +
         "><SWIMSTYLE distance=\"100\" stroke=\"FREE\" relaycount=\"" + std::to_string(relayCount) + "\"/>" + inside +
         "</EVENT>";
}

std::string Club(const std::string& attrs, const std::string& athletes, const std::string& relays = "") {
  return "<CLUB " + attrs + "><ATHLETES>" + athletes + "</ATHLETES><RELAYS>" + relays + "</RELAYS></CLUB>";
}

std::string Athlete(const std::string& attrs, const std::string& inside) {
  return "<ATHLETE " + attrs + ">" + inside + "</ATHLETE>";
}

std::vector<int> Places(const IQbLenexResults& results) {
  std::vector<int> places;
  for (const auto& r : results) places.push_back(r->GetPlace());
  return places;
}

}  // namespace

TEST(ResultPlaces, OwnPlaceBefore3AndRankingsFrom3) {
  qbsw::TQbSwLanguage::ResetInstance();
  // Results: own place 9999, DSQ with 9999, own place 2.
  const std::string results =
      "<RESULTS><RESULT resultid=\"1\" eventid=\"1\" agegroupid=\"1\" place=\"9999\"/>"
      "<RESULT resultid=\"2\" eventid=\"1\" agegroupid=\"1\" place=\"9999\" status=\"DSQ\"/>"
      "<RESULT resultid=\"3\" eventid=\"1\" agegroupid=\"2\" place=\"2\"/></RESULTS>";
  auto v2 = ReadDoc("2.0", "", Events(Event(1, 1)) + "<CLUBS>" + Club("name=\"A\"", Athlete("", results)) + "</CLUBS>");
  auto r2 = MeetOf(v2)->FindEvent(1)->GetResults();
  ASSERT_EQ(r2->GetCount(), 3);
  EXPECT_EQ(Places(*r2), (std::vector<int>{2, kNoPlace, kNoPlace}));
  EXPECT_EQ(r2->GetItem(0)->GetPlaceText(), "2.");
  // Without place by status: none (0) before DSQ (2).
  EXPECT_EQ(r2->GetItem(1)->GetId(), 1);
  EXPECT_EQ(r2->GetItem(2)->GetId(), 2);
  // A place of 9999 shows nothing; with a status it shows the status.
  EXPECT_EQ(r2->GetItem(1)->GetPlaceText(), "");
  EXPECT_EQ(r2->GetItem(2)->GetPlaceText(), "DSQ");

  // LENEX 3: two age groups rank result 1 at 3 and 1; result 2 is ranked nowhere and keeps its
  // own place (as files without RANKINGS have it); result 3 has no own place.
  const std::string groups =
      "<AGEGROUPS><AGEGROUP agegroupid=\"1\"><RANKINGS><RANKING resultid=\"1\" place=\"3\"/></RANKINGS></AGEGROUP>"
      "<AGEGROUP agegroupid=\"2\"><RANKINGS><RANKING resultid=\"1\" place=\"1\"/><RANKING place=\"5\"/>"
      "</RANKINGS></AGEGROUP></AGEGROUPS>";
  const std::string v3results =
      "<RESULTS><RESULT resultid=\"1\" eventid=\"1\" place=\"7\"/><RESULT resultid=\"2\" eventid=\"1\" place=\"4\"/>"
      "<RESULT resultid=\"3\" eventid=\"1\"/><RESULT eventid=\"1\" place=\"6\"/></RESULTS>";
  auto v3 =
      ReadDoc("3.0", "", Events(Event(1, 1, "", groups)) + "<CLUBS>" + Club("", Athlete("", v3results)) + "</CLUBS>");
  auto r3 = MeetOf(v3)->FindEvent(1)->GetResults();
  std::vector<int> ids;
  for (const auto& r : *r3) ids.push_back(r->GetId());
  // The ranking without "resultid" does not give the result without one place 5: it keeps its 6.
  EXPECT_EQ(ids, (std::vector<int>{1, 2, 0, 3}));
  EXPECT_EQ(Places(*r3), (std::vector<int>{1, 4, 6, kNoPlace}));
}

TEST(ResultPlaces, ResultOrderPutsPlacesFirstThenStatus) {
  const std::string results =
      "<RESULTS><RESULT eventid=\"1\" status=\"DNS\"/><RESULT eventid=\"1\" place=\"2\"/>"
      "<RESULT eventid=\"1\" status=\"DSQ\"/><RESULT eventid=\"1\" place=\"1\"/></RESULTS>";
  auto doc = ReadDoc("2.0", "", Events(Event(1, 1)) + "<CLUBS>" + Club("", Athlete("", results)) + "</CLUBS>");
  auto r = MeetOf(doc)->FindEvent(1)->GetResults();
  ASSERT_EQ(r->GetCount(), 4);
  EXPECT_EQ(Places(*r), (std::vector<int>{1, 2, kNoPlace, kNoPlace}));
  EXPECT_EQ(r->GetItem(2)->GetPlaceText(), "DSQ");
  EXPECT_EQ(r->GetItem(3)->GetPlaceText(), "DNS");
}

TEST(EntryJoin, ResultFindsOrGainsItsEntryAndHeat) {
  const std::string heats =
      "<HEATS><HEAT heatid=\"10\" number=\"4\"/><HEAT heatid=\"11\" number=\"5\"/><HEAT number=\"9\"/></HEATS>";
  const std::string a1 =
      Athlete("athleteid=\"1\" lastname=\"Berg\" firstname=\"Jan\" gender=\"M\" birthdate=\"2009-03-04\"",
              "<ENTRIES><ENTRY eventid=\"1\" entrytime=\"00:01:02.50\" heatid=\"10\" lane=\"4\">"
              "<MEETINFO city=\"Bern\" nation=\"CH\" qualificationtime=\"00:01:01.00\" date=\"2024-02-03\"/></ENTRY>"
              "<ENTRY eventid=\"2\" entrytime=\"00:00:00.00\" heat=\"3\" lane=\"2\"/></ENTRIES>"
              "<RESULTS><RESULT resultid=\"1\" eventid=\"1\" swimtime=\"00:01:01.00\"/>"
              "<RESULT resultid=\"2\" eventid=\"2\" swimtime=\"00:59:50.50\" status=\"DSQ\"/>"
              "<RESULT resultid=\"3\" eventid=\"3\" swimtime=\"00:59:50.50\"/>"
              "<RESULT resultid=\"4\" eventid=\"1\" heatid=\"11\" lane=\"6\"/></RESULTS>");
  auto doc = ReadDoc(
      "3.0", "",
      Events(Event(1, 1, "", heats) + Event(2, 2) + Event(3, 3)) + "<CLUBS>" + Club("name=\"A\"", a1) + "</CLUBS>");
  auto meet = MeetOf(doc);
  auto athlete = meet->FindAthlete(1);
  auto results = athlete->GetResults(0, 0);
  ASSERT_EQ(results->GetCount(), 4);
  auto r1 = results->GetItem(0), r2 = results->GetItem(1), r3 = results->GetItem(2), r4 = results->GetItem(3);

  // Heat by "heatid", entry time and meet info from the matching entry.
  EXPECT_EQ(r1->GetHeat()->GetNumber(), 4);
  EXPECT_EQ(r1->GetLane(), 4);
  EXPECT_EQ(r1->GetEntryTime(), 62500);
  EXPECT_EQ(r1->GetEntryTimeText(), "1:02.50");
  EXPECT_EQ(r1->GetMeetInfo()->GetCityAndNation(), "Bern (SUI)");
  EXPECT_EQ(r1->GetMeetInfo()->GetQualificationTime(), 61000);
  EXPECT_EQ(r1->GetMeetInfo()->GetDateText(), "03.02.2024");
  EXPECT_EQ(r1->GetSwimTimeText(), "1:01.00");
  EXPECT_EQ(r1->GetBirthYearText(), "09");
  EXPECT_EQ(r1->GetName(true), "BERG, Jan");
  EXPECT_EQ(r1->GetEvent()->GetNumber(), 1);

  // Entry time 0 is no time; a heat known only by its number.
  EXPECT_EQ(r2->GetEntryTime(), 2147483647);
  EXPECT_EQ(r2->GetEntryTimeText(), "NT");
  EXPECT_EQ(r2->GetHeat()->GetNumber(), 3);
  // Disqualified with 00:59:50.50: no time. The same time without DSQ is a time.
  EXPECT_EQ(r2->GetSwimTime(), 2147483647);
  EXPECT_EQ(r2->GetSwimTimeText(), "");
  EXPECT_EQ(r3->GetSwimTime(), 3590500);

  // No entry for event 3: one is appended in memory and kept; no heat, no lane, no entry time.
  EXPECT_EQ(athlete->GetEntries(0, 0)->GetCount(), 2);
  EXPECT_EQ(r3->GetHeat()->GetNumber(), -1);
  EXPECT_EQ(r3->GetLane(), 0);
  EXPECT_EQ(r3->GetEntryTimeText(), "NT");
  auto entries = athlete->GetEntries(0, 0);
  ASSERT_EQ(entries->GetCount(), 3);
  EXPECT_EQ(entries->GetItem(2)->GetEvent()->GetId(), 3);
  r3->GetHeat();
  EXPECT_EQ(athlete->GetEntries(0, 0)->GetCount(), 3);  // no second one

  // A result that names its own heat and lane (results files without entries) shows them.
  EXPECT_EQ(r4->GetHeat()->GetNumber(), 5);
  EXPECT_EQ(r4->GetLane(), 6);
  EXPECT_EQ(r4->GetEntryTime(), 62500);  // still the entry's
}

TEST(EntryJoin, OwnCollectionsRoundFilterAndSortOrders) {
  const std::string a =
      Athlete("athleteid=\"1\" gender=\"F\"",
              "<ENTRIES><ENTRY eventid=\"3\" entrytime=\"00:01:00.00\"/>"
              "<ENTRY eventid=\"1\" entrytime=\"00:01:10.00\"/>"
              "<ENTRY eventid=\"2\" entrytime=\"00:00:50.00\"/></ENTRIES>"
              "<RESULTS><RESULT eventid=\"2\"/><RESULT eventid=\"1\"/><RESULT eventid=\"9\"/></RESULTS>");
  auto doc = ReadDoc("3.0", "",
                     Events(Event(1, 30, "round=\"PRE\"") + Event(2, 10, "round=\"FIN\"") + Event(3, 20)) + "<CLUBS>" +
                         Club("", a) + "</CLUBS>");
  auto athlete = MeetOf(doc)->FindAthlete(1);
  auto numbers = [](const auto& items) {
    std::vector<int> n;
    for (const auto& e : *items) n.push_back(e->GetEvent() ? e->GetEvent()->GetNumber() : 0);
    return n;
  };
  EXPECT_EQ(numbers(athlete->GetEntries(-1, 0)), (std::vector<int>{20, 30, 10}));
  EXPECT_EQ(numbers(athlete->GetEntries(kEntriesByEventNumber, 0)), (std::vector<int>{10, 20, 30}));
  EXPECT_EQ(numbers(athlete->GetEntries(kEntriesByEntryTime, 0)), (std::vector<int>{10, 20, 30}));
  EXPECT_EQ(numbers(athlete->GetEntries(0, RoundBit(1) | RoundBit(2))), (std::vector<int>{20, 30}));
  // The result in an unknown event passes only without a round filter.
  EXPECT_EQ(numbers(athlete->GetResults(0, 0)), (std::vector<int>{10, 30, 0}));
  EXPECT_EQ(numbers(athlete->GetResults(0, RoundBit(9))), (std::vector<int>{10}));
}

TEST(EventCollections, ClubByClubAthletesBeforeRelaysForAClubOrAgeGroup) {
  const std::string relayEvent = Event(1, 1, "", "<AGEGROUPS><AGEGROUP agegroupid=\"7\"/></AGEGROUPS>", 4);
  auto result = [](int id, int ageGroup) {
    return "<RESULTS><RESULT resultid=\"" + std::to_string(id) + "\" eventid=\"1\" agegroupid=\"" +
           std::to_string(ageGroup) + "\"/></RESULTS>";
  };
  auto entry = "<ENTRIES><ENTRY eventid=\"1\"/></ENTRIES>";
  const std::string clubs = "<CLUBS>" +
                            Club("name=\"A\"", Athlete("", result(2, 7) + entry),
                                 "<RELAY number=\"1\">" + result(1, 7) + entry + "</RELAY>") +
                            Club("name=\"B\"", Athlete("", result(3, 8) + entry) + Athlete("", result(4, 7))) +
                            "</CLUBS>";
  auto doc = ReadDoc("2.0", "", Events(relayEvent) + clubs);
  auto event = MeetOf(doc)->FindEvent(1);
  auto ids = [](const IQbLenexResults& results) {
    std::vector<int> v;
    for (const auto& r : results) v.push_back(r->GetId());
    return v;
  };
  // No places: result order keeps the collection order for equal statuses.
  EXPECT_EQ(ids(*event->GetResults()), (std::vector<int>{2, 1, 3, 4}));
  EXPECT_EQ(ids(*event->GetAgeGroups()->GetItem(0)->GetResults()), (std::vector<int>{2, 1, 4}));
  auto clubsOf = MeetOf(doc)->GetClubs(0);
  auto entriesA = event->GetEntries(0, clubsOf->GetItem(0));
  ASSERT_EQ(entriesA->GetCount(), 2);
  EXPECT_EQ(entriesA->GetItem(0)->GetRelay(), nullptr);
  ASSERT_NE(entriesA->GetItem(1)->GetRelay(), nullptr);
  EXPECT_EQ(entriesA->GetItem(1)->GetName(false), "1. team");
  EXPECT_EQ(entriesA->GetItem(1)->GetBirthYearText(), "");
  EXPECT_EQ(event->GetEntries(0, nullptr)->GetCount(), 3);
  EXPECT_EQ(clubsOf->GetItem(0)->GetRelayEntries(0, 0)->GetCount(), 1);
}

TEST(Relays, OwnNameNameAndAgeRange) {
  struct Case {
    const char* name;
    int number;
    const char* ownName;
  } cases[] = {
      {"SC Aqua", 1, ""},    {"SC Aqua 2", 2, ""},      {"sc aqua b", 2, ""},          {"SC Aqua A", 0, ""},
      {"SC Aqua Z", 30, ""}, {"Juniors", 1, "Juniors"}, {"SC Aqua C", 2, "SC Aqua C"}, {"SC Aqua 1", 2, "SC Aqua 1"},
  };
  std::string relays;
  for (const auto& c : cases)
    relays += std::string("<RELAY name=\"") + c.name + "\" number=\"" + std::to_string(c.number) + "\"/>";
  relays += "<RELAY number=\"3\" gender=\"X\" agetotalmin=\"120\" agetotalmax=\"159\" agemin=\"10\" agemax=\"12\"/>";
  relays += "<RELAY number=\"4\" agemin=\"10\" agemax=\"12\"/><RELAY number=\"5\"/>";
  auto doc = ReadDoc("3.0", "", "<CLUBS>" + Club("name=\"SC Aqua\"", "", relays) + "</CLUBS>");
  auto all = MeetOf(doc)->GetClubs(0)->GetItem(0)->GetRelays();
  ASSERT_EQ(all->GetCount(), 11);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(all->GetItem(i)->GetOwnName(), cases[i].ownName) << cases[i].name;

  auto total = all->GetItem(8), single = all->GetItem(9), open = all->GetItem(10);
  EXPECT_EQ(total->GetName(false), "3. team");
  EXPECT_EQ(total->GetName(true), "3. team, Mixed");
  EXPECT_TRUE(total->HasTotalAge());
  EXPECT_EQ(total->GetAgeRange().GetMin(), 120);
  EXPECT_FALSE(single->HasTotalAge());
  EXPECT_EQ(single->GetAgeRange().GetMax(), 12);
  EXPECT_FALSE(single->GetAgeText().empty());
  EXPECT_EQ(open->GetAgeText(), "");
}

TEST(Clubs, NationFallBacksTypeKeyAndNames) {
  struct Case {
    const char* meetNation;
    const char* clubAttrs;
    const char* nation;
    int type;
    const char* key;
  } cases[] = {
      {"GER", "name=\"SV Nord\" code=\"1234\" region=\"BY\"", "GER", 1, "GER.BY.1234"},
      {"", "name=\"Schweiz\" code=\"SUI\"", "SUI", 6, "SUI"},
      {"", "name=\"ITA\" code=\"0\"", "ITA", 1, "ITA"},
      {"GER", "name=\"Praha\" nation=\"CZ\" region=\"CZ\"", "CZE", 1, "CZE.CZ"},
      {"", "name=\"Nobody\"", "", 1, ""},
      {"GER", "name=\"Bayern\" type=\"REGIONALTEAM\" code=\"GER\"", "GER", 4, "GER"},
  };
  for (const auto& c : cases) {
    auto doc = ReadDoc("3.0", std::string("nation=\"") + c.meetNation + "\"",
                       std::string("<CLUBS><CLUB ") + c.clubAttrs + "/></CLUBS>");
    auto club = MeetOf(doc)->GetClubs(0)->GetItem(0);
    EXPECT_EQ(club->GetNation(), c.nation) << c.clubAttrs;
    EXPECT_EQ(club->GetClubType(), c.type) << c.clubAttrs;
    EXPECT_EQ(club->GetStatsKey(), c.key) << c.clubAttrs;
    std::string key = c.key;
    EXPECT_EQ(club->GetStatsName(), key.empty() ? club->GetName() : club->GetName() + " (" + key + ")");
  }
  auto doc = ReadDoc("3.0", "",
                     "<CLUBS><CLUB name=\"Łódź\" shortname=\"ŁKS\"><CONTACT email=\"a@example.org\" name=\"Ann\"/>"
                     "</CLUB><CLUB name=\"łódź\"/><CLUB name=\"Zürich\"/></CLUBS>");
  auto clubs = MeetOf(doc)->GetClubs(0);
  auto lodz = clubs->GetItem(0);
  EXPECT_EQ(lodz->GetNameEn(), "Lodz");
  EXPECT_EQ(lodz->GetShortName(), "ŁKS");
  EXPECT_EQ(lodz->GetShortNameEn(), "LKS");
  EXPECT_EQ(clubs->GetItem(2)->GetShortNameEn(), "Zurich");
  EXPECT_EQ(lodz->GetContact()->GetEmail(), "a@example.org");
  EXPECT_EQ(clubs->GetItem(2)->GetContact(), nullptr);
  EXPECT_EQ(clubs->FindByName(*clubs->GetItem(1)).get(), lodz.get());
}

TEST(Athletes, NamesNationAgeLicenseAndSortOrders) {
  const std::string athletes =
      Athlete(
          "athleteid=\"1\" lastname=\"Noè\" firstname=\"Zoë\" gender=\"F\" birthdate=\"2010-07-01\" "
          "license=\" 12 34 \" nation=\"YUG\"",
          "") +
      Athlete("athleteid=\"2\" lastname=\"adams\" firstname=\"Bo\" gender=\"M\"", "") +
      Athlete("athleteid=\"3\" lastname=\"Ball\" firstname=\"Al\" gender=\"M\" lastname.en=\"Bell\"", "");
  auto doc = ReadDoc("3.0", "nation=\"GER\"",
                     "<AGEDATE value=\"2024-06-30\" type=\"DATE\"/>" + Events("") + "<CLUBS>" +
                         Club("name=\"A\"", athletes) + "</CLUBS>");
  auto club = MeetOf(doc)->GetClubs(0)->GetItem(0);
  auto noe = MeetOf(doc)->FindAthlete(1);
  EXPECT_EQ(noe->GetLicense(), "1234");
  EXPECT_EQ(noe->GetNation(), "SRB");
  EXPECT_EQ(noe->GetClubNation(), "GER");
  EXPECT_EQ(noe->GetAge(), 13);  // by date: not yet 14 on 30 June
  EXPECT_EQ(noe->GetFullName(), "NOÈ, Zoë");
  EXPECT_EQ(noe->GetFullNameWithBirthdate(), "NOÈ, Zoë, 1 Jul 2010");
  EXPECT_EQ(noe->GetFirstNameEn(), "Zoe");
  EXPECT_EQ(noe->GetClub()->GetName(), "A");
  auto bo = MeetOf(doc)->FindAthlete(2);
  EXPECT_EQ(bo->GetNation(), "GER");
  EXPECT_EQ(bo->GetFullNameWithBirthdate(), "ADAMS, Bo");
  EXPECT_EQ(bo->GetAge(), 99);
  EXPECT_EQ(MeetOf(doc)->FindAthlete(3)->GetLastNameEn(), "Bell");

  auto ids = [](const IQbLenexAthletes& a) {
    std::vector<int> v;
    for (const auto& x : a) v.push_back(x->GetId());
    return v;
  };
  EXPECT_EQ(ids(*club->GetAthletes(0)), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(ids(*club->GetAthletes(kAthletesByName)), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(ids(*club->GetAthletes(kAthletesByGenderAndName)), (std::vector<int>{2, 3, 1}));
}

TEST(Splits, SortedSplitAndLapTimes) {
  const std::string a = Athlete("",
                                "<RESULTS><RESULT eventid=\"1\"><SPLITS><SPLIT distance=\"100\" "
                                "swimtime=\"00:01:02.50\"/><SPLIT distance=\"50\" swimtime=\"00:00:30.00\"/>"
                                "<SPLIT distance=\"150\" swimtime=\"00:01:35.00\"/></SPLITS></RESULT>"
                                "<RESULT eventid=\"1\"><SPLITS><SPLIT distance=\"100\" swimtime=\"00:01:02.50\"/>"
                                "</SPLITS></RESULT></RESULTS>");
  auto doc = ReadDoc("3.0", "", Events(Event(1, 1)) + "<CLUBS>" + Club("", a) + "</CLUBS>");
  auto results = MeetOf(doc)->GetClubs(0)->GetItem(0)->GetAthletes(0)->GetItem(0)->GetResults(0, 0);
  auto splits = results->GetItem(0)->GetSplits();
  ASSERT_EQ(splits->GetCount(), 3);
  EXPECT_EQ(splits->GetItem(0)->GetDistance(), 50);
  EXPECT_EQ(splits->GetItem(2)->GetDistance(), 150);
  EXPECT_EQ(splits->GetLapTime(50, 100), 32500);
  EXPECT_EQ(splits->GetLapTimeText(50, 100), "32.50");
  EXPECT_EQ(splits->GetLapTime(0, 50), 30000);
  EXPECT_EQ(splits->GetSplitTimeText(150), "1:35.00");
  EXPECT_EQ(splits->GetSplitTime(75), 0);
  auto without50 = results->GetItem(1)->GetSplits();
  EXPECT_EQ(without50->GetLapTime(50, 100), 0);
  EXPECT_EQ(without50->GetLapTimeText(50, 100), "");
}

TEST(ClubStats, AthletesAndStartsCountEachEventOnce) {
  // Events 1 (TIM) and 2 (PRE) count, event 3 (FIN) does not.
  const std::string events =
      Events(Event(1, 1) + Event(2, 2, "round=\"PRE\"") + Event(3, 3, "round=\"FIN\"") + Event(4, 4, "", "", 4));
  const std::string athletes =
      Athlete("gender=\"M\"",
              "<ENTRIES><ENTRY eventid=\"1\"/><ENTRY eventid=\"2\"/><ENTRY eventid=\"3\"/></ENTRIES>"
              "<RESULTS><RESULT eventid=\"1\"/><RESULT eventid=\"1\"/><RESULT eventid=\"3\"/></RESULTS>") +
      Athlete("gender=\"F\"", "<RESULTS><RESULT eventid=\"2\"/></RESULTS>") + Athlete("gender=\"F\"", "") +
      Athlete("", "<RESULTS><RESULT eventid=\"1\"/></RESULTS>");
  const std::string relays =
      "<RELAY gender=\"X\"><RESULTS><RESULT eventid=\"4\"/></RESULTS><ENTRIES><ENTRY eventid=\"4\"/></ENTRIES></RELAY>"
      "<RELAY gender=\"F\"><ENTRIES><ENTRY eventid=\"4\"/></ENTRIES></RELAY>";
  auto doc = ReadDoc("3.0", "", events + "<CLUBS>" + Club("name=\"A\" code=\"AB\"", athletes, relays) + "</CLUBS>");
  auto club = MeetOf(doc)->GetClubs(0)->GetItem(0);
  const TQbGenderSet m = GenderBit(1), f = GenderBit(2), x = GenderBit(3);
  EXPECT_EQ(club->GetAthleteCount(m), 1);
  EXPECT_EQ(club->GetAthleteCount(f), 2);
  EXPECT_EQ(club->GetAthleteCount(kAllGenders), 3);
  EXPECT_EQ(club->GetStartCount(m, false), 2);  // events 1 and 2
  EXPECT_EQ(club->GetStartCount(f, false), 1);
  EXPECT_EQ(club->GetStartCount(m | f, false), 3);
  EXPECT_EQ(club->GetStartCount(x, true), 1);
  EXPECT_EQ(club->GetStartCount(kAllGenders, true), 2);
  EXPECT_EQ(club->GetStartCount(x, false), 0);
  auto stats = std::dynamic_pointer_cast<const TLnxClub>(club)->GetStats();
  EXPECT_EQ(stats->GetDisplayName(), "A (AB)");
  EXPECT_EQ(stats.get(), std::dynamic_pointer_cast<const TLnxClub>(club)->GetStats().get());
}

TEST(Teams, TeamResultByGenderAndNumber) {
  const std::string a = Athlete("athleteid=\"5\" gender=\"F\"",
                                "<RESULTS><RESULT eventid=\"2\" place=\"3\"/><RESULT eventid=\"1\"/></RESULTS>");
  const std::string team =
      "<TEAMS><TEAM number=\"1\" gender=\"F\"><ENTRIES><ENTRY athleteid=\"5\" number=\"2\"/>"
      "<ENTRY athleteid=\"5\" number=\"7\"/></ENTRIES></TEAM></TEAMS>";
  auto doc = ReadDoc("2.0", "",
                     Events(Event(1, 2) + Event(2, 102)) + "<CLUBS><CLUB name=\"A\"><ATHLETES>" + a + "</ATHLETES>" +
                         team + "</CLUB></CLUBS>");
  auto teams = MeetOf(doc)->GetClubs(0)->GetItem(0)->GetTeams();
  ASSERT_EQ(teams->GetCount(), 1);
  EXPECT_EQ(teams->GetItem(0)->GetGender(), 2);
  auto members = teams->GetItem(0)->GetTeamAthletes();
  ASSERT_EQ(members->GetCount(), 2);
  EXPECT_EQ(members->GetItem(0)->GetAthlete()->GetId(), 5);
  ASSERT_NE(members->GetItem(0)->GetTeamResult(), nullptr);
  EXPECT_EQ(members->GetItem(0)->GetTeamResult()->GetPlace(), 3);
  EXPECT_EQ(members->GetItem(1)->GetTeamResult(), nullptr);
}

TEST(RelayPositions, SortedByNumberWithTheirAthletes) {
  const std::string clubs =
      "<CLUBS>" +
      Club("name=\"A\"", Athlete("athleteid=\"8\" lastname=\"Ray\"", ""),
           "<RELAY number=\"1\" gender=\"M\" name=\"A\"><RESULTS><RESULT eventid=\"1\"><RELAYPOSITIONS>"
           "<RELAYPOSITION number=\"2\" athleteid=\"9\" reactiontime=\"+12\"/>"
           "<RELAYPOSITION number=\"1\" athleteid=\"8\" status=\"DSQ\"/></RELAYPOSITIONS></RESULT></RESULTS></RELAY>") +
      "</CLUBS>";
  auto doc = ReadDoc("3.0", "", Events(Event(1, 1, "", "", 4)) + clubs);
  auto result = MeetOf(doc)->FindEvent(1)->GetResults()->GetItem(0);
  auto positions = result->GetRelayPositions();
  ASSERT_EQ(positions->GetCount(), 2);
  EXPECT_EQ(positions->GetItem(0)->GetAthlete()->GetLastName(), "Ray");
  EXPECT_EQ(positions->GetItem(0)->GetStatus(), 2);
  EXPECT_EQ(positions->GetItem(0)->GetReactionTime(), kNoReactionTime);
  EXPECT_EQ(positions->GetItem(1)->GetReactionTime(), 12);
  EXPECT_EQ(positions->GetItem(1)->GetAthlete(), nullptr);
  EXPECT_EQ(result->GetRelay()->GetNumber(), 1);
  EXPECT_EQ(result->GetName(true), "A, Men");
  EXPECT_EQ(result->GetRelay()->GetOwnName(), "");
}

TEST(Officials, NamesContactAndMeetInfoReplacement) {
  const std::string contact =
      "<CONTACT city=\"c1\" country=\"c2\" email=\"c3\" fax=\"c4\" name=\"c5\" internet=\"c6\" mobile=\"c7\" "
      "phone=\"c8\" state=\"c9\" street=\"c10\" street2=\"c11\" zip=\"c12\"/>";
  auto doc = ReadDoc("3.0", "",
                     Events(Event(1, 1)) +
                         "<CLUBS><CLUB name=\"A\"><OFFICIALS><OFFICIAL officialid=\"4\" "
                         "lastname=\"Ode\" firstname=\"Iris\" gender=\"F\" grade=\"R1\" nation=\"CZ\">" +
                         contact + "</OFFICIAL></OFFICIALS>" +
                         "<ATHLETES><ATHLETE><ENTRIES><ENTRY eventid=\"1\"><MEETINFO city=\"Old\"/></ENTRY></ENTRIES>"
                         "</ATHLETE></ATHLETES></CLUB></CLUBS>");
  auto club = MeetOf(doc)->GetClubs(0)->GetItem(0);
  auto official = club->GetOfficials()->GetItem(0);
  EXPECT_EQ(official->GetId(), 4);
  EXPECT_EQ(official->GetFullName(), "ODE, Iris");
  EXPECT_EQ(official->GetGender(), 2);
  EXPECT_EQ(official->GetGrade(), "R1");
  EXPECT_EQ(official->GetNation(), "CZ");  // as written
  auto c = official->GetContact();
  std::vector<std::string> all = {c->GetCity(),     c->GetCountry(),     c->GetEmail(),  c->GetFax(),   c->GetName(),
                                  c->GetInternet(), c->GetContactName(), c->GetMobile(), c->GetPhone(), c->GetState(),
                                  c->GetStreet(),   c->GetStreet2(),     c->GetZip()};
  EXPECT_EQ(
      all, (std::vector<std::string>{"c1", "c2", "c3", "c4", "c5", "c6", "c5", "c7", "c8", "c9", "c10", "c11", "c12"}));

  auto entry = MeetOf(doc)->FindEvent(1)->GetEntries(0, nullptr)->GetItem(0);
  EXPECT_EQ(entry->GetMeetInfo()->GetCity(), "Old");
  auto replacement = NewXmlElement("MEETINFO");
  replacement->SetAttribute("city", "New");
  std::dynamic_pointer_cast<const TLnxEntry>(entry)->ReplaceMeetInfo(replacement);
  EXPECT_EQ(entry->GetMeetInfo()->GetCity(), "New");
}

TEST(EntryJoin, AgeGroupOnlyWhenTheResultNamesOne) {
  const std::string groups =
      "<AGEGROUPS><AGEGROUP name=\"Open\"/><AGEGROUP agegroupid=\"3\" name=\"Youth\"/></AGEGROUPS>";
  const std::string a = Athlete("",
                                "<RESULTS><RESULT eventid=\"1\"/><RESULT eventid=\"1\" agegroupid=\"3\"/>"
                                "<RESULT eventid=\"1\" agegroupid=\"4\"/></RESULTS>");
  auto doc = ReadDoc("3.0", "", Events(Event(1, 1, "", groups)) + "<CLUBS>" + Club("", a) + "</CLUBS>");
  auto results = MeetOf(doc)->FindEvent(1)->GetResults();
  ASSERT_EQ(results->GetCount(), 3);
  EXPECT_EQ(results->GetItem(0)->GetAgeGroup(), nullptr);
  ASSERT_NE(results->GetItem(1)->GetAgeGroup(), nullptr);
  EXPECT_EQ(results->GetItem(1)->GetAgeGroup()->GetName(), "Youth");
  EXPECT_EQ(results->GetItem(2)->GetAgeGroup(), nullptr);
}
