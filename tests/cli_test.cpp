// The headless program's answers for files that cannot be used.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "test_support.h"

using testing_support::Cli;
using testing_support::CliRun;

TEST(CliInfo, ExitStatusAndMessagesForUnusableFiles) {
  testing_support::ScratchDir dir;
  dir.Write("empty.lef", "");
  dir.Write("notzip.lxf", "this is not an archive");
  dir.Write("truncated.lef", "<LENEX version=\"3.0\"><MEETS><MEET name=\"x\" city");
  dir.Write("ok.lef", "<LENEX version=\"3.0\"><MEETS><MEET name=\"x\"/></MEETS></LENEX>");
  dir.Write("results.cl2", "A0...");
  struct Case {
    std::string args;
    int status;
    std::string text;
  } cases[] = {
      {"info '" + dir.File("ok.lef") + "'", 0, "meets: 1\nmeet 0: x,     ( All )\nerrors: 0\n"},
      {"info '" + dir.File("missing.lef") + "'", 1, "Can not open file !"},
      {"info '" + dir.File("notzip.lxf") + "'", 1, "not a readable ZIP archive"},
      {"info '" + dir.File("truncated.lef") + "'", 1, "Line 3: Value expected !"},
      {"info '" + dir.File("empty.lef") + "'", 4, "meets: 0\nerrors: 0\n"},
      {"info '" + dir.File("results.cl2") + "'", 3, "not supported"},
      {"info", 2, "usage"},
      {"frobnicate", 2, "unknown command"},
      {"--help", 0, "info FILE"},
  };
  for (const auto& c : cases) {
    CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out;
    EXPECT_NE(r.out.find(c.text), std::string::npos) << c.args << "\n" << r.out;
  }
}
