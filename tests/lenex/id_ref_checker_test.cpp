#include <gtest/gtest.h>

#include "lenex/qb_lenex.h"
#include "lenex/reader/qb_lenex_reader_default.h"

using namespace lnx;

namespace {
std::vector<std::string> Errors(const std::string& meetBody) {
  auto reader = TQbLenexReaderDefault::FromText("<LENEX version=\"3.0\"><MEETS><MEET>\n" + meetBody +
                                                "</MEET></MEETS></LENEX>");
  return TQbLenex::FromReader(*reader, true)->GetErrors();
}

const char* kEvents =
    "<SESSIONS><SESSION><EVENTS>\n"
    "<EVENT eventid=\"1\" number=\"1\"><AGEGROUPS><AGEGROUP agegroupid=\"1\" agemin=\"10\" agemax=\"11\"/>\n"
    "<AGEGROUP agegroupid=\"2\" agemin=\"12\" agemax=\"13\"/></AGEGROUPS></EVENT>\n"
    "<EVENT eventid=\"2\" number=\"2\"><AGEGROUPS><AGEGROUP agegroupid=\"5\" agemin=\"-1\" agemax=\"-1\"/>"
    "</AGEGROUPS></EVENT>\n"
    "</EVENTS></SESSION></SESSIONS>\n";
}  // namespace

TEST(IdRefChecker, ConsistentMeetPasses) {
  EXPECT_TRUE(Errors(std::string(kEvents) +
                     "<CLUBS><CLUB name=\"A\"><ATHLETES><ATHLETE athleteid=\"7\" lastname=\"X\"><RESULTS>"
                     "<RESULT eventid=\"1\" agegroupid=\"2\"/><RESULT eventid=\"2\" agegroupid=\"99\"/></RESULTS>"
                     "<ENTRIES><ENTRY eventid=\"1\"/></ENTRIES></ATHLETE></ATHLETES>"
                     "<RELAYS><RELAY><RESULTS><RESULT eventid=\"1\"><RELAYPOSITIONS><RELAYPOSITION athleteid=\"7\"/>"
                     "<RELAYPOSITION/></RELAYPOSITIONS></RESULT></RESULTS></RELAY></RELAYS></CLUB></CLUBS>")
                  .empty());
}

TEST(IdRefChecker, BrokenReferencesAreReportedWithTheirLines) {
  auto errors = Errors(
      "<SESSIONS><SESSION><EVENTS>\n"
      "<EVENT eventid=\"1\" number=\"1\"><AGEGROUPS><AGEGROUP agegroupid=\"1\" agemin=\"10\"/>\n"
      "<AGEGROUP agegroupid=\"1\" agemin=\"12\"/></AGEGROUPS></EVENT>\n"
      "<EVENT eventid=\"1\" number=\"2\"><AGEGROUPS><AGEGROUP agegroupid=\"2\" agemin=\"10\"/></AGEGROUPS>"
      "</EVENT>\n"
      "</EVENTS></SESSION></SESSIONS>\n"
      "<CLUBS><CLUB name=\"A\"><ATHLETES>\n"
      "<ATHLETE lastname=\"A\"/>\n"
      "<ATHLETE lastname=\"B\"><RESULTS><RESULT eventid=\"3\"/>\n"
      "<RESULT eventid=\"1\" agegroupid=\"4\"/></RESULTS></ATHLETE>\n"
      "</ATHLETES><RELAYS><RELAY><ENTRIES><ENTRY eventid=\"1\"><RELAYPOSITIONS>\n"
      "<RELAYPOSITION athleteid=\"9\"/></RELAYPOSITIONS></ENTRY></ENTRIES></RELAY></RELAYS></CLUB></CLUBS>");
  // Lines are max(source line, start tags seen), so here the start-tag count decides.
  std::vector<std::string> expected = {
      "Line 10: duplicate eventid/agegroupid (1.1)",
      "Line 11: duplicate eventid (1)",
      "Line 17: duplicate athletiid (0)",
      "Line 18: duplicate athletiid (0)",
      "Line 20: unknown eventid (3)",
      "Line 21: unknown eventid.agegroupid (1.4)",
      "Line 27: unknown athleteid (9)",
  };
  EXPECT_EQ(errors, expected);
}
