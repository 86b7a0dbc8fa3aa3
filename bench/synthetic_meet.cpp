#include "synthetic_meet.h"

#include <cstdio>
#include <map>
#include <random>
#include <vector>

namespace lapscope::bench {

namespace {

struct Event {
  int id, number, distance, relayCount;
  const char* stroke;
  const char* gender;
};

std::string Time(int ms) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d.%02d", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms / 10 % 100);
  return buf;
}

}  // namespace

std::string MakeSyntheticMeet(std::size_t targetBytes, unsigned seed) {
  std::mt19937 rng(seed);
  static const char* kStrokes[] = {"FREE", "BACK", "BREAST", "FLY", "MEDLEY"};
  static const char* kFirst[] = {"Anna", "Lena", "Jonas", "Noè", "Мария", "Lukas", "Sofía", "Ömer", "Zoë", "Piotr"};
  static const char* kLast[] = {"Müller", "Архипенко", "van den Berg", "Nowak", "Dubois", "García", "O'Neil", "Smith"};

  std::vector<Event> events;
  int id = 1;
  for (int n = 1; n <= 40; ++n) {
    bool relay = n % 10 == 0;
    events.push_back({id++, n, relay ? 100 : (n % 4 + 1) * 50, relay ? 4 : 1, kStrokes[n % 5], n % 2 ? "M" : "F"});
  }

  int athleteId = 1, resultId = 1, club = 0;
  std::string clubs;
  std::map<std::pair<int, int>, std::vector<int>> ranking;  // (event id, age group id) -> result ids
  while (clubs.size() < targetBytes / 20 * 17) {  // rankings and events make up the rest
    ++club;
    char buf[1024];
    std::snprintf(buf, sizeof buf,
                  "    <CLUB name=\"Swim Club %d\" code=\"SC%04d\" nation=\"GER\" region=\"%d\">\r\n     <ATHLETES>\r\n",
                  club, club, club % 17);
    clubs += buf;
    std::vector<int> clubAthletes;
    for (int a = 0; a < 20; ++a, ++athleteId) {
      clubAthletes.push_back(athleteId);
      const char* gender = rng() % 2 ? "M" : "F";
      std::snprintf(buf, sizeof buf,
                    "      <ATHLETE athleteid=\"%d\" lastname=\"%s\" firstname=\"%s\" gender=\"%s\" "
                    "birthdate=\"%d-%02d-%02d\" license=\"%d\">\r\n       <RESULTS>\r\n",
                    athleteId, kLast[rng() % 8], kFirst[rng() % 10], gender, 2010 + static_cast<int>(rng() % 6),
                    1 + static_cast<int>(rng() % 12), 1 + static_cast<int>(rng() % 28), 100000 + athleteId);
      clubs += buf;
      for (int r = 0; r < 4; ++r, ++resultId) {
        const Event& e = events[rng() % events.size()];
        if (e.relayCount > 1) continue;
        int ms = e.distance * (600 + static_cast<int>(rng() % 400));
        std::snprintf(buf, sizeof buf,
                      "        <RESULT resultid=\"%d\" eventid=\"%d\" swimtime=\"%s\" lane=\"%d\" heatid=\"%d\" "
                      "points=\"%d\" reactiontime=\"+%d\">\r\n         <SPLITS>\r\n",
                      resultId, e.id, Time(ms).c_str(), 1 + static_cast<int>(rng() % 8),
                      1 + static_cast<int>(rng() % 30), 200 + static_cast<int>(rng() % 600),
                      55 + static_cast<int>(rng() % 30));
        clubs += buf;
        ranking[{e.id, 1 + resultId % 3}].push_back(resultId);
        for (int d = 50; d < e.distance; d += 50) {
          std::snprintf(buf, sizeof buf, "          <SPLIT distance=\"%d\" swimtime=\"%s\" />\r\n", d,
                        Time(ms * d / e.distance).c_str());
          clubs += buf;
        }
        clubs += "         </SPLITS>\r\n        </RESULT>\r\n";
      }
      clubs += "       </RESULTS>\r\n      </ATHLETE>\r\n";
    }
    clubs += "     </ATHLETES>\r\n     <RELAYS>\r\n";
    for (int r = 0; r < 2; ++r, ++resultId) {
      const Event& e = events[9 + 10 * (rng() % 4)];
      std::snprintf(buf, sizeof buf,
                    "      <RELAY number=\"%d\" gender=\"%s\" agemin=\"10\" agemax=\"13\">\r\n       <RESULTS>\r\n"
                    "        <RESULT resultid=\"%d\" eventid=\"%d\" swimtime=\"%s\">\r\n         <RELAYPOSITIONS>\r\n",
                    r + 1, e.gender, resultId, e.id, Time(e.distance * 4 * 700).c_str());
      clubs += buf;
      for (int p = 1; p <= 4; ++p) {
        std::snprintf(buf, sizeof buf, "          <RELAYPOSITION number=\"%d\" athleteid=\"%d\" />\r\n", p,
                      clubAthletes[static_cast<size_t>(p - 1 + r * 4)]);
        clubs += buf;
      }
      clubs += "         </RELAYPOSITIONS>\r\n        </RESULT>\r\n       </RESULTS>\r\n      </RELAY>\r\n";
    }
    clubs += "     </RELAYS>\r\n    </CLUB>\r\n";
  }
  std::string out;
  out.reserve(targetBytes + 4096);
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<LENEX version=\"3.0\">\r\n";
  out += " <CONSTRUCTOR name=\"Synthetic meet generator\" version=\"1\">\r\n";
  out += "  <CONTACT name=\"Lapscope\" email=\"bench@example.org\" />\r\n </CONSTRUCTOR>\r\n <MEETS>\r\n";
  out += "  <MEET name=\"Synthetic Championships\" city=\"Example City\" nation=\"GER\" course=\"LCM\">\r\n";
  out += "   <AGEDATE value=\"2026-12-31\" type=\"YEAR\" />\r\n   <POOL lanemin=\"1\" lanemax=\"8\" />\r\n";
  out += "   <SESSIONS>\r\n    <SESSION number=\"1\" date=\"2026-12-11\" daytime=\"09:00\">\r\n     <EVENTS>\r\n";
  for (const auto& e : events) {
    char buf[512];
    std::snprintf(buf, sizeof buf,
                  "      <EVENT eventid=\"%d\" number=\"%d\" gender=\"%s\" round=\"TIM\">\r\n"
                  "       <SWIMSTYLE distance=\"%d\" relaycount=\"%d\" stroke=\"%s\" />\r\n       <AGEGROUPS>\r\n",
                  e.id, e.number, e.gender, e.distance, e.relayCount, e.stroke);
    out += buf;
    for (int g = 1; g <= 3; ++g) {
      std::snprintf(buf, sizeof buf, "        <AGEGROUP agegroupid=\"%d\" agemin=\"%d\" agemax=\"%d\">\r\n", g,
                    8 + 2 * g, 9 + 2 * g);
      out += buf;
      auto& ranked = ranking[{e.id, g}];
      if (!ranked.empty()) {
        out += "         <RANKINGS>\r\n";
        for (size_t place = 0; place < ranked.size(); ++place) {
          std::snprintf(buf, sizeof buf, "          <RANKING place=\"%zu\" resultid=\"%d\" />\r\n", place + 1,
                        ranked[place]);
          out += buf;
        }
        out += "         </RANKINGS>\r\n";
      }
      out += "        </AGEGROUP>\r\n";
    }
    out += "       </AGEGROUPS>\r\n      </EVENT>\r\n";
  }
  out += "     </EVENTS>\r\n    </SESSION>\r\n   </SESSIONS>\r\n   <CLUBS>\r\n";
  out += clubs;

  out += "   </CLUBS>\r\n  </MEET>\r\n </MEETS>\r\n</LENEX>\r\n";
  return out;
}

}  // namespace lapscope::bench
