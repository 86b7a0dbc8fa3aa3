#include <gtest/gtest.h>

#include "swim/qbsw_fina_id.h"

using qbsw::TQbSwFinaId;

TEST(FinaId, TextAndReadingRoundTrip) {
  struct Case {
    long long number;
    const char* text;
  } cases[] = {{12345, "A12-345"}, {123456, "Q-123-456"}, {7, "M7"}, {1000, "G1-000"}};
  for (const auto& c : cases) {
    EXPECT_EQ(TQbSwFinaId(c.number).Text(), c.text);
    EXPECT_EQ(TQbSwFinaId::FromText(c.text).Number(), c.number) << c.text;
  }
}

TEST(FinaId, ReadingIgnoresCaseSeparatorsAndLeadingZeros) {
  for (const char* text : {"q123456", "Q 123 456", "q-000000000123456"})
    EXPECT_EQ(TQbSwFinaId::FromText(text).Number(), 123456) << text;
}

TEST(FinaId, InvalidTextsGiveMinusOne) {
  for (const char* text : {"", "-", "B12-345", "A", "A12-34X", "Z999999999999", "A1234567890123456789012"})
    EXPECT_EQ(TQbSwFinaId::FromText(text).Number(), -1) << text;
  EXPECT_EQ(TQbSwFinaId(0).Number(), -1);
  EXPECT_EQ(TQbSwFinaId(TQbSwFinaId::kMaxNumber + 1).Number(), -1);
  EXPECT_EQ(TQbSwFinaId().Text(), "");
}
