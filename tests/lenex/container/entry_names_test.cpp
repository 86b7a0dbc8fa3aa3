#include <gtest/gtest.h>

#include "lenex/container/container_kinds.h"
#include "lenex/container/zip_entry_names.h"

TEST(ContainerKinds, ByLowerCasedExtension) {
  struct Case {
    const char* path;
    bool plain, zippedForSave, oldReader;
  } cases[] = {
      {"/a/meet.lef", true, false, false}, {"MEET.LEF", true, false, false},      {"x.Xml", true, false, false},
      {"r.lxf", false, true, true},        {"r.ZIP", false, true, true},          {"old.snf", false, false, true},
      {"c.lxb", false, false, true},       {"c.stf", false, false, true},         {"c.fxl", false, false, true},
      {"noext", false, false, false},      {"meet.lef.bak", false, false, false}, {"dir.lef/file", false, false, false},
      {"weird.sn", false, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lnx::IsPlainLenexFile(c.path), c.plain) << c.path;
    EXPECT_EQ(lnx::IsZippedContainerForSave(c.path), c.zippedForSave) << c.path;
    EXPECT_EQ(lnx::IsOldReaderContainer(c.path), c.oldReader) << c.path;
  }
  EXPECT_EQ(lnx::kOldReaderContainerExtensions, ".snf;.lxf;.zip;.lxb;.stf;.fxl");
}

TEST(ZipEntryNames, DecodesDosCodePagesAndKeepsUtf8) {
  EXPECT_EQ(lnx::DecodeZipEntryName("results.lef"), "results.lef");
  EXPECT_EQ(lnx::DecodeZipEntryName("Результаты.lef"), "Результаты.lef");
  // CP866 as written by Russian exports without the UTF-8 flag.
  EXPECT_EQ(lnx::DecodeZipEntryName("\x8f\x91\x8a\x84_28.lef"), "ПСКД_28.lef");
  // A single accented letter of CP437.
  EXPECT_EQ(lnx::DecodeZipEntryName("M\x81ller.lef"), "Müller.lef");
}

TEST(ZipEntryNames, MatchesMasksIgnoringCase) {
  struct Case {
    const char* name;
    const char* mask;
    bool match;
  } cases[] = {
      {"a.lef", "*.lef", true},
      {"A.LEF", "*.lef", true},
      {"a.lef.txt", "*.lef", false},
      {"noext", "*.*", true},
      {"x", "", true},
      {"ab.lef", "?b.*", true},
      {"abc.lef", "?b.*", false},
      {"rcomp.txt", "RCOMP.TXT", true},
      {"meet.lxf", "*.lef", false},
  };
  for (const auto& c : cases) EXPECT_EQ(lnx::MatchesFileMask(c.name, c.mask), c.match) << c.name << " / " << c.mask;
}

TEST(ZipEntryNames, TargetPathsStayUnderTheBaseFolder) {
  struct Case {
    const char* name;
    const char* target;  // nullptr: refused
  } cases[] = {
      {"a.lef", "/base/a.lef"},
      {"sub/a.lef", "/base/sub/a.lef"},
      {"sub\\a.lef", "/base/sub/a.lef"},
      {"./sub//a.lef", "/base/sub/a.lef"},
      {"dir/", "/base/dir"},
      {"../a.lef", nullptr},
      {"sub/../../a.lef", nullptr},
      {"sub\\..\\a.lef", nullptr},
      {"/etc/passwd", nullptr},
      {"\\evil.lef", nullptr},
      {"C:/evil.lef", nullptr},
      {"c:evil.lef", nullptr},
      {"", nullptr},
      {"./", nullptr},
      {"..lef", "/base/..lef"},
  };
  for (const auto& c : cases) {
    auto target = lnx::SafeTargetPath("/base", c.name);
    if (c.target)
      EXPECT_EQ(target.value_or("<refused>"), c.target) << c.name;
    else
      EXPECT_FALSE(target.has_value()) << c.name << " -> " << *target;
  }
}
