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

TEST(FinaId, InvalidTextsGiveMinusOne) {
  for (const char* text : {"", "B12-345", "A", "A12-34X", "q123456", "Z999999999999"})
    EXPECT_EQ(TQbSwFinaId::FromText(text).Number(), text == std::string("q123456") ? 123456 : -1) << text;
  EXPECT_EQ(TQbSwFinaId(0).Number(), -1);
  EXPECT_EQ(TQbSwFinaId().Text(), "");
}
