#include <gtest/gtest.h>

#include "base/code_pages.h"
#include "base/date_time.h"
#include "base/qb_strings.h"
#include "base/temp_files.h"

TEST(Strings, ParseNumbersStrictly) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  } cases[] = {{"12", true, 12},   {" -7 ", true, -7},          {"+65", true, 65}, {"", false, 0},
               {"1x", false, 0},   {"2147483648", false, 0},     {"-2147483648", true, INT32_MIN}};
  for (const auto& c : cases) {
    int v = 0;
    EXPECT_EQ(qb::TryParseInt(c.text, v), c.ok) << c.text;
    if (c.ok) EXPECT_EQ(v, c.value) << c.text;
  }
  double d = 0;
  EXPECT_TRUE(qb::TryParseFloat("2.5", d));
  EXPECT_DOUBLE_EQ(d, 2.5);
  EXPECT_FALSE(qb::TryParseFloat("2,5", d));
}

TEST(Strings, FileNamesAndExtensions) {
  EXPECT_EQ(qb::ExtractFileExtLower("/a/b/Results.LXF"), ".lxf");
  EXPECT_EQ(qb::ExtractFileExtLower("dir.x/noext"), "");
  EXPECT_EQ(qb::ExtractFileName("a\\b\\c.lef"), "c.lef");
}

TEST(DateTime, EncodesAndDecodesTheDayNumber) {
  EXPECT_DOUBLE_EQ(qb::EncodeDate(1899, 12, 30), 0);
  EXPECT_DOUBLE_EQ(qb::EncodeDate(2000, 1, 1), 36526);
  EXPECT_DOUBLE_EQ(qb::EncodeDate(2023, 2, 29), 0);  // invalid gives no date
  auto p = qb::DecodeDate(qb::EncodeDate(2024, 2, 29) + qb::EncodeTime(23, 59, 59, 0));
  EXPECT_EQ(p.year, 2024);
  EXPECT_EQ(p.month, 2);
  EXPECT_EQ(p.day, 29);
  auto t = qb::DecodeTime(qb::EncodeTime(8, 30, 15, 0));
  EXPECT_EQ(t.hour, 8);
  EXPECT_EQ(t.minute, 30);
  EXPECT_EQ(t.second, 15);
  EXPECT_EQ(qb::DayOfWeek(qb::EncodeDate(2026, 12, 11)), 6);  // a Friday
}

TEST(CodePages, ConvertsEightBitTextToUtf8) {
  EXPECT_EQ(qb::CodePageToUtf8("M\xfcller", 1252), "Müller");
  EXPECT_EQ(qb::CodePageToUtf8("\x8a", 1250), "Š");
  EXPECT_EQ(qb::CodePageToUtf8("\xc0", 1251), "А");
  EXPECT_EQ(qb::Utf8OrWindows1252("Noè"), "Noè");
  EXPECT_EQ(qb::Utf8OrWindows1252("No\xe8"), "Noè");
  EXPECT_FALSE(qb::IsValidUtf8("\xc0\x80"));  // overlong
}

TEST(TempFiles, TempFileIsRemovedByItsOwner) {
  std::string path;
  {
    qb::TTempFile f(qb::MakeUniqueTempFile("lapscope-t-", ".lef"));
    path = f.Path();
    ASSERT_FALSE(path.empty());
    std::string content;
    EXPECT_TRUE(qb::ReadWholeFile(path, content));
  }
  std::string content;
  EXPECT_FALSE(qb::ReadWholeFile(path, content));
}
