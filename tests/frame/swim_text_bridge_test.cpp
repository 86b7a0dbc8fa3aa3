#include <gtest/gtest.h>

#include "frame/language/language_table.h"
#include "frame/language/qb_language_txt_files.h"
#include "frame/language/swim_text_bridge.h"
#include "swim/qbsw_language.h"

TEST(SwimTextBridge, SwimTextsFollowTheLanguage) {
  frame::ResetQbLanguage();
  qbsw::TQbSwLanguage::ResetInstance();
  frame::ConnectSwimValueTexts();
  frame::QbLanguage().SetLanguage(frame::kLanguageGerman);
  EXPECT_EQ(qbsw::TQbSwLanguage::Instance().ListItem(qbsw::TQbSwTextList::GenderNames, 2), "Frauen");
  frame::QbLanguage().SetLanguage(4);
  EXPECT_EQ(qbsw::TQbSwLanguage::Instance().ListItem(qbsw::TQbSwTextList::GenderNames, 2), "Women");
  qbsw::TQbSwLanguage::SetTextSource(nullptr);
  qbsw::TQbSwLanguage::ResetInstance();
  frame::ResetQbLanguage();
}
