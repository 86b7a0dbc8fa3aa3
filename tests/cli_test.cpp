// The headless program's answers for files that cannot be used.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

#include "test_support.h"

namespace {
struct CliRun {
  int status;
  std::string out;
};

CliRun Cli(const std::string& args) {
  std::string command = std::string("'") + LAPSCOPE_CLI + "' " + args + " 2>&1";
  CliRun r{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  std::array<char, 4096> buf;
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.out.append(buf.data(), n);
  int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}
}  // namespace

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
