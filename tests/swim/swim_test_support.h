// A text source made from a map, and a fixture that gives every test a fresh value-text service.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "swim/qbsw_language.h"

namespace swim_test {

class MapTextSource : public qbsw::IQbSwTextSource {
 public:
  explicit MapTextSource(std::map<std::string, std::string> texts) : texts(std::move(texts)) {}
  std::string LookupText(const std::string& key) const override {
    auto it = texts.find(key);
    return it != texts.end() ? it->second : "";
  }
  std::map<std::string, std::string> texts;
};

class FreshLanguage : public ::testing::Test {
 protected:
  void SetUp() override { qbsw::TQbSwLanguage::ResetInstance(); }
  void TearDown() override { qbsw::TQbSwLanguage::ResetInstance(); }
  static qbsw::TQbSwLanguage& Lang() { return qbsw::TQbSwLanguage::Instance(); }
  static std::shared_ptr<MapTextSource> Install(std::map<std::string, std::string> texts) {
    auto source = std::make_shared<MapTextSource>(std::move(texts));
    qbsw::TQbSwLanguage::SetTextSource(source);
    return source;
  }
};

}  // namespace swim_test
