// The text store: file format, lookup rules, file search with its fall-back chain, listeners.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "frame/language/language_table.h"
#include "frame/language/qb_language_txt_files.h"
#include "frame/settings/vnt_ini_file.h"
#include "test_support.h"

namespace {

using frame::TQbLanguageTxtFiles;

const char* kFile =
    "Cancel=ignored before the first section\n"
    "[Data.VANTOR_V]\n"
    "; a comment\n"
    "\n"
    "  3 = Heat %d, lane %d  \n"
    "4=Page $\n"
    "5=Two\\nlines and\\Nthree\n"
    "6=one_blank\n"
    "7=a;b;;d\n"
    "8=x=y\n"
    "9=\n"
    "10=first\n"
    "10=second\n"
    "11=pri$ce\n"
    "no equals sign\n"
    "[data.Mixed_Case]\n"
    "Key=value\n"
    "[Form.TfrmView]\n"
    "Main window\n"
    ".@Label1$\n"
    "Caption\n"
    ".\n"
    "; comment inside a form\n"
    ".@BtnOk\n"
    "OK\n"
    "[Form.TfrmOther]\n"
    ".\n"
    ".@Edit1\n"
    "Hint\n";

TEST(LanguageTextStore, LooksTextsUpByTheFileRules) {
  TQbLanguageTxtFiles texts({""});
  texts.LoadFromText(kFile);
  struct Case {
    const char* key;
    int item;
    const char* expected;
  } cases[] = {
      {"#VANTOR_V.3", -1, " Heat %d, lane %d"},  // key trimmed, value kept after the "="
      {"#vantor_v.3", -1, " Heat %d, lane %d"},  // section and key in any case
      {"#VANTOR_V.4", -1, "Page "},              // "$" keeps the blank before it
      {"#VANTOR_V.5", -1, "Two\nlines and\nthree"},
      {"#VANTOR_V.6", -1, "one blank"},
      {"#VANTOR_V.7", 0, "a"},
      {"#VANTOR_V.7", 2, ""},
      {"#VANTOR_V.7", 3, "d"},
      {"#VANTOR_V.7", 4, ""},
      {"#VANTOR_V.8", -1, "x=y"},  // split at the first "="
      {"#VANTOR_V.9", -1, "#VANTOR_V.9"},  // empty value shows the key
      {"#VANTOR_V.9", 1, "#VANTOR_V.9"},
      {"#VANTOR_V.10", -1, "first"},
      {"#VANTOR_V.11", -1, "price"},
      {"#VANTOR_V.99", -1, "#VANTOR_V.99"},
      {"#NOSECTION.1", -1, "#NOSECTION.1"},
      {"#VANTOR_V", -1, "#VANTOR_V"},
      {"#QB.Cancel", -1, "#QB.Cancel"},  // lines before the first section are ignored
      {"VANTOR_V.3", -1, "VANTOR_V.3"},  // not a "#" key
      {"#Mixed_Case.KEY", -1, "value"},
  };
  for (const Case& c : cases) EXPECT_EQ(texts.LookupText(c.key, c.item), c.expected) << c.key << " item " << c.item;

  EXPECT_EQ(texts.FormatText("#VANTOR_V.3", {3, 4}), " Heat 3, lane 4");
  EXPECT_EQ(texts.DataSection("vantor_v").size(), 9u);
  EXPECT_TRUE(texts.DataSection("none").empty());
}

TEST(LanguageTextStore, KeepsFormSectionsAndSplitsThemIntoComponentBlocks) {
  TQbLanguageTxtFiles texts({""});
  texts.LoadFromText(kFile);
  EXPECT_EQ(texts.FormSection("tfrmview"),
            (std::vector<std::string>{"Main window", ".@Label1", "Caption", "", ".@BtnOk", "OK"}));
  EXPECT_TRUE(texts.FormSection("TfrmMissing").empty());

  frame::TFormTexts view = frame::SplitFormSection(texts.FormSection("TfrmView"));
  EXPECT_EQ(view.caption, "Main window");
  ASSERT_EQ(view.blocks.size(), 2u);
  EXPECT_EQ(view.blocks[0].component, "Label1");
  EXPECT_EQ(view.blocks[0].lines, (std::vector<std::string>{"Caption", ""}));
  EXPECT_EQ(view.blocks[1].component, "BtnOk");

  // A "." first line keeps the designed caption.
  frame::TFormTexts other = frame::SplitFormSection(texts.FormSection("TfrmOther"));
  EXPECT_EQ(other.caption, "");
  ASSERT_EQ(other.blocks.size(), 1u);
  EXPECT_EQ(other.blocks[0].lines, std::vector<std::string>{"Hint"});
}

TEST(LanguageTextStore, ReadsWindows1252FilesAndTakesMonthNamesFromTheTexts) {
  TQbLanguageTxtFiles texts({""});
  texts.LoadFromText("[Data.QB]\nLongMonthNames=Januar;Februar;M\xE4rz\nShortDayNames=So;Mo\n");
  EXPECT_EQ(texts.DateNames().longMonthNames[2], "M\xC3\xA4rz");
  EXPECT_EQ(texts.DateNames().longMonthNames[3], "April");  // missing items keep the default
  EXPECT_EQ(texts.DateNames().shortDayNames[1], "Mo");
  EXPECT_EQ(texts.DateNames().shortDateFormat, "dd.mm.yyyy");
}

// Which file the store reads for a language, given the files that exist.
TEST(LanguageFileSearch, FollowsTheFallBackChain) {
  struct Case {
    std::vector<std::string> files;
    int language;
    int expectedId;  // 0: no file
    std::string expectedFile;
  } cases[] = {
      {{"lapscope.xch"}, frame::kLanguageGerman, 1, "lapscope.xch"},
      {{"lapscope.xch", "lapscope.xus"}, frame::kLanguageGermanAustria, 1, "lapscope.xch"},
      {{"lapscope.xde", "lapscope.xus"}, frame::kLanguageGermanAustria, 2, "lapscope.xde"},
      {{"lapscope.xfr", "lapscope.xus"}, frame::kLanguageFrenchCanada, 3, "lapscope.xfr"},
      {{"lapscope.xus"}, frame::kLanguageFrenchCanada, 4, "lapscope.xus"},
      {{"lapscope.xch", "lapscope.xus"}, frame::kLanguageSpanishMexico, 4, "lapscope.xus"},
      {{"lapscope.xes"}, frame::kLanguageSpanishMexico, 7, "lapscope.xes"},
      {{"lapscope.xus"}, frame::kLanguageSerbian, 4, "lapscope.xus"},
      {{"lapscope.xus"}, frame::kLanguageNone, 4, "lapscope.xus"},
      // German Swiss falls back to German before English.
      {{"lapscope.xde", "lapscope.xus"}, frame::kLanguageGermanSwiss, 2, "lapscope.xde"},
      // The whole chain in the program's name comes before the product group's name.
      {{"lapscope.xus", "vantor.xde"}, frame::kLanguageGerman, 4, "lapscope.xus"},
      {{"vantor.xde"}, frame::kLanguageGermanAustria, 2, "vantor.xde"},
      {{"lapscope.xde"}, frame::kLanguageFrench, 0, ""},
      {{}, frame::kLanguageEnglish, 0, ""},
  };
  for (const Case& c : cases) {
    testing_support::ScratchDir dir;
    for (const std::string& f : c.files) dir.Write(f, "[Data.QB]\nCancel=" + f + "\n");
    TQbLanguageTxtFiles texts({dir.Path()});
    int found = -1;
    std::string file = texts.FindLanguageFile(c.language, &found);
    EXPECT_EQ(found, c.expectedId) << "language " << c.language << " first file " << (c.files.empty() ? "-" : c.files[0]);
    EXPECT_EQ(file, c.expectedFile.empty() ? "" : dir.File(c.expectedFile));

    texts.SetLanguage(c.language);
    EXPECT_EQ(texts.Language(), c.language);
    EXPECT_EQ(texts.LookupText("#QB.Cancel"), c.expectedFile.empty() ? "#QB.Cancel" : c.expectedFile);
  }
}

TEST(LanguageFileSearch, ListsTheLanguagesThatHaveAFile) {
  testing_support::ScratchDir dir;
  for (const char* f : {"lapscope.xde", "lapscope.xus", "vantor.xfr", "lapscope.xxx", "other.xit"}) dir.Write(f, "");
  TQbLanguageTxtFiles texts({dir.Path()});
  EXPECT_EQ(texts.AvailableLanguages(), (std::set<int>{2, 3, 4}));
}

TEST(LanguageTextStore, CallsItsListenersOnChanges) {
  testing_support::ScratchDir dir;
  dir.Write("lapscope.xde", "[Data.QB]\nCancel=Abbrechen\n");
  dir.Write("lapscope.xus", "[Data.QB]\nCancel=Cancel\n");
  TQbLanguageTxtFiles texts({dir.Path()});
  std::vector<std::string> calls;
  texts.AddListener(TQbLanguageTxtFiles::kScreenListeners, [&] { calls.push_back("screen"); }, false);
  auto textId = texts.AddListener(
      TQbLanguageTxtFiles::kTextListeners, [&] { calls.push_back("text " + texts.LookupText("#QB.Cancel")); }, true);
  EXPECT_EQ(calls, std::vector<std::string>{"text #QB.Cancel"});

  calls.clear();
  texts.SetLanguage(2);
  texts.SetLanguage(2);  // no change, no notice
  texts.SetLanguage(4);
  EXPECT_EQ(calls, (std::vector<std::string>{"text Abbrechen", "text Cancel"}));

  calls.clear();
  texts.NotifyAll();
  EXPECT_EQ(calls, (std::vector<std::string>{"screen", "text Cancel"}));

  // A listener that removes another one while the notices run: the removed one is not called.
  calls.clear();
  TQbLanguageTxtFiles::ListenerId later = 0;
  texts.AddListener(TQbLanguageTxtFiles::kScreenListeners, [&] { texts.RemoveListener(later); }, false);
  later = texts.AddListener(TQbLanguageTxtFiles::kScreenListeners, [&] { calls.push_back("later"); }, false);
  texts.RemoveListener(textId);
  texts.NotifyAll();
  EXPECT_EQ(calls, std::vector<std::string>{"screen"});
}

TEST(LanguageTable, NumbersLanguagesByIdAndIndex) {
  EXPECT_EQ(frame::LanguageCodeOfId(1), "ch");
  EXPECT_EQ(frame::LanguageCodeOfId(26), "rs");
  EXPECT_EQ(frame::LanguageCodeOfId(27), "xx");
  EXPECT_EQ(frame::LanguageIdOfCode("US"), 4);
  EXPECT_EQ(frame::LanguageIndexOfId(2), 1);
  EXPECT_EQ(frame::LanguageIndexOfId(0), 25);
  EXPECT_EQ(frame::LanguageIndexOfId(26), 25);
  EXPECT_EQ(frame::LanguageIdOfIndex(23), 24);
  EXPECT_EQ(frame::LanguageIdOfIndex(25), 0);
  EXPECT_EQ(frame::LanguageCodeOfIndex(3), "us");
}

TEST(InitialLanguage, ComesFromTheUserStoreElseFromTheLocale) {
  struct Case {
    const char* locale;
    int id;
  } cases[] = {
      {"de_CH.UTF-8", 1}, {"de_AT", 16},      {"de_DE.UTF-8", 2},  {"de", 2},    {"en_GB.UTF-8", 24},
      {"en_US.UTF-8", 4}, {"fr_CA", 17},      {"fr_BE.UTF-8", 3},  {"es_MX", 23}, {"es_ES", 7},
      {"cs_CZ", 19},      {"da_DK", 9},       {"nb_NO.UTF-8", 15}, {"sv_SE", 14}, {"sr_RS@latin", 26},
      {"hr_HR", 21},      {"sl_SI", 20},      {"tr_TR", 22},       {"ru_RU", 8},  {"it_IT", 5},
      {"nl_NL", 6},       {"pt_BR", 11},      {"pl_PL", 10},       {"hu_HU", 18}, {"fi_FI", 12},
      {"is_IS", 13},      {"ja_JP.UTF-8", 4}, {"C", 4},            {"POSIX", 4},
  };
  for (const Case& c : cases) EXPECT_EQ(frame::LanguageIdOfLocale(c.locale), c.id) << c.locale;

  testing_support::ScratchDir dir;
  auto env = [](const char* name) -> const char* {
    return std::string(name) == "LC_MESSAGES" ? "fr_CA.UTF-8" : std::string(name) == "LANG" ? "de_DE" : nullptr;
  };
  frame::TVntIniFile store(dir.File("user.ini"));
  EXPECT_EQ(frame::InitialLanguageId(store, env), 17);  // LC_MESSAGES before LANG
  store.WriteInteger("Tarnwell", "ActiveLanguage", 0);
  EXPECT_EQ(frame::InitialLanguageId(store, env), 17);
  store.WriteInteger("Tarnwell", "ActiveLanguage", 6);
  EXPECT_EQ(frame::InitialLanguageId(store, env), 6);
  store.WriteInteger("Tarnwell", "ActiveLanguage", 40);  // no language: ignored
  EXPECT_EQ(frame::InitialLanguageId(store, env), 17);
  EXPECT_EQ(frame::InitialLanguageId(store, [](const char*) -> const char* { return nullptr; }), 4);
}

TEST(TextFormat, FillsConversionsWithoutTrustingTheFormat) {
  struct Case {
    const char* format;
    std::vector<frame::TFormatArg> args;
    const char* expected;
  } cases[] = {
      {"Heat %d, lane %d", {3, 4}, "Heat 3, lane 4"},
      {"%.2d:%.3d", {5, 7}, "05:007"},
      {"%s files", {"PDF"}, "PDF files"},
      {"%-4s|%4d|", {"ab", 12}, "ab  |  12|"},
      {"%1:s %0:s", {"a", "b"}, "b a"},
      {"100%%", {}, "100%"},
      {"%d and %s", {}, " and "},       // missing arguments give nothing
      {"%s", {42}, "42"},               // a number for a text
      {"%d", {"17"}, "17"},             // a text for a number
      {"%d", {"x"}, "0"},
      {"%n %z %", {1.5}, "1.500000 %z %"},  // unknown conversions stay as they are
      {"%999999999999d", {1}, "1"},
  };
  for (const Case& c : cases) {
    std::string got = frame::FormatWithArgs(c.format, c.args);
    if (std::string(c.format).starts_with("%9999"))
      EXPECT_EQ(got.back(), '1') << c.format;
    else
      EXPECT_EQ(got, c.expected) << c.format;
  }
}

}  // namespace
