#include <gtest/gtest.h>

#include "swim/qbsw_language.h"
#include "swim_test_support.h"

using namespace qbsw;
using swim_test::FreshLanguage;

using Parsers = FreshLanguage;

struct ParseCase {
  const char* text;
  int code;
};

TEST_F(Parsers, Course) {
  const ParseCase cases[] = {{"25", 2},   {"s", 2},      {"y", 3},   {"50", 1},   {"L", 1},     {"25y", 3},
                             {"33M", 4},  {"ow", 7},     {"OPEN", 7}, {"scm20", 6}, {"LCM", 1}, {"", 0},
                             {"short", 0}};
  for (const auto& c : cases) EXPECT_EQ(Lang().CourseFromText(c.text), c.code) << c.text;
  EXPECT_EQ(Lang().CourseSetFromText("LCM, 25 ,OW"), (1u << 1) | (1u << 2) | (1u << 7));
  EXPECT_EQ(Lang().CourseSetFromText(""), 0u);
  EXPECT_EQ(Lang().CourseSetFromText("xyz"), 1u);  // an unknown item is code 0
}

TEST_F(Parsers, Gender) {
  const ParseCase cases[] = {{"1", 1},      {"3", 3},   {"4", 0},    {"w", 2},     {"Female", 2}, {"V", 2},
                             {"fem", 2},    {"D", 2},   {"h", 1},    {"MALE", 1},  {"men", 1},    {"Women", 2},
                             {"mixed", 3},  {"m", 1},   {"F", 2},    {"x", 3},     {"All", 0},    {"", 0},
                             {"Femme", 0}};
  for (const auto& c : cases) EXPECT_EQ(Lang().GenderFromText(c.text), c.code) << c.text;
}

TEST_F(Parsers, Stroke) {
  const ParseCase cases[] = {
      {"IM", 5},       {"i.m.", 5},         {"BA", 2},      {"Fr", 1},     {"bu", 4},         {"BR", 3},
      {"FREE", 1},     {"medley", 5},       {"XX", 0},      {"UNKNOWN", 0}, {"Breaststroke", 3}, {"brst", 3},
      {"Backstroke", 2}, {"Butterfly", 4},  {"Freestyle", 1}, {"Ind Med", 5}, {"Free Medley", 5}, {"", 0}};
  for (const auto& c : cases) EXPECT_EQ(Lang().StrokeFromText(c.text), c.code) << c.text;
}

TEST_F(Parsers, Round) {
  const ParseCase cases[] = {{"", 0},       {"F", 9},      {"FI", 9},       {"final", 9},  {"FINALS", 0},
                             {"SEMIFINAL", 6}, {"semi", 6}, {"HEAT", 2},     {"Heats", 0},  {"Prelims", 2},
                             {"Series", 2}, {"TIM", 1},     {"t", 1},        {"sos", 7},    {"A", 8},
                             {"ceremony", 10}, {"B", 11},   {"Q", 4},        {"xyz", 0}};
  for (const auto& c : cases) EXPECT_EQ(Lang().RoundFromText(c.text), c.code) << c.text;
}

TEST_F(Parsers, TechniqueAndLenexStatus) {
  const ParseCase techniques[] = {{"KICK", 1}, {"start", 2}, {"Turn", 3}, {"", 0}, {"PULL", 0}};
  for (const auto& c : techniques) EXPECT_EQ(Lang().TechniqueFromText(c.text), c.code) << c.text;
  const ParseCase statuses[] = {{"DSQ", 2}, {"EXH", 1}, {"DNS", 3}, {"WDR", 6},  {"SUI.DSQ10", 7},
                                {"SICK", 12}, {"dsq", 0}, {"", 0},   {"RJC", 0}};
  for (const auto& c : statuses) EXPECT_EQ(Lang().StatusFromText(c.text), c.code) << c.text;
}

TEST_F(Parsers, TranslatedNamesMatchInAnyCaseAndScript) {
  Install({{"#QbSwLanguage.GenderNames", "Все;Мужчины;Женщины;Смешанные"},
           {"#QbSwLanguage.GenderCodes", ";Ч;Ж;"},
           {"#QbSwLanguage.StrokeCodes", ";Fr;;Br;;"}});
  EXPECT_EQ(Lang().GenderFromText("МУЖЧИНЫ"), 1);
  EXPECT_EQ(Lang().GenderFromText("ж"), 2);
  EXPECT_EQ(Lang().GenderFromText(""), 0);  // the empty translated code of index 3 matches nothing
  EXPECT_EQ(Lang().StrokeFromText(""), 0);
  EXPECT_EQ(Lang().StrokeFromText("br"), 3);
}
