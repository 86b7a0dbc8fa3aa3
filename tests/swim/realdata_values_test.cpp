// Every swim time, stroke, round, status, gender, course and age group that the real LENEX files
// carry must be readable by this module.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>

#include "swim/qbsw_age_range.h"
#include "swim/qbsw_language.h"
#include "swim/qbsw_swim_time.h"
#include "swim_test_support.h"
#include "test_support.h"

using namespace qbsw;

namespace {

struct Tag {
  std::string name;
  std::map<std::string, std::string> attributes;
};

// The start tags of an XML text with their attributes (no entities needed for these values).
std::vector<Tag> StartTags(const std::string& xml) {
  std::vector<Tag> tags;
  size_t pos = 0;
  while ((pos = xml.find('<', pos)) != std::string::npos) {
    const size_t end = xml.find('>', pos);
    if (end == std::string::npos) break;
    const std::string body = xml.substr(pos + 1, end - pos - 1);
    pos = end;
    if (body.empty() || body[0] == '/' || body[0] == '?' || body[0] == '!') continue;
    Tag tag;
    size_t i = body.find_first_of(" \t\r\n/");
    tag.name = body.substr(0, i);
    while (i != std::string::npos && (i = body.find('=', i)) != std::string::npos) {
      size_t nameEnd = i, nameBegin = body.find_last_of(" \t\r\n", i) + 1;
      const size_t open = body.find('"', i), close = open == std::string::npos ? open : body.find('"', open + 1);
      if (close == std::string::npos) break;
      tag.attributes[body.substr(nameBegin, nameEnd - nameBegin)] = body.substr(open + 1, close - open - 1);
      i = close + 1;
    }
    tags.push_back(std::move(tag));
  }
  return tags;
}

}  // namespace

using RealDataValues = swim_test::FreshLanguage;

TEST_F(RealDataValues, LenexValuesAreUnderstood) {
  const auto files = testing_support::RealDataFiles("lenex3", {".lef"});
  if (files.empty()) GTEST_SKIP() << "no real data";
  auto& lang = Lang();
  int times = 0;
  for (const auto& file : files) {
    for (const Tag& tag : StartTags(testing_support::ReadFile(file))) {
      auto value = [&tag](const char* name) -> const std::string* {
        auto it = tag.attributes.find(name);
        return it != tag.attributes.end() ? &it->second : nullptr;
      };
      if (auto t = value("swimtime"); t && *t != "NT") {
        int h = 0, m = 0, s = 0, c = 0;
        ASSERT_EQ(std::sscanf(t->c_str(), "%d:%d:%d.%d", &h, &m, &s, &c), 4) << *t;
        const std::int32_t expected = ((h * 60 + m) * 60 + s) * 1000 + c * 10;
        EXPECT_EQ(TextToSwimTime(*t), expected == 0 ? kNoSwimTime : expected) << file << " " << *t;
        if (expected > 0) {
          EXPECT_EQ(TextToSwimTime(SwimTimeToText(expected, false)), expected) << *t;
        }
        ++times;
      }
      auto known = [&](const char* name, int (TQbSwLanguage::*parse)(std::string_view) const) {
        const std::string* v = value(name);
        if (v && *v != "UNKNOWN") {
          EXPECT_NE((lang.*parse)(*v), 0) << file << " " << name << "=" << *v;
        }
      };
      known("stroke", &TQbSwLanguage::StrokeFromText);
      known("round", &TQbSwLanguage::RoundFromText);
      known("course", &TQbSwLanguage::CourseFromText);
      known("gender", &TQbSwLanguage::GenderFromText);
      if (tag.name == "RESULT" || tag.name == "ENTRY") known("status", &TQbSwLanguage::StatusFromText);
      if (tag.name == "AGEGROUP" && value("agemin") && value("agemax")) {
        const TQbSwAgeRange range(std::atoi(value("agemin")->c_str()), std::atoi(value("agemax")->c_str()));
        EXPECT_NE(lang.ShortAgeGroupText(range, 0, 2025), "") << file << " " << range.GetKey();
        EXPECT_NE(lang.LongAgeGroupText(range, 1, 0), "") << file << " " << range.GetKey();
      }
    }
  }
  EXPECT_GT(times, 1000);
}
