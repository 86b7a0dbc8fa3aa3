#include "lenex/container/lenex_source_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/qb_strings.h"
#include "lenex/container/crypted_zip_reader.h"
#include "lenex/container/zip_writer.h"
#include "test_support.h"
#include "zip_fixtures.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::ScratchDir;
using zip_fixtures::MakeZip;

namespace {

const std::string kLenex = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><LENEX version=\"3.0\"/>";

bool FolderIsEmpty(const std::string& path) { return fs::is_empty(path); }

}  // namespace

TEST(LenexSourceFile, PicksTheFirstLenexEntryOfAnArchive) {
  ScratchDir dir;
  zip_fixtures::TempFolderOverride temp;
  struct Case {
    const char* what;
    std::vector<zip_fixtures::Entry> entries;
    const char* entry;  // expected entry, "" for nothing to read
    std::string content;
  } cases[] = {
      {"one lef", {{"results.lef", kLenex}}, "results.lef", kLenex},
      {"text then lef", {{"readme.txt", "hello"}, {"meet.LEF", kLenex}}, "meet.LEF", kLenex},
      {"two lef: the first", {{"first.lef", "1"}, {"second.lef", "2"}}, "first.lef", "1"},
      {"xml counts too", {{"a/", "", true, true}, {"a/data.xml", "x"}, {"b.lef", "b"}}, "a/data.xml", "x"},
      {"no lenex entry", {{"readme.txt", "hello"}, {"meet.lxf", "inner"}}, "", ""},
      {"empty archive", {}, "", ""},
      {"climbing name: read from a temporary file", {{"../../../meet.lef", kLenex}}, "../../../meet.lef", kLenex},
      {"DOS code page name", {{"\x8f\x91\x8a\x84_28.lef", kLenex}}, "ПСКД_28.lef", kLenex},
  };
  for (const auto& c : cases) {
    std::string path = dir.File("meet.lxf");
    MakeZip(path, c.entries);
    {
      lnx::TQbLenexSourceFile source(path);
      EXPECT_TRUE(source.Errors().empty()) << c.what << ": " << source.Errors().front();
      EXPECT_EQ(source.EntryName(), c.entry) << c.what;
      if (*c.entry) {
        ASSERT_FALSE(source.FileToRead().empty()) << c.what;
        EXPECT_EQ(fs::path(source.FileToRead()).parent_path(), fs::path(temp.Path())) << c.what;
        EXPECT_EQ(ReadFile(source.FileToRead()), c.content) << c.what;
      } else {
        EXPECT_EQ(source.FileToRead(), "") << c.what;
      }
    }
    EXPECT_TRUE(FolderIsEmpty(temp.Path())) << c.what << ": the extracted copy must be deleted";
    EXPECT_EQ(fs::directory_iterator(dir.Path())->path().filename(), "meet.lxf") << c.what;
  }
}

TEST(LenexSourceFile, ExtractedFilesHaveUniqueNames) {
  ScratchDir dir;
  std::string path = dir.File("meet.lxf");
  MakeZip(path, {{"results.lef", kLenex}});
  lnx::TQbLenexSourceFile a(path), b(path);
  EXPECT_NE(a.FileToRead(), b.FileToRead());
  EXPECT_EQ(ReadFile(b.FileToRead()), kLenex);
}

TEST(LenexSourceFile, PlainFilesAreReadDirectly) {
  ScratchDir dir;
  for (const char* name : {"meet.lef", "MEET.XML"}) {
    std::string path = dir.Write(name, "PK\x03\x04 looks like a zip but the extension decides");
    lnx::TQbLenexSourceFile source(path);
    EXPECT_EQ(source.FileToRead(), path);
    EXPECT_TRUE(source.Errors().empty());
    EXPECT_EQ(source.EntryName(), "");
  }
}

TEST(LenexSourceFile, UnreadableInputsGiveOneError) {
  ScratchDir dir;
  zip_fixtures::TempFolderOverride temp;
  std::string good = dir.File("good.lxf");
  MakeZip(good, {{"meet.lef", std::string(3000, 'x') + kLenex}});
  std::string bytes = ReadFile(good);
  std::string bomb = dir.File("bomb.lxf");
  MakeZip(bomb, {{"bomb.lef", std::string(100, 'z'), false}});
  zip_fixtures::ForgeDeclaredSize(bomb, 0x80000000u);
  fs::create_directories(dir.File("folder.lef"));

  struct Case {
    std::string path;
    const char* message;
  } cases[] = {
      {dir.File("missing.lxf"), "Can not open file !"},
      {dir.File("missing.lef"), "Can not open file !"},
      {dir.File("folder.lef"), "Can not open file !"},
      {dir.Write("text.lxf", "<LENEX/>"), "The file is not a readable ZIP archive !"},
      {dir.Write("empty.lxf", ""), "The file is not a readable ZIP archive !"},
      {dir.Write("truncated.lxf", bytes.substr(0, bytes.size() / 2)), "The file is not a readable ZIP archive !"},
      {dir.Write("short.snf", "\xAF\xB5" + std::string(600, 'q')), "The scrambled container is too short to be read !"},
      {bomb, "too large"},
  };
  for (const auto& c : cases) {
    lnx::TQbLenexSourceFile source(c.path);
    EXPECT_EQ(source.FileToRead(), "") << c.path;
    ASSERT_EQ(source.Errors().size(), 1u) << c.path;
    EXPECT_NE(source.Errors()[0].find(c.message), std::string::npos) << c.path << ": " << source.Errors()[0];
    EXPECT_TRUE(FolderIsEmpty(temp.Path())) << c.path;
  }
}

TEST(LenexSourceFile, ScrambledContainersAreUnscrambled) {
  ScratchDir dir;
  zip_fixtures::TempFolderOverride temp;
  std::string snf = dir.File("old.snf");
  MakeZip(snf, {{"meet.lef", kLenex + std::string(3000, ' '), false}});
  ASSERT_TRUE(lnx::ScrambleFileInPlace(snf, nullptr));
  std::string scrambled = ReadFile(snf);
  {
    lnx::TQbLenexSourceFile source(snf);
    ASSERT_TRUE(source.Errors().empty()) << source.Errors().front();
    EXPECT_TRUE(source.WasScrambled());
    EXPECT_EQ(ReadFile(source.FileToRead()), kLenex + std::string(3000, ' '));
  }
  EXPECT_TRUE(FolderIsEmpty(temp.Path()));
  EXPECT_EQ(ReadFile(snf), scrambled);
}

TEST(LenexSourceFile, OpensEveryRealLxf) {
  auto files = testing_support::RealDataFiles("lenex3", {".lxf"});
  if (files.empty()) GTEST_SKIP() << "no real data";
  for (const auto& file : files) {
    lnx::TQbLenexSourceFile source(file);
    EXPECT_TRUE(source.Errors().empty()) << file << ": " << source.Errors().front();
    ASSERT_FALSE(source.FileToRead().empty()) << file;
    std::string content = ReadFile(source.FileToRead());
    EXPECT_NE(content.find("<LENEX"), std::string::npos) << file;
    EXPECT_EQ(qb::ExtractFileExtLower(source.EntryName()), ".lef") << file;
  }
}

TEST(ZipWriter, WritesOneEntryThatReadsBack) {
  ScratchDir dir;
  std::string path = dir.File("saved.lxf");
  std::string error;
  std::string content = kLenex + std::string(100000, 'a');
  ASSERT_TRUE(lnx::WriteZipWithOneEntry(path, "Результаты.lef", content, &error)) << error;
  {
    lnx::TQbLenexSourceFile source(path);
    EXPECT_EQ(source.EntryName(), "Результаты.lef");
    EXPECT_EQ(ReadFile(source.FileToRead()), content);
  }
  EXPECT_LT(fs::file_size(path), 10000u);  // deflated

  ASSERT_TRUE(lnx::WriteZipWithOneEntry(path, "second.lef", "2", &error)) << error;  // replaces the archive
  lnx::TQbLenexSourceFile again(path);
  EXPECT_EQ(again.EntryName(), "second.lef");
  EXPECT_EQ(ReadFile(again.FileToRead()), "2");

  EXPECT_FALSE(lnx::WriteZipWithOneEntry(dir.File("no/such/folder/x.lxf"), "x.lef", "x", &error));
  EXPECT_FALSE(error.empty());
}
