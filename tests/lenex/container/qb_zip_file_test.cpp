#include "lenex/container/qb_zip_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "lenex/container/zip_archive.h"
#include "test_support.h"
#include "zip_fixtures.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::ScratchDir;
using zip_fixtures::MakeZip;

TEST(QbZipFile, ListsReadsAndExtractsEntries) {
  ScratchDir dir;
  std::string archive = dir.File("meet.zip");
  MakeZip(archive, {{"notes.txt", "hello"}, {"sub/", "", true, true}, {"sub/meet.lef", "<LENEX/>", false}});
  lnx::TQbZipFile zip(archive, dir.File("out"));
  ASSERT_TRUE(zip.IsOpen()) << zip.Error();
  EXPECT_EQ(zip.BaseFolder(), dir.File("out") + "/");
  ASSERT_EQ(zip.EntryCount(), 3);
  EXPECT_EQ(zip.EntryName(2), "sub/meet.lef");
  EXPECT_EQ(zip.EntryName(3), "");
  EXPECT_EQ(zip.EntryName(-1), "");
  EXPECT_EQ(zip.List(), (std::vector<std::string>{"notes.txt;5", "sub\\;0", "sub\\meet.lef;8"}));

  EXPECT_EQ(zip.ExtractToMemory("notes.txt").value_or("?"), "hello");
  EXPECT_EQ(zip.EntryReader("sub/meet.lef").value_or("?"), "<LENEX/>");
  EXPECT_FALSE(zip.EntryReader("missing.lef").has_value());
  EXPECT_FALSE(zip.Error().empty());

  EXPECT_TRUE(zip.Contains(dir.File("out/sub/meet.lef")));
  EXPECT_TRUE(zip.Contains("notes.txt"));
  EXPECT_FALSE(zip.Contains(dir.File("out/meet.lef")));

  std::string single = dir.File("single.txt");
  EXPECT_FALSE(zip.Extract(single));  // "single.txt" is not in the archive
  fs::create_directories(dir.File("out"));
  EXPECT_TRUE(zip.Extract(dir.File("out/notes.txt"))) << zip.Error();
  EXPECT_EQ(ReadFile(dir.File("out/notes.txt")), "hello");

  EXPECT_EQ(zip.ExtractAll(), lnx::TZipExtractResult::Done) << zip.Error();
  EXPECT_EQ(ReadFile(dir.File("out/sub/meet.lef")), "<LENEX/>");
}

TEST(QbZipFile, ExtractAllStopsWhenAborted) {
  ScratchDir dir;
  std::string archive = dir.File("two.zip");
  MakeZip(archive, {{"a.lef", "A"}, {"b.lef", "B"}});
  lnx::TQbZipFile zip(archive, dir.Path());
  std::vector<std::string> told;
  auto result = zip.ExtractAll([&](const std::string& name) {
    told.push_back(name);
    return told.size() < 2;
  });
  EXPECT_EQ(result, lnx::TZipExtractResult::Aborted);
  EXPECT_EQ(told, (std::vector<std::string>{"a.lef", "b.lef"}));
  EXPECT_TRUE(fs::exists(dir.File("a.lef")));
  EXPECT_FALSE(fs::exists(dir.File("b.lef")));
}

TEST(QbZipFile, NeverWritesOutsideTheBaseFolder) {
  ScratchDir dir;
  std::string archive = dir.File("slip.zip");
  MakeZip(archive, {{"../evil.txt", "x"}, {"sub/../../evil2.txt", "x"}, {dir.File("abs.txt"), "x"}, {"ok.txt", "ok"}});
  fs::create_directories(dir.File("base"));
  lnx::TQbZipFile zip(archive, dir.File("base"));
  ASSERT_EQ(zip.EntryCount(), 4);
  EXPECT_EQ(zip.ExtractAll(), lnx::TZipExtractResult::Failed);
  EXPECT_NE(zip.Error().find("outside the target folder"), std::string::npos) << zip.Error();
  EXPECT_EQ(ReadFile(dir.File("base/ok.txt")), "ok");
  EXPECT_FALSE(fs::exists(dir.File("evil.txt")));
  EXPECT_FALSE(fs::exists(dir.File("evil2.txt")));
  EXPECT_FALSE(fs::exists(dir.File("abs.txt")));
}

TEST(QbZipFile, UnreadableArchivesGiveErrors) {
  ScratchDir dir;
  std::string good = dir.File("good.zip");
  MakeZip(good, {{"meet.lef", std::string(5000, 'x')}});
  std::string bytes = ReadFile(good);
  struct Case {
    const char* name;
    std::string content;
  } cases[] = {{"text.lxf", "this is not an archive"},
               {"empty.lxf", ""},
               {"truncated.lxf", bytes.substr(0, bytes.size() / 2)},
               {"tail-missing.lxf", bytes.substr(0, bytes.size() - 10)}};
  for (const auto& c : cases) {
    lnx::TQbZipFile zip(dir.Write(c.name, c.content));
    EXPECT_FALSE(zip.IsOpen()) << c.name;
    EXPECT_NE(zip.Error().find("not a readable ZIP archive"), std::string::npos) << c.name << ": " << zip.Error();
    EXPECT_EQ(zip.EntryCount(), 0);
    EXPECT_EQ(zip.ExtractAll(), lnx::TZipExtractResult::Failed);
  }
  lnx::TQbZipFile missing(dir.File("missing.lxf"));
  EXPECT_EQ(missing.Error(), "Can not open file !");
}

TEST(ZipArchive, DamagedEntryDataIsAnErrorAndLeavesNoFile) {
  ScratchDir dir;
  std::string path = dir.File("damaged.zip");
  MakeZip(path, {{"meet.lef", std::string(20000, 'a') + std::string(20000, 'b')}});
  std::string bytes = ReadFile(path);
  size_t data = 30 + 8;  // local header and name
  for (size_t i = data + 2; i < data + 40; ++i) bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
  dir.Write("damaged.zip", bytes);
  lnx::TZipArchive zip;
  ASSERT_TRUE(zip.Open(path)) << zip.Error();
  EXPECT_FALSE(zip.ExtractTo(0, dir.File("out.lef")));
  EXPECT_FALSE(zip.Error().empty());
  EXPECT_FALSE(fs::exists(dir.File("out.lef")));
}

TEST(ZipArchive, ExtractionIsBounded) {
  ScratchDir dir;
  const std::uint32_t kTwoGiB = 0x80000000u;
  struct Case {
    const char* what;
    std::string content;
    bool deflate;
    std::uint32_t forgedSize;  // 0: the true size
    lnx::TZipLimits limits;
    const char* message;
  } cases[] = {
      {"declared size above 1 GiB", "small", false, kTwoGiB, {}, "too large"},
      {"absurd declared ratio", std::string(100, 'z'), false, 600u << 20, {}, "plausible"},
      {"more data than declared", std::string(5000, 'z'), false, 10, {}, "declared size"},
      {"deflate bomb", std::string(4u << 20, '\0'), true, 0, {100000000, 1u << 20, 100}, "plausible"},
      {"large entry", std::string(5000, 'z'), true, 0, {1000, 1u << 20, 1000}, "too large"},
  };
  for (const auto& c : cases) {
    std::string path = dir.File("bomb.zip");
    MakeZip(path, {{"bomb.lef", c.content, c.deflate}});
    if (c.forgedSize) zip_fixtures::ForgeDeclaredSize(path, c.forgedSize);
    lnx::TZipArchive zip(c.limits);
    ASSERT_TRUE(zip.Open(path)) << c.what << ": " << zip.Error();
    EXPECT_FALSE(zip.Read(0).has_value()) << c.what;
    EXPECT_NE(zip.Error().find(c.message), std::string::npos) << c.what << ": " << zip.Error();
    EXPECT_FALSE(zip.ExtractTo(0, dir.File("out.lef"))) << c.what;
    EXPECT_FALSE(fs::exists(dir.File("out.lef"))) << c.what;
  }
  // The same entry within the limits reads fine.
  std::string path = dir.File("fine.zip");
  MakeZip(path, {{"fine.lef", std::string(4u << 20, '\0')}});
  lnx::TZipArchive zip;
  ASSERT_TRUE(zip.Open(path));
  EXPECT_EQ(zip.Read(0).value_or("").size(), 4u << 20);
}

TEST(ZipArchive, DosCodePageNamesCanBeListedAndExtracted) {
  ScratchDir dir;
  std::string path = dir.File("cyr.lxf");
  MakeZip(path, {{"\x8f\x91\x8a\x84_28.lef", "<LENEX/>"}});
  lnx::TQbZipFile zip(path, dir.File("out"));
  ASSERT_EQ(zip.EntryName(0), "ПСКД_28.lef");
  EXPECT_EQ(zip.List(), std::vector<std::string>{"ПСКД_28.lef;8"});
  EXPECT_EQ(zip.ExtractToMemory("ПСКД_28.lef").value_or("?"), "<LENEX/>");
  EXPECT_EQ(zip.ExtractAll(), lnx::TZipExtractResult::Done) << zip.Error();
  EXPECT_EQ(ReadFile(dir.File("out/ПСКД_28.lef")), "<LENEX/>");
}
