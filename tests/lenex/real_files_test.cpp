// Every real LENEX 2/3 file the team collected must open without errors.
#include <gtest/gtest.h>

#include <cstdio>

#include "lenex/qb_lenex.h"
#include "test_support.h"

using testing_support::RealDataFiles;

namespace {
std::vector<std::string> RealLenexFiles() {
  std::vector<std::string> files;
  for (const char* folder : {"lenex2", "lenex3"}) {
    auto some = RealDataFiles(folder, {".lef", ".lxf", ".xml", ".zip"});
    files.insert(files.end(), some.begin(), some.end());
  }
  return files;
}

int CliInfo(const std::string& file) {
  std::string command = std::string("'") + LAPSCOPE_CLI + "' info '" + file + "' >/dev/null 2>&1";
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
}  // namespace

TEST(RealFiles, EveryLenexFileOpensWithoutErrors) {
  auto files = RealLenexFiles();
  if (files.empty()) GTEST_SKIP() << "no real data here";
  for (const auto& file : files) {
    auto doc = lnx::ReadLenexDocument(file);
    EXPECT_TRUE(doc->GetErrors().empty()) << file << ": " << doc->GetErrors()[0];
    EXPECT_GE(doc->GetVersion(), 2) << file;
    // Record lists and time standards carry no meet; everything else carries one.
    bool listsOnly = file.find("records") != std::string::npos || file.find("standards") != std::string::npos;
    EXPECT_EQ(doc->GetMeets()->GetCount() > 0, !listsOnly) << file;
    EXPECT_EQ(CliInfo(file), listsOnly ? 4 : 0) << file;
  }
}

TEST(RealFiles, LargeFileKeepsItsStructure) {
  auto files = RealDataFiles("lenex3", {".lef"});
  std::string melbourne;
  for (const auto& f : files)
    if (f.find("MELBOURNE") != std::string::npos) melbourne = f;
  if (melbourne.empty()) GTEST_SKIP() << "no real data here";
  auto doc = lnx::ReadLenexDocument(melbourne);
  // Count RESULT elements under every athlete and relay: the file lists 2414.
  int results = 0;
  auto count = [&](auto&& self, const lnx::IQbXmlElement& e) -> void {
    if (e.GetName() == "RESULT") ++results;
    for (const auto& c : e.Children()) self(self, *c);
  };
  count(count, *doc->GetRoot());
  EXPECT_EQ(results, 2414);
}
