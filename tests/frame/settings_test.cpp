// The ini file, the settings table's defaults and the window states.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "base/date_time.h"
#include "frame/settings/lapscope_settings.h"
#include "frame/settings/vnt_ini_file.h"
#include "frame/settings/window_state.h"
#include "test_support.h"

namespace {

using frame::TVntIniFile;

TEST(IniDateTime, ReadsPartialValuesByTheirParts) {
  const qb::TDateTime day = qb::EncodeDate(2009, 3, 12);
  struct Case {
    const char* text;
    qb::TDateTime expected;
  } cases[] = {
      {"20090312134501", day + qb::EncodeTime(13, 45, 1, 0)},
      {"20090312", day},            // no time part
      {"200903121345", day},        // time part too short
      {"20090312xx4501", day},      // time part not a number
      {"20090312256001", day},      // no valid time
      {"20090332134501", 0},        // no valid date
      {"2009031", 0},
      {"", 0},
      {"abcd0312134501", 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(frame::ParseIniDateTime(c.text), c.expected) << c.text;

  EXPECT_EQ(frame::IniDateTimeText(day + qb::EncodeTime(7, 8, 9, 0)), "20090312070809");

  testing_support::ScratchDir dir;
  TVntIniFile ini(dir.File("a.ini"));
  ini.WriteDateTime("s", "when", day + qb::EncodeTime(23, 59, 59, 0));
  EXPECT_EQ(ini.ReadString("s", "when", ""), "20090312235959");
  EXPECT_DOUBLE_EQ(ini.ReadDateTime("s", "when", 5), day + qb::EncodeTime(23, 59, 59, 0));
  ini.WriteString("s", "bad", "2009");
  EXPECT_DOUBLE_EQ(ini.ReadDateTime("s", "bad", 5), 5);  // a value of 0 gives the default
  EXPECT_DOUBLE_EQ(ini.ReadDateTime("s", "missing", 7), 7);
}

TEST(IniFile, KeepsValuesAcrossReopeningAndAnswersDefaults) {
  testing_support::ScratchDir dir;
  std::string path = dir.Write("lapscope.ini", "; kept comment\n[Main]\nopenPath = /home/me/meets/ \ncount=x12\n");
  {
    TVntIniFile ini(path);
    EXPECT_EQ(ini.ReadString("main", "OPENPATH", "-"), "/home/me/meets/");
    EXPECT_EQ(ini.ReadInteger("main", "count", 3), 3);  // not a number
    EXPECT_EQ(ini.ReadInteger("main", "missing", -1), -1);
    EXPECT_TRUE(ini.ReadBool("Files", "AskRegExtension", true));
    ini.WriteBool("Files", "AskRegExtension", false);
    ini.WriteInteger("main", "pgcMain", 1);
    // A line break in a value cannot make a key of its own.
    ini.WriteString("main", "openPath", "/tmp/x\n[Config]\nlbxLanguage=3");
    ini.WriteString("main", "bad=key", "1");
  }
  TVntIniFile ini(path);
  EXPECT_FALSE(ini.ReadBool("Files", "AskRegExtension", true));
  EXPECT_EQ(ini.ReadInteger("main", "pgcMain", 2), 1);
  EXPECT_FALSE(ini.ValueExists("Config", "lbxLanguage"));
  EXPECT_EQ(ini.ReadSection("main"), (std::vector<std::string>{"openPath", "count", "pgcMain"}));
  EXPECT_NE(testing_support::ReadFile(path).find("; kept comment"), std::string::npos);
  ini.DeleteKey("main", "count");
  ini.EraseSection("files");
  TVntIniFile again(path);
  EXPECT_FALSE(again.ValueExists("main", "count"));
  EXPECT_FALSE(again.SectionExists("Files"));
}

TEST(IniFile, WithoutAUsableFileReadsDefaultsAndWritesNothing) {
  testing_support::ScratchDir dir;
  std::filesystem::create_directory(dir.File("lapscope.ini"));  // a folder where the file should be
  TVntIniFile blocked(dir.File("lapscope.ini"));
  EXPECT_FALSE(blocked.IsUsable());
  blocked.WriteInteger("main", "pgcMain", 1);
  EXPECT_EQ(blocked.ReadInteger("main", "pgcMain", 2), 2);

  dir.Write("file", "");
  TVntIniFile unwritable(dir.File("file") + "/sub/lapscope.ini");  // its folder cannot be made
  EXPECT_TRUE(unwritable.IsUsable());
  unwritable.WriteInteger("main", "pgcMain", 1);
  EXPECT_FALSE(unwritable.IsUsable());
  EXPECT_EQ(unwritable.ReadInteger("main", "pgcMain", 2), 2);
}

TEST(LapscopeSettings, GivesTheDefaultsOfEveryKey) {
  testing_support::ScratchDir dir;
  TVntIniFile ini(dir.File("lapscope.ini"));
  frame::settings::TMainLayout l = frame::settings::ReadMainLayout(ini, 40, 50);
  EXPECT_EQ(l.findDialogLeft, 40);
  EXPECT_EQ(l.findDialogTop, 50);
  EXPECT_EQ(l.openPath, "");
  EXPECT_EQ(l.activePage, 2);
  EXPECT_EQ(frame::settings::StartPageIndex(l.activePage), 0);
  EXPECT_EQ(l.eventsTreeWidth, 300);
  EXPECT_EQ(l.clubsTreeWidth, 300);
  EXPECT_EQ(l.eventsHeader, (std::array<int, 5>{36, 143, 143, 53, 50}));
  EXPECT_EQ(l.clubsHeader, (std::array<int, 6>{45, 110, 110, 60, 40, 70}));
  EXPECT_FALSE(l.eventsSplit || l.eventsOnlyValids || l.clubsSplit || l.clubsOnlyValids);
  EXPECT_TRUE(frame::settings::ReadAskRegExtension(ini));
  EXPECT_FALSE(frame::settings::LanguageChosen(ini));
  frame::settings::TLanguageChoice choice = frame::settings::ReadLanguageChoice(ini);
  EXPECT_EQ(choice.screen, -1);

  l.clubsHeader[5] = 99;
  l.clubsSplit = true;
  l.activePage = 1;
  frame::settings::WriteMainLayout(ini, l);
  EXPECT_EQ(ini.ReadInteger("main", "hcClubs5", 0), 99);
  EXPECT_EQ(ini.ReadString("main", "tnSplit", ""), "1");
  EXPECT_FALSE(ini.ValueExists("main", "openPath"));  // written only when known
  EXPECT_EQ(frame::settings::ReadMainLayout(ini, 0, 0).clubsHeader, l.clubsHeader);

  ini.WriteInteger("Config", "lbxLanguage", 3);
  choice = frame::settings::ReadLanguageChoice(ini);
  EXPECT_EQ(choice.print, 3);
  EXPECT_EQ(choice.help, 3);
  EXPECT_TRUE(frame::settings::LanguageChosen(ini));

  for (auto [stored, page] : {std::pair{-4, 0}, {0, 0}, {1, 1}, {2, 0}, {7, 0}})
    EXPECT_EQ(frame::settings::StartPageIndex(stored), page) << stored;
}

TEST(WindowState, ReadsOnlyFiveNumbers) {
  struct Case {
    const char* text;
    std::optional<frame::TWindowState> expected;
  } cases[] = {
      {"10,20,800,600,2", frame::TWindowState{{10, 20, 800, 600}, frame::TWindowShowState::Maximized}},
      {" -5, 0 ,300,200,0", frame::TWindowState{{-5, 0, 300, 200}, frame::TWindowShowState::Normal}},
      {"10,20,800,600,9", frame::TWindowState{{10, 20, 800, 600}, frame::TWindowShowState::Normal}},
      {"10,20,800,600", std::nullopt},
      {"10,20,800,600,1,1", std::nullopt},
      {"10,20,wide,600,1", std::nullopt},
      {"10,20,800,600,", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(frame::ParseWindowState(c.text), c.expected) << c.text;

  testing_support::ScratchDir dir;
  TVntIniFile store(dir.File("user.ini"));
  frame::TWindowState s{{1, 2, 3, 4}, frame::TWindowShowState::Minimized};
  frame::WriteWindowState(store, "frmView", s);
  EXPECT_EQ(store.ReadString("VNT_WindowStates", "frmView", ""), "1,2,3,4,1");
  EXPECT_EQ(frame::ReadWindowState(store, "frmView"), s);
}

TEST(WindowState, PlacesTheFormOnTheScreen) {
  const frame::TWindowRect screen{0, 0, 1920, 1080};
  const frame::TWindowRect designed{0, 0, 400, 300};
  using S = frame::TWindowShowState;
  struct Case {
    std::optional<frame::TWindowState> stored;
    bool sizeable;
    frame::TWindowRect expected;
  } cases[] = {
      {std::nullopt, true, {760, 390, 400, 300}},                       // centred
      {frame::TWindowState{{100, 50, 800, 600}, S::Normal}, true, {100, 50, 800, 600}},
      {frame::TWindowState{{100, 50, 800, 600}, S::Normal}, false, {100, 50, 400, 300}},
      {frame::TWindowState{{5000, 50, 800, 600}, S::Normal}, true, {1910, 50, 800, 600}},
      {frame::TWindowState{{-300, -20, 800, 600}, S::Normal}, true, {0, 0, 800, 600}},
      {frame::TWindowState{{10, 10, 5000, 4000}, S::Normal}, true, {10, 10, 1910, 1070}},
      {frame::TWindowState{{10, 1075, 400, 300}, S::Normal}, false, {760, 390, 400, 300}},  // too low
      {frame::TWindowState{{10, 10, 0, -5}, S::Normal}, true, {10, 10, 400, 300}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(frame::PlaceWindow(c.stored, screen, designed, c.sizeable).rect, c.expected)
        << (c.stored ? frame::WindowStateText(*c.stored) : "none");

  // A second screen to the right: the limits count from its origin.
  frame::TWindowState onSecond{{1900, 100, 640, 480}, S::Maximized};
  frame::TWindowState placed = frame::PlaceWindow(onSecond, {1920, 0, 1280, 1024}, designed, true);
  EXPECT_EQ(placed.rect, (frame::TWindowRect{1920, 100, 640, 480}));
  EXPECT_EQ(placed.state, S::Maximized);
}

}  // namespace
