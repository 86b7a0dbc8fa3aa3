// The shipped language files and the language manager over them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "base/qb_strings.h"
#include "frame/app_folders.h"
#include "frame/language/language_manager.h"
#include "frame/language/qb_language_txt_files.h"
#include "frame/settings/settings_store.h"
#include "frame/settings/vnt_ini_file.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using frame::TQbLanguageTxtFiles;

const std::string kSourceData = std::string(LAPSCOPE_SOURCE_DIR) + "/data";

// Every "#section.key" of a language file, upper-cased.
std::set<std::string> KeysOf(const TQbLanguageTxtFiles& texts, const std::string& content) {
  std::set<std::string> keys;
  std::regex header(R"(^\s*\[Data\.([^\]]+)\])", std::regex::icase);
  for (const std::string& line : qb::Split(content, '\n')) {
    std::smatch m;
    if (std::regex_search(line, m, header)) {
      std::string section = m[1];
      for (const auto& [key, value] : texts.DataSection(section))
        keys.insert("#" + qb::ToUpperAscii(section) + "." + key);
    }
  }
  return keys;
}

struct LanguageFile {
  std::string name;
  TQbLanguageTxtFiles texts{{""}};
  std::set<std::string> keys;
};

LanguageFile Load(const std::string& name) {
  LanguageFile f;
  f.name = name;
  std::string content = testing_support::ReadFile(kSourceData + "/" + name);
  f.texts.LoadFromText(content);
  f.keys = KeysOf(f.texts, content);
  return f;
}

// The keys the program asks for: "#QB."/"#QbSwLanguage." string literals and letter-number
// texts passed to GetText/FormatText, in every source file.
std::set<std::string> KeysUsedBySources() {
  std::set<std::string> keys;
  std::regex literal(R"re("(#(?:QB|QbSwLanguage)\.[A-Za-z0-9_%]+)")re");
  std::regex numbered(R"re((?:GetText|FormatText)\s*\(\s*'([VSGC])'\s*,\s*(\d+))re");
  for (const auto& e : fs::recursive_directory_iterator(std::string(LAPSCOPE_SOURCE_DIR) + "/src")) {
    std::string ext = e.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    std::string code = testing_support::ReadFile(e.path().string());
    for (auto it = std::sregex_iterator(code.begin(), code.end(), literal); it != std::sregex_iterator(); ++it)
      keys.insert((*it)[1]);
    for (auto it = std::sregex_iterator(code.begin(), code.end(), numbered); it != std::sregex_iterator(); ++it)
      keys.insert("#VANTOR_" + (*it)[1].str() + "." + (*it)[2].str());
  }
  return keys;
}

std::string Conversions(const std::string& text) {
  std::string r;
  std::regex conv(R"(%[0-9.:-]*[dsuxfgen])");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), conv); it != std::sregex_iterator(); ++it)
    r += (*it).str() + " ";
  return r;
}

TEST(LanguageFiles, GermanAndEnglishHoldTheSameKeysListsAndConversions) {
  LanguageFile de = Load("lapscope.xde"), us = Load("lapscope.xus");
  ASSERT_GT(de.keys.size(), 100u);
  EXPECT_EQ(de.keys, us.keys);
  for (const std::string& key : de.keys) {
    std::string textDe = de.texts.LookupText(key), textUs = us.texts.LookupText(key);
    EXPECT_NE(textDe, key) << key << " is empty in " << de.name;
    EXPECT_NE(textUs, key) << key << " is empty in " << us.name;
    EXPECT_EQ(qb::Split(textDe, ';').size(), qb::Split(textUs, ';').size()) << key;
    EXPECT_EQ(Conversions(textDe), Conversions(textUs)) << key;
  }
}

TEST(LanguageFiles, HoldEveryKeyTheProgramAsksFor) {
  std::set<std::string> used = KeysUsedBySources();
  ASSERT_FALSE(used.empty());
  for (const char* name : {"lapscope.xde", "lapscope.xus"}) {
    LanguageFile f = Load(name);
    for (const std::string& key : used) {
      size_t pattern = key.find('%');
      if (pattern == std::string::npos) {
        EXPECT_TRUE(f.texts.HasText(key)) << key << " missing in " << name;
        continue;
      }
      // A key built with a number or name: some key must start with the fixed part.
      std::string prefix = qb::ToUpperAscii(key.substr(0, pattern));
      bool any = false;
      for (const std::string& k : f.keys) any = any || qb::StartsWith(k, prefix);
      EXPECT_TRUE(any) << key << " has no entry in " << name;
    }
  }
}

// The swim value lists and date names have fixed lengths that the readers count on.
TEST(LanguageFiles, ListsHaveTheirItemCounts) {
  const std::map<std::string, size_t> counts = {
      {"#QbSwLanguage.CourseNames", 7},    {"#QbSwLanguage.GenderCodes", 4},
      {"#QbSwLanguage.GenderNames", 4},    {"#QbSwLanguage.GenderNames2", 4},
      {"#QbSwLanguage.StrokeCodes", 6},    {"#QbSwLanguage.StrokeNames", 6},
      {"#QbSwLanguage.RoundNames", 12},    {"#QbSwLanguage.TimingModes", 4},
      {"#QbSwLanguage.ClubTypeNames", 10}, {"#QbSwLanguage.AgegroupTypeCodes", 4},
      {"#QbSwLanguage.AgegroupTypeNames", 4}, {"#QbSwLanguage.QualConversionNames", 3},
      {"#QbSwLanguage.QualRelayModeNames", 4}, {"#QbSwLanguage.Agegroups", 5},
      {"#QbSwLanguage.RelayAgegroups", 5}, {"#QbSwLanguage.YOBs", 5},
      {"#QB.ShortMonthNames", 12},         {"#QB.LongMonthNames", 12},
      {"#QB.ShortDayNames", 7},            {"#QB.LongDayNames", 7},
      {"#VANTOR_S.5", 14},                 {"#VANTOR_S.3", 3},
      {"#VANTOR_S.40", 4},                 {"#VANTOR_V.33", 3},
      {"#VANTOR_G.149", 25},               {"#VANTOR_G.69", 3},
  };
  for (const char* name : {"lapscope.xde", "lapscope.xus"}) {
    LanguageFile f = Load(name);
    for (const auto& [key, count] : counts)
      EXPECT_EQ(qb::Split(f.texts.LookupText(key), ';').size(), count) << key << " in " << name;
  }
}

TEST(LanguageManager, ReadsProgramTextsInTheScreenAndPrintLanguages) {
  testing_support::ScratchDir config;
  frame::TVntIniFile ini(config.File("lapscope.ini"));
  ini.WriteInteger("Config", "lbxLanguage", 1);     // German
  ini.WriteInteger("Config", "lbxPrnLanguage", 3);  // English
  TQbLanguageTxtFiles texts({frame::DataFolder()});
  std::string helpFolder = config.Path();
  testing_support::ScratchDir help;
  help.Write("lapscopeus.html", "<p>help</p>");

  int changes = 0, screenNotices = 0;
  texts.AddListener(TQbLanguageTxtFiles::kScreenListeners, [&] { ++screenNotices; }, false);
  frame::TLanguage language(texts, ini, help.Path());
  language.SetChangeCallback(&changes, [&] { ++changes; });

  EXPECT_EQ(language.ScreenIndex(), 1);
  EXPECT_EQ(screenNotices, 1);  // applied at creation
  EXPECT_EQ(language.GetText('V', 33), "Datum;Veranstaltung;Ort");
  EXPECT_EQ(language.GetText('V', 33, 2), "Veranstaltung");
  EXPECT_EQ(language.GetText('S', 47, 2), "Handzeitnahme");
  EXPECT_EQ(language.GetText('V', 999), "#VANTOR_V.999");
  EXPECT_EQ(language.FormatText('V', 3, {2, 5}), "Lauf 2, Bahn 5");
  EXPECT_EQ(language.FormatText('G', 55, {}) + "3", "Seite 3");

  {
    frame::TPrintLanguageScope printing(language);
    EXPECT_EQ(language.GetText('V', 11), "Time");
  }
  EXPECT_EQ(language.GetText('V', 11), "Zeit");
  EXPECT_EQ(screenNotices, 1);  // the print language does not retranslate the screen

  // No German help file: the fall-back help language (English UK) has none either.
  EXPECT_EQ(language.HelpIndex(), 23);
  EXPECT_EQ(language.HelpFile(), "");
  language.SetHelpLanguage(3);
  EXPECT_EQ(language.HelpFile(), help.File("lapscopeus.html"));

  language.SetScreenLanguage(3, true);
  EXPECT_EQ(language.GetText('V', 11), "Time");
  EXPECT_EQ(screenNotices, 2);
  EXPECT_EQ(changes, 1);
  language.ClearChangeCallback(&changes);
  language.SetScreenLanguage(1, false);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(screenNotices, 2);
}

TEST(LanguageManager, StartsInTheTextStoresLanguageWhenNoneWasChosen) {
  testing_support::ScratchDir config;
  frame::TVntIniFile ini(config.File("lapscope.ini"));
  ini.WriteInteger("Config", "lbxLanguage", 77);  // no index: ignored
  TQbLanguageTxtFiles texts({frame::DataFolder()});
  texts.SetLanguage(frame::kLanguageGermanAustria);
  frame::TLanguage language(texts, ini, config.Path());
  EXPECT_EQ(language.ScreenIndex(), 15);
  EXPECT_EQ(language.PrintIndex(), 15);
  EXPECT_EQ(texts.LoadedLanguage(), frame::kLanguageGerman);
  EXPECT_EQ(texts.DateNames().longMonthNames[2], "März");
}

TEST(LanguageServices, AreCreatedOnFirstUseFromTheDataAndConfigFolders) {
  testing_support::ScratchDir config;
  std::string saved = std::getenv("LAPSCOPE_CONFIG_DIR") ? std::getenv("LAPSCOPE_CONFIG_DIR") : "";
  setenv("LAPSCOPE_CONFIG_DIR", config.Path().c_str(), 1);
  config.Write("user.ini", "[Tarnwell]\nActiveLanguage=2\n");
  config.Write("lapscope.ini", "[Config]\nlbxLanguage=3\n");
  frame::ResetLanguage();
  frame::ResetQbLanguage();
  frame::ResetSettingsStores();

  EXPECT_EQ(frame::QbLanguage().Language(), 2);
  EXPECT_EQ(frame::Language().ScreenIndex(), 3);  // the ini file's screen language wins
  EXPECT_EQ(frame::QbLanguage().LookupText("#QB.Cancel"), "Cancel");

  frame::ResetLanguage();
  frame::ResetQbLanguage();
  frame::ResetSettingsStores();
  setenv("LAPSCOPE_CONFIG_DIR", saved.c_str(), 1);
}

}  // namespace
