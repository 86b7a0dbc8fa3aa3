#include "lenex/container/vnt_file_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"
#include "zip_fixtures.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::ScratchDir;
using zip_fixtures::MakeZip;

namespace {

std::string MakeMixedArchive(const ScratchDir& dir) {
  std::string archive = dir.File("mixed.zip");
  MakeZip(archive, {{"Zeta.LEF", "zz"}, {"docs/", "", true, true}, {"docs/read.txt", "text"}, {"alpha.lef", "a"}});
  return archive;
}

}  // namespace

TEST(VntFileList, ScansWithAMaskAndReadsItsLines) {
  ScratchDir dir;
  std::string archive = MakeMixedArchive(dir);
  lnx::TVntFileList list;
  list.ScanArchive(archive, dir.File("*.lef"));
  EXPECT_EQ(list.BaseFolder(), dir.Path() + "/");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"Zeta.LEF;2", "alpha.lef;1"}));
  list.Sort();
  EXPECT_EQ(list.Name(0), "Zeta.LEF");  // byte order: upper case first
  EXPECT_EQ(list.Size(1), 1);
  EXPECT_EQ(list.Size(2), -1);
  EXPECT_EQ(list.Name(-1), "");
  EXPECT_TRUE(list.Contains("ZETA.lef"));
  EXPECT_FALSE(list.Contains("zeta"));

  list.ScanArchive(archive, "");  // no folder, no mask: every file, relative to the current folder
  EXPECT_EQ(list.BaseFolder(), "./");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"Zeta.LEF;2", "docs\\read.txt;4", "alpha.lef;1"}));
}

TEST(VntFileList, UnpacksIntoTheBaseFolderAndCanBeCancelled) {
  ScratchDir dir;
  std::string archive = MakeMixedArchive(dir);
  fs::create_directories(dir.File("out"));
  lnx::TVntFileList list;
  list.ScanArchive(archive, dir.File("out/*.*"));
  ASSERT_EQ(list.Count(), 3);

  std::vector<std::pair<std::string, std::int64_t>> told;
  EXPECT_EQ(list.Unpack(archive,
                        [&](const std::string& name, std::int64_t size) {
                          told.emplace_back(name, size);
                          return told.size() < 2;
                        }),
            lnx::TVntFileList::kUnpackCancelled);
  EXPECT_EQ(told[1], (std::pair<std::string, std::int64_t>{"docs\\read.txt", 4}));
  EXPECT_TRUE(fs::exists(dir.File("out/Zeta.LEF")));
  EXPECT_FALSE(fs::exists(dir.File("out/docs/read.txt")));

  EXPECT_EQ(list.Unpack(archive), lnx::TVntFileList::kUnpackDone) << list.Error();
  EXPECT_EQ(ReadFile(dir.File("out/docs/read.txt")), "text");
  EXPECT_EQ(list.Unpack(dir.File("missing.zip")), lnx::TVntFileList::kUnpackError);
}

TEST(VntFileList, ExtractSingleNeedsExactlyOneMatch) {
  ScratchDir dir;
  std::string archive = MakeMixedArchive(dir);
  lnx::TVntFileList list;
  EXPECT_EQ(list.ExtractSingle(archive, dir.File("*.lef")), lnx::TVntFileList::kUnpackError);
  EXPECT_FALSE(fs::exists(dir.File("alpha.lef")));

  dir.Write("read.txt", "stale");
  // The mask matches the file name part; the entry keeps its folder below the base folder.
  EXPECT_EQ(list.ExtractSingle(archive, dir.File("read.txt")), lnx::TVntFileList::kUnpackDone) << list.Error();
  EXPECT_FALSE(fs::exists(dir.File("read.txt")));  // the target was deleted first
  EXPECT_EQ(ReadFile(dir.File("docs/read.txt")), "text");

  EXPECT_EQ(list.ExtractSingle(archive, dir.File("alpha.lef")), lnx::TVntFileList::kUnpackDone) << list.Error();
  EXPECT_EQ(ReadFile(dir.File("alpha.lef")), "a");
}

TEST(VntFileList, RefusesEntriesThatClimbOut) {
  ScratchDir dir;
  std::string archive = dir.File("slip.zip");
  MakeZip(archive, {{"../../evil.lef", "x"}, {"fine.lef", "ok"}});
  fs::create_directories(dir.File("a/b"));
  lnx::TVntFileList list;
  list.ScanArchive(archive, dir.File("a/b/*.lef"));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Unpack(archive), lnx::TVntFileList::kUnpackError);
  EXPECT_FALSE(fs::exists(dir.File("evil.lef")));
  EXPECT_EQ(ReadFile(dir.File("a/b/fine.lef")), "ok");
}

TEST(VntFileList, ScanOfAnUnreadableArchiveLeavesAnEmptyList) {
  ScratchDir dir;
  lnx::TVntFileList list;
  list.ScanArchive(dir.Write("bad.zip", "PK not really"), dir.File("*.*"));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.Error().empty());
}
