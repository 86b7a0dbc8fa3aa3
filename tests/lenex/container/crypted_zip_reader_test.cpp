#include "lenex/container/crypted_zip_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "lenex/container/qb_zip_file.h"
#include "test_support.h"
#include "zip_fixtures.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::ScratchDir;

namespace {

std::string Pattern(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 7919 + 13) % 251);
  return s;
}

}  // namespace

TEST(Scrambling, TransformsBothBlocksAndIsItsOwnInverse) {
  ScratchDir dir;
  for (size_t size : {size_t{1024}, size_t{1500}, size_t{2048}, size_t{5000}}) {
    std::string original = Pattern(size);
    original[0] = 'P';
    original[1] = 'K';
    std::string path = dir.Write("f.bin", original);
    std::string error;
    ASSERT_TRUE(lnx::ScrambleFileInPlace(path, &error)) << error;
    std::string scrambled = ReadFile(path);
    ASSERT_EQ(scrambled.size(), size);
    if (size >= 2048) {
      EXPECT_TRUE(lnx::IsScrambledContainer(path));
      for (size_t i : {size_t{0}, size_t{255}, size_t{256}, size_t{1023}})
        EXPECT_EQ(static_cast<unsigned char>(scrambled[i] ^ original[i]), 0xFF - (i & 0xFF)) << i;
      size_t tail = size - 1024;
      EXPECT_EQ(static_cast<unsigned char>(scrambled[tail + 5] ^ original[tail + 5]), 0xFA);
      if (size > 2048) {
        EXPECT_EQ(scrambled[1024], original[1024]);  // the middle stays
      }
    }
    ASSERT_TRUE(lnx::ScrambleFileInPlace(path, &error)) << error;
    EXPECT_EQ(ReadFile(path), original) << size;
  }
  std::string error;
  EXPECT_FALSE(lnx::ScrambleFileInPlace(dir.Write("short.bin", Pattern(1023)), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(lnx::ScrambleFileInPlace(dir.File("missing.bin"), &error));
}

TEST(CryptedZipFileReader, UnscramblesAWorkingCopyAndDeletesIt) {
  ScratchDir dir;
  zip_fixtures::TempFolderOverride temp;
  // The smaller archive is under 2048 bytes: its two blocks overlap, which must still come back right.
  for (size_t payload : {size_t{1400}, size_t{20000}}) {
    std::string snf = dir.File("old.snf");
    zip_fixtures::MakeZip(snf, {{"meet.lef", Pattern(payload), false}});
    ASSERT_TRUE(lnx::ScrambleFileInPlace(snf, nullptr));
    std::string scrambled = ReadFile(snf);
    ASSERT_EQ(static_cast<unsigned char>(scrambled[0]), 0xAF);
    ASSERT_EQ(static_cast<unsigned char>(scrambled[1]), 0xB5);
    fs::permissions(snf, fs::perms::owner_read);  // real containers are often read-only
    std::string copy;
    {
      lnx::TVntCryptedZipFileReader reader(snf);
      ASSERT_TRUE(reader.Error().empty()) << reader.Error();
      EXPECT_TRUE(reader.WasScrambled());
      copy = reader.ZipFileName();
      EXPECT_EQ(fs::path(copy).parent_path(), fs::path(temp.Path()));
      EXPECT_EQ(ReadFile(copy).substr(0, 2), "PK");
      lnx::TQbZipFile zip(copy);
      EXPECT_EQ(zip.ExtractToMemory("meet.lef").value_or("?"), Pattern(payload)) << payload;
    }
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_EQ(ReadFile(snf), scrambled);  // the input is left as it was
    fs::permissions(snf, fs::perms::owner_all);
  }
}

TEST(CryptedZipFileReader, PlainArchivesAreUsedAsTheyAreAndShortScrambledOnesRefused) {
  ScratchDir dir;
  std::string plain = dir.File("plain.lxf");
  zip_fixtures::MakeZip(plain, {{"meet.lef", "x"}});
  lnx::TVntCryptedZipFileReader reader(plain);
  EXPECT_EQ(reader.ZipFileName(), plain);
  EXPECT_FALSE(reader.WasScrambled());

  lnx::TVntCryptedZipFileReader shortOne(dir.Write("short.snf", "\xAF\xB5" + Pattern(500)));
  EXPECT_TRUE(shortOne.ZipFileName().empty());
  EXPECT_TRUE(shortOne.WasScrambled());
  EXPECT_EQ(shortOne.Error(), "The scrambled container is too short to be read !");
}
