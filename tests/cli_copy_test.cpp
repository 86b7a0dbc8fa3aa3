// lapscope-cli list and athlete: the copied text on standard output, the exit statuses.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "test_support.h"

using testing_support::Cli;
using testing_support::DataPath;

namespace {
std::string Fixture() { return "'" + DataPath("copy_text/meet.lef") + "'"; }
}  // namespace

TEST(CliCopy, ListPrintsTheCopiedTextExactly) {
  struct Case {
    std::string args, golden;
  } cases[] = {
      {"--event 10 --agegroup 101 --splits", "list_event10_agegroup101_splits.txt"},
      {"--splits --event 30 --lang us", "list_event30_splits.txt"},
  };
  for (const auto& c : cases) {
    auto r = Cli("list " + Fixture() + " " + c.args, false);
    EXPECT_EQ(r.status, 0) << c.args;
    EXPECT_EQ(r.out, testing_support::ReadFile(DataPath("copy_text/" + c.golden))) << c.args;
  }
}

TEST(CliCopy, LanguageAndAthleteText) {
  auto r = Cli("athlete " + Fixture() + " --athlete 3 --lang de", false);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "ROSSI, Luca, 15 Jan 2011\r\n\t4\t50m Schmetterling\t31.20\tLauf 2, Bahn 5");
}

TEST(CliCopy, ExitStatuses) {
  struct Case {
    std::string args;
    int status;
    std::string text;
  } cases[] = {
      {"list " + Fixture() + " --event 99", 5, "no event with id 99\n"},
      {"list " + Fixture() + " --event 10 --agegroup 7", 5, "no age group with id 7\n"},
      {"athlete " + Fixture() + " --athlete 77", 5, "no athlete with id 77\n"},
      {"list " + Fixture(), 2, "needs --event"},
      {"list " + Fixture() + " --event x", 2, "needs a number"},
      {"athlete " + Fixture() + " --athlete 1 --event 10", 2, "unexpected argument: --event"},
      {"list " + Fixture() + " --event 10 --lang qq", 2, "unknown language code"},
      {"list " + Fixture() + " --event 10 --meet 1", 4, "no meet 1"},
      {"list missing.lef --event 10", 1, "Can not open file"},
      {"list results.cl2 --event 10", 3, "not supported"},
      {"--help", 0, "--valid-only"},
  };
  for (const auto& c : cases) {
    auto r = Cli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out;
    EXPECT_NE(r.out.find(c.text), std::string::npos) << c.args << "\n" << r.out;
  }
  // An unknown id gives one line on standard error and nothing on standard output.
  auto r = Cli("list " + Fixture() + " --event 99 2>/dev/null", false);
  EXPECT_EQ(r.out, "");
}
