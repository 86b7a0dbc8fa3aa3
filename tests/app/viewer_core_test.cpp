// The viewer's core: choosing a reader by file type, the texts of the main window, the recent
// files, the file association and the crash report.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>

#include "app/crash_handler.h"
#include "app/file_association.h"
#include "app/flag_map.h"
#include "app/recent_files.h"
#include "app/result_readers.h"
#include "app/viewer_texts.h"
#include "base/qb_strings.h"
#include "frame/settings/vnt_ini_file.h"
#include "lenex/qb_lenex.h"
#include "test_support.h"

namespace {

using app::TOpenOutcome;
using app::TResultFileType;

const char* const kTwoMeets =
    "<LENEX version=\"3.0\"><MEETS>"
    "<MEET name=\"Winter Cup\" city=\"Bern\" course=\"SCM\"><SESSIONS/></MEET>"
    "<MEET name=\"Summer Cup\" city=\"Thun\" course=\"LCM\"><SESSIONS/></MEET>"
    "</MEETS></LENEX>";

TEST(ResultReaders, TypeKeyComesFromTheExtensionOrTheZipListing) {
  std::map<std::string, std::vector<std::string>> archives = {
      {"pce.zip", {"data/a.lef", "sub/RCOMP.TXT"}},
      {"dsv.zip", {"Meldung.DSV", "x.lef"}},
      {"lenex.zip", {"results.lef"}},
      {"empty.zip", {}},
  };
  app::TZipLister lister = [&](const std::string& file) -> std::optional<std::vector<std::string>> {
    auto it = archives.find(qb::ExtractFileName(file));
    if (it == archives.end()) return std::nullopt;
    return it->second;
  };
  struct Case {
    const char* file;
    const char* key;
    bool pce3;
    TResultFileType type;
  } cases[] = {
      {"/m/x.LEF", ".lef", false, TResultFileType::Lenex},
      {"/m/x.Lxf", ".lxf", false, TResultFileType::Lenex},
      {"/m/x.snf", ".snf", false, TResultFileType::Lenex},
      {"/m/pce.zip", ".zip", true, TResultFileType::Pce3},  // rcomp.txt wins over the .lef before it
      {"/m/dsv.zip", ".dsv", false, TResultFileType::Dsv},
      {"/m/lenex.zip", ".lef", false, TResultFileType::Lenex},
      {"/m/empty.zip", ".zip", false, TResultFileType::Unsupported},
      {"/m/broken.zip", ".zip", false, TResultFileType::Unsupported},
      {"/m/x.cl2", ".cl2", false, TResultFileType::Sdif},
      {"/m/x.SD3", ".sd3", false, TResultFileType::Sdif},
      {"/m/x.xml", ".xml", false, TResultFileType::WasXml},
      {"/m/x.dsv", ".dsv", false, TResultFileType::Dsv},
      {"/m/x.txt", ".txt", false, TResultFileType::Unsupported},
      {"/m/noext", "", false, TResultFileType::Unsupported},
      {"/m/x.lxb", ".lxb", false, TResultFileType::Unsupported},
  };
  for (const Case& c : cases) {
    app::TTypeKey key = app::DecideTypeKey(c.file, lister);
    EXPECT_EQ(key.key, c.key) << c.file;
    EXPECT_EQ(key.pce3, c.pce3) << c.file;
    const app::TResultReader* reader = app::FindReader(app::ResultReaders(), key);
    EXPECT_EQ(reader ? reader->type : TResultFileType::Unsupported, c.type) << c.file;
  }
}

TEST(ResultReaders, OpensLenexAndRefusesWhatHasNoReaderYet) {
  testing_support::ScratchDir dir;
  std::string lef = dir.Write("meets.LEF", kTwoMeets);
  TOpenOutcome plain = app::OpenResultDocument(lef);
  ASSERT_EQ(plain.kind, TOpenOutcome::Kind::Loaded);
  EXPECT_EQ(plain.document->GetMeets()->GetCount(), 2);

  // A zip archive whose first entry is a LENEX file is read as that file.
  ASSERT_TRUE(plain.document->SaveToFile(dir.File("packed.zip"), true));
  EXPECT_EQ(app::OpenResultDocument(dir.File("packed.zip")).kind, TOpenOutcome::Kind::Loaded);

  struct Case {
    std::string name, content;
    TOpenOutcome::Kind kind;
  } cases[] = {
      {"none.lef", "<LENEX version=\"3.0\"><MEETS/></LENEX>", TOpenOutcome::Kind::NoMeets},
      {"broken.lef", "<LENEX version=\"3.0\"><MEETS><MEET name=\"x\"></CLUB></MEETS></LENEX>",
       TOpenOutcome::Kind::Errors},
      // LENEX 1.x needs the older reader, which is not there yet.
      {"old.lef", "<LENEX><Version>01.05</Version><MEETS><MEET name=\"x\"/></MEETS></LENEX>",
       TOpenOutcome::Kind::Unsupported},
      {"x.dsv", "FORMAT:Wettkampfergebnisliste;7;", TOpenOutcome::Kind::Unsupported},
      {"x.cl2", "A01V3      02", TOpenOutcome::Kind::Unsupported},
      {"x.xml", "<Meet/>", TOpenOutcome::Kind::Unsupported},
      {"x.pdf", "%PDF", TOpenOutcome::Kind::Unsupported},
      {"notazip.zip", "plain text", TOpenOutcome::Kind::Unsupported},
  };
  for (const Case& c : cases) {
    TOpenOutcome outcome = app::OpenResultDocument(dir.Write(c.name, c.content));
    EXPECT_EQ(outcome.kind, c.kind) << c.name;
    EXPECT_EQ(outcome.document == nullptr, c.kind == TOpenOutcome::Kind::Unsupported) << c.name;
  }
  EXPECT_EQ(app::OpenResultDocument(dir.File("missing.lef")).kind, TOpenOutcome::Kind::Errors);
}

TEST(ResultReaders, EveryRealLenexFileOpensWithItsMeets) {
  auto files = testing_support::RealDataFiles("lenex3", {".lef", ".lxf"});
  if (files.empty()) GTEST_SKIP() << "no real data";
  for (const std::string& file : files) {
    TOpenOutcome outcome = app::OpenResultDocument(file);
    EXPECT_EQ(outcome.type, TResultFileType::Lenex) << file;
    ASSERT_NE(outcome.document, nullptr) << file;
    // Record lists carry no meet; every other real file shows.
    bool records = outcome.document->GetMeets()->GetCount() == 0;
    EXPECT_EQ(outcome.kind, records ? TOpenOutcome::Kind::NoMeets : TOpenOutcome::Kind::Loaded) << file;
  }
}

TEST(ViewerTexts, CaptionComboItemAndErrorMessage) {
  EXPECT_EQ(app::CaptionText("lapscope"), "VANTOR lapscope");
  EXPECT_EQ(app::CaptionText("lapscope", "/home/a/x.lxf"), "VANTOR lapscope - /home/a/x.lxf");
  EXPECT_EQ(app::ApplicationTitle("/usr/bin/lapscope"), "lapscope");
  EXPECT_EQ(app::FullFileName("/a/b/../c.lef"), "/a/c.lef");
  EXPECT_EQ(app::CompetitionItemText("Winter Cup", "Bern", "Kurzbahn (25m)"), "Winter Cup,  Bern   ( Kurzbahn (25m) )");
  EXPECT_EQ(app::ErrorListMessage("Cannot read:", {"Line 3: a", "Line 9: b"}), "Cannot read:\r\nLine 3: a\r\nLine 9: b");
  EXPECT_EQ(app::HelpCodeForScreenIndex(0), "de");
  EXPECT_EQ(app::HelpCodeForScreenIndex(1), "de");
  EXPECT_EQ(app::HelpCodeForScreenIndex(3), "us");
  EXPECT_EQ(app::HelpCodeForScreenIndex(15), "us");  // German Austria reads the English help

  testing_support::ScratchDir dir;
  EXPECT_FALSE(app::CompanionEditorExists(dir.Path()));
  dir.Write("scribra.exe", "");
  EXPECT_TRUE(app::CompanionEditorExists(dir.Path()));
}

TEST(RecentFiles, NewestFirstWithoutDoublesAndAtMostEight) {
  testing_support::ScratchDir dir;
  app::TRecentFiles recent;
  for (int i = 0; i < 10; ++i) recent.Add("/m/" + std::to_string(i) + ".lxf");
  recent.Add("/m/5.lxf");
  ASSERT_EQ(recent.Files().size(), 8u);
  EXPECT_EQ(recent.Files()[0], "/m/5.lxf");
  EXPECT_EQ(recent.Files()[1], "/m/9.lxf");
  EXPECT_EQ(recent.Files()[7], "/m/2.lxf");  // 0 and 1 fell off

  frame::TVntIniFile ini(dir.File("lapscope.ini"));
  recent.Save(ini);
  EXPECT_EQ(ini.ReadString("main", "recent0", ""), "/m/5.lxf");
  app::TRecentFiles reread;
  reread.Load(ini);
  EXPECT_EQ(reread.Files(), recent.Files());
  reread.Remove("/m/5.lxf");
  reread.Save(ini);
  EXPECT_FALSE(ini.ValueExists("main", "recent7"));
}

TEST(FileAssociation, WritesTheDesktopEntryAndTheMimePackage) {
  testing_support::ScratchDir dir;
  ASSERT_TRUE(app::WriteFileAssociation(dir.Path(), "/opt/my apps/lapscope"));
  std::string desktop = testing_support::ReadFile(dir.File("applications/lapscope.desktop"));
  EXPECT_NE(desktop.find("Exec=\"/opt/my apps/lapscope\" %f\n"), std::string::npos) << desktop;
  EXPECT_NE(desktop.find("MimeType=application/x-lenex;application/x-lenex-compressed;"), std::string::npos);
  std::string mime = testing_support::ReadFile(dir.File("mime/packages/lapscope.xml"));
  EXPECT_NE(mime.find("<glob pattern=\"*.lef\"/>"), std::string::npos);
  EXPECT_NE(mime.find("<glob pattern=\"*.lxf\"/>"), std::string::npos);
  // A path with characters the desktop entry format reserves stays one argument.
  EXPECT_NE(app::DesktopEntryText("/x/$a\"b").find("Exec=\"/x/\\\\$a\\\\\"b\" %f"), std::string::npos);
  EXPECT_FALSE(app::WriteFileAssociation("/proc/no-such-place", "/usr/bin/lapscope"));
  // The package installed for all users is the same.
  EXPECT_EQ(testing_support::ReadFile(std::string(LAPSCOPE_SOURCE_DIR) + "/dist/lapscope-mime.xml"), mime);
}

TEST(FlagMap, KeepsTheWrittenOrderAndFindsCodes) {
  const auto& codes = app::FlagCodes();
  ASSERT_EQ(codes.size(), 42u);
  EXPECT_EQ(codes.front(), "SUI");
  EXPECT_EQ(codes[34], "YUG");
  EXPECT_EQ(codes.back(), "SUI_SKBE");
  app::TFlagMap map;
  map.Add("SUI", 15);
  map.Add("SUI_LN", 51);
  EXPECT_EQ(map.Entries()[1], "SUI_LN=51");
  EXPECT_EQ(map.IndexOf("SUI"), 15);
  EXPECT_EQ(map.IndexOf("SUI_LN"), 51);
  EXPECT_EQ(map.IndexOf("SU"), -1);
}

TEST(CrashHandlerDeathTest, WritesTheReportBeforeTheProgramEnds) {
  testing_support::ScratchDir dir;
  setenv("XDG_STATE_HOME", dir.Path().c_str(), 1);
  EXPECT_EQ(app::CrashReportFile(), dir.Path() + "/lapscope/lapscope.err");
  // The report is written by the forked child into this test's folder.
  GTEST_FLAG_SET(death_test_style, "fast");
  EXPECT_DEATH(
      {
        app::InstallCrashHandler("9.9");
        std::raise(SIGSEGV);
      },
      "");
  std::string report = testing_support::ReadFile(dir.Path() + "/lapscope/lapscope.err");
  EXPECT_NE(report.find("Lapscope 9.9 stopped unexpectedly."), std::string::npos) << report;
  EXPECT_NE(report.find("SIGSEGV"), std::string::npos);
  EXPECT_NE(report.find("Backtrace:"), std::string::npos);

  EXPECT_DEATH(
      {
        app::InstallCrashHandler("9.9");
        try {
          throw std::runtime_error("lost lane");
        } catch (...) {
          std::terminate();
        }
      },
      "");
  report = testing_support::ReadFile(dir.Path() + "/lapscope/lapscope.err");
  EXPECT_NE(report.find("unhandled exception"), std::string::npos) << report;
  EXPECT_NE(report.find("lost lane"), std::string::npos) << report;
  unsetenv("XDG_STATE_HOME");
}

}  // namespace
