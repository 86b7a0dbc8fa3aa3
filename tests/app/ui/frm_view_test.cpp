// The main window over real and made-up files, with the message boxes replaced by a recorder.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTextBrowser>
#include <filesystem>

#include "app/ui/frm_view.h"
#include "app/result_readers.h"
#include "app/ui/vnt_combo_box.h"
#include "app/viewer_texts.h"
#include "frame/ui/vnt_messages.h"
#include "lenex/qb_lenex.h"
#include "ui_test_support.h"

namespace {

using frame::ui::TMessageAnswer;
using frame::ui::TMessageKind;
using lapscope::ui::TfrmView;

struct Message {
  TMessageKind kind;
  std::string text;
};

// Records every message and answers questions with a set answer.
class MessageRecorder {
 public:
  explicit MessageRecorder(TMessageAnswer answer = TMessageAnswer::No) {
    previous_ = frame::ui::SetMessageFunction([this, answer](QWidget*, TMessageKind kind, const QString& text) {
      messages.push_back({kind, text.toStdString()});
      return kind == TMessageKind::Question ? answer : TMessageAnswer::Ok;
    });
  }
  ~MessageRecorder() { frame::ui::SetMessageFunction(previous_); }
  std::vector<Message> messages;

 private:
  frame::ui::TMessageFunction previous_;
};

std::string Text(char letter, int number) { return frame::Language().GetText(letter, number); }

void ExpectEmpty(TfrmView& view) {
  EXPECT_EQ(view.Competitions()->count(), 0);
  EXPECT_FALSE(view.Action("ActClose")->isEnabled());
  EXPECT_FALSE(view.Action("ActFileInfo")->isEnabled());
  EXPECT_EQ(view.windowTitle().toStdString(), app::CaptionText(frame::ui::ApplicationTitle().toStdString()));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // the busy cursor is gone again
}

TEST(MainWindow, OpensARealFileIntoTheCompetitionsBox) {
  auto files = testing_support::RealDataFiles("lenex3", {".lxf"});
  if (files.empty()) GTEST_SKIP() << "no real data";
  testing_support::FreshSettings settings(1);
  MessageRecorder recorder;
  TfrmView view({});
  ExpectEmpty(view);
  std::string lastShown;
  int withoutMeets = 0;
  for (const std::string& file : files) {
    if (app::OpenResultDocument(file).kind == app::TOpenOutcome::Kind::NoMeets) {
      // Record lists hold no meet: they are reported and nothing is shown.
      EXPECT_FALSE(view.OpenResultFile(QString::fromStdString(file), true)) << file;
      ASSERT_EQ(recorder.messages.size(), 1u) << file;
      EXPECT_EQ(recorder.messages[0].text, Text('V', 4));
      recorder.messages.clear();
      ExpectEmpty(view);
      ++withoutMeets;
      continue;
    }
    ASSERT_TRUE(view.OpenResultFile(QString::fromStdString(file), true)) << file;
    lastShown = file;
    auto meets = view.Document()->GetMeets();
    ASSERT_EQ(view.Competitions()->count(), meets->GetCount()) << file;
    auto meet = meets->GetItem(0);
    EXPECT_EQ(view.Competitions()->itemText(0).toStdString(),
              app::CompetitionItemText(meet->GetName(), meet->GetCity(), meet->GetCourseName()));
    EXPECT_EQ(view.Competitions()->currentIndex(), 0);
    ASSERT_NE(view.CurrentMeet(), nullptr);
    EXPECT_EQ(view.CurrentMeet()->GetName(), meet->GetName());
    EXPECT_EQ(view.Competitions()->IsReadOnly(), meets->GetCount() < 2);
    EXPECT_TRUE(view.Action("ActClose")->isEnabled());
    EXPECT_TRUE(view.Action("ActFileInfo")->isEnabled());
    EXPECT_FALSE(view.Action("ActOpenInEditor")->isEnabled());
    EXPECT_FALSE(view.Action("actSearch")->isEnabled());  // its dialog comes later
    EXPECT_EQ(view.windowTitle().toStdString(),
              app::CaptionText(frame::ui::ApplicationTitle().toStdString(), app::FullFileName(file)));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
  EXPECT_TRUE(recorder.messages.empty());
  EXPECT_LT(withoutMeets, static_cast<int>(files.size()) / 2);
  EXPECT_EQ(view.RecentFiles().Files().front(), app::FullFileName(lastShown));

  ASSERT_TRUE(view.OpenResultFile(QString::fromStdString(lastShown), true));
  view.Action("ActFileInfo")->trigger();
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].kind, TMessageKind::Plain);
  EXPECT_EQ(recorder.messages[0].text,
            view.Document()->GetConstructorName() + " " + view.Document()->GetConstructorVersion());

  view.CloseDocument();
  ExpectEmpty(view);
}

TEST(MainWindow, UnreadableFilesAreReportedAndLeaveTheWindowEmpty) {
  testing_support::FreshSettings settings(3);
  testing_support::ScratchDir dir;
  std::string good = dir.Write("two.lef",
                               "<LENEX version=\"3.0\"><MEETS><MEET name=\"A\" city=\"B\" course=\"SCM\"/>"
                               "<MEET name=\"C\" city=\"D\" course=\"LCM\"/></MEETS></LENEX>");
  MessageRecorder recorder;
  TfrmView view({});
  ASSERT_TRUE(view.OpenResultFile(QString::fromStdString(good), false));
  EXPECT_EQ(view.Competitions()->count(), 2);
  EXPECT_FALSE(view.Competitions()->IsReadOnly());
  // Without the name in the caption (a downloaded file).
  EXPECT_EQ(view.windowTitle().toStdString(), app::CaptionText(frame::ui::ApplicationTitle().toStdString()));
  EXPECT_TRUE(view.RecentFiles().Files().empty());

  std::string broken = dir.Write("broken.lef", "<LENEX version=\"3.0\"><MEETS><MEET name=\"x\"></CLUB></MEETS></LENEX>");
  EXPECT_FALSE(view.OpenResultFile(QString::fromStdString(broken), true));
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].kind, TMessageKind::Warning);
  EXPECT_EQ(recorder.messages[0].text, app::ErrorListMessage(Text('V', 9), view.Document()->GetErrors()));
  ExpectEmpty(view);

  struct Case {
    std::string name, content, message;
  } cases[] = {
      {"x.dsv", "FORMAT:Wettkampfergebnisliste;7;", Text('V', 32)},
      {"empty.zip", "", Text('V', 32)},
      {"none.lef", "<LENEX version=\"3.0\"><MEETS/></LENEX>", Text('V', 4)},
  };
  for (const Case& c : cases) {
    recorder.messages.clear();
    EXPECT_FALSE(view.OpenResultFile(QString::fromStdString(dir.Write(c.name, c.content)), true));
    ASSERT_EQ(recorder.messages.size(), 1u) << c.name;
    EXPECT_EQ(recorder.messages[0].text, c.message) << c.name;
    EXPECT_EQ(recorder.messages[0].kind, TMessageKind::Warning);
    ExpectEmpty(view);
  }
}

TEST(MainWindow, AsksToRegisterTheFileTypesOnlyOnce) {
  testing_support::FreshSettings settings(3);
  {
    MessageRecorder recorder(TMessageAnswer::Yes);
    TfrmView view({});
    view.FormShow();
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0].kind, TMessageKind::Question);
    EXPECT_EQ(recorder.messages[0].text, Text('V', 7));
    EXPECT_EQ(recorder.messages[1].text, Text('V', 8));
    EXPECT_TRUE(std::filesystem::exists(settings.Folder().File("share/applications/lapscope.desktop")));
    EXPECT_TRUE(std::filesystem::exists(settings.Folder().File("share/mime/packages/lapscope.xml")));
  }
  MessageRecorder recorder(TMessageAnswer::Yes);
  TfrmView view({});
  view.FormShow();
  EXPECT_TRUE(recorder.messages.empty());
}

TEST(MainWindow, OpensTheFileOfTheCommandLineWhenShown) {
  testing_support::FreshSettings settings(3);
  frame::ProgramIni().WriteBool("Files", "AskRegExtension", false);
  testing_support::ScratchDir dir;
  std::string file = dir.Write("one.lef", "<LENEX version=\"3.0\"><MEETS><MEET name=\"A\" city=\"B\"/></MEETS></LENEX>");
  MessageRecorder recorder;
  TfrmView view({QString::fromStdString(file)});
  view.FormShow();
  EXPECT_EQ(view.Competitions()->count(), 1);
  EXPECT_TRUE(view.Competitions()->IsReadOnly());
  EXPECT_TRUE(recorder.messages.empty());

  // A "$" argument names the translators' folder: nothing is loaded.
  TfrmView exporting({"$" + QString::fromStdString(dir.Path())});
  exporting.FormShow();
  EXPECT_EQ(exporting.Competitions()->count(), 0);
}

TEST(MainWindow, KeepsItsLayoutAndFollowsTheLanguage) {
  testing_support::FreshSettings settings(1);
  MessageRecorder recorder;
  {
    TfrmView view({});
    EXPECT_EQ(view.Pages()->currentIndex(), 0);  // the stored default is the help page
    EXPECT_FALSE(view.Pages()->isTabVisible(2));
    EXPECT_EQ(view.Action("ActLoadFile")->text(), QString::fromUtf8("&Öffnen..."));
    auto* model = view.EventsHeader()->model();
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString().toStdString(), Text('V', 29));
    EXPECT_TRUE(view.HelpText()->toPlainText().contains("Lapscope"));
    EXPECT_EQ(view.FlagMap().IndexOf("SUI"), 15);
    EXPECT_EQ(view.FlagMap().IndexOf("SUI_SKBE"), 56);
    EXPECT_EQ(view.Images().size(), 57u);

    frame::Language().SetScreenLanguage(3, true);
    EXPECT_EQ(view.Action("ActLoadFile")->text(), "&Open...");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString().toStdString(), Text('V', 29));
    EXPECT_EQ(Text('V', 29), "Name, first name, YOB");
    EXPECT_EQ(view.ClubsHeader()->model()->headerData(4, Qt::Horizontal).toString().toStdString(), Text('V', 28));
    EXPECT_EQ(view.Pages()->tabText(1), "&Participants");
    EXPECT_TRUE(view.HelpText()->toPlainText().contains("Opening a file"));

    view.Pages()->setCurrentIndex(1);
    view.findChild<QCheckBox*>("chkTnOnlyValids")->setChecked(true);
    view.EventsHeader()->resizeSection(2, 99);
    view.Action("ActShowHelp")->trigger();
    EXPECT_EQ(view.Pages()->currentIndex(), 2);
    view.Pages()->setCurrentIndex(1);
  }
  frame::TVntIniFile& ini = frame::ProgramIni();
  EXPECT_EQ(ini.ReadInteger("main", "pgcMain", -1), 1);
  EXPECT_TRUE(ini.ReadBool("main", "tnOnlyValids", false));
  EXPECT_EQ(ini.ReadInteger("main", "hcEvents2", 0), 99);
  TfrmView again({});
  EXPECT_EQ(again.Pages()->currentIndex(), 1);
  EXPECT_TRUE(again.findChild<QCheckBox*>("chkTnOnlyValids")->isChecked());
  EXPECT_FALSE(again.findChild<QCheckBox*>("chkEvOnlyValids")->isChecked());
  EXPECT_EQ(again.EventsHeader()->sectionSize(2), 99);
}

}  // namespace
