// The forms' window states, their translation by component name, the translators' export and
// the language selection dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <filesystem>

#include "base/qb_strings.h"
#include "frame/settings/lapscope_settings.h"
#include "frame/settings/window_state.h"
#include "frame/ui/form_translation.h"
#include "frame/ui/vnt_action_list.h"
#include "frame/ui/vnt_flang_select.h"
#include "frame/ui/vnt_form.h"
#include "ui_test_support.h"

namespace {

using frame::ui::TVntForm;

QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// A form with one component of each kind the translation knows.
struct SampleForm {
  QWidget form;
  QLabel* label;
  QComboBox* combo;
  QTabWidget* tabs;
  QWidget* page;
  QWidget* plain;
  frame::ui::TVntActionList* actions;

  SampleForm() {
    form.setObjectName("frmSample");
    form.setWindowTitle("Muster");
    auto* layout = new QVBoxLayout(&form);
    label = new QLabel("Name:", &form);
    label->setObjectName("lblName");
    label->setStatusTip("alter Hinweis");
    combo = new QComboBox(&form);
    combo->setObjectName("cbxKind");
    combo->addItems({"eins", "zwei", "drei"});
    combo->setCurrentIndex(1);
    tabs = new QTabWidget(&form);
    page = new QWidget;
    page->setObjectName("shtFirst");
    tabs->addTab(page, "Erste");
    plain = new QWidget(&form);
    plain->setObjectName("pnlPlain");
    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(combo), static_cast<QWidget*>(tabs), plain})
      layout->addWidget(w);
    actions = new frame::ui::TVntActionList(&form);
    actions->setObjectName("ActionList1");
    actions->Add("ActOpen", "Öffnen");
    actions->Add("ActQuit", "Beenden");
  }
};

TEST(FormTranslation, AppliesEachBlockByComponentKind) {
  testing_support::QtApp();
  frame::TQbLanguageTxtFiles texts({""});
  texts.LoadFromText(
      "[Form.TfrmSample]\n"
      "Sample\n"
      ".@lblName\n"
      "Name:\n"
      ".@cbxKind\n"
      ".\n"
      "one\ntwo\nthree\n"
      ".@shtFirst\n"
      "First\n"
      ".@pnlPlain\n"
      "A plain hint\n"
      ".@ActionList1\n"
      "@ActOpen\nOpen\nOpen a file\n"
      "@ActQuit\n.\nQuit the program\n"
      ".@lblMissing\n"
      "nobody\n"
      "[Form.TfrmBase]\n"
      ".\n"
      ".@lblName\n"
      "Base name:\n"
      "Base hint\n");
  SampleForm sample;
  frame::ui::TranslateForm(&sample.form, {"TfrmBase", "TfrmSample"}, texts);
  EXPECT_EQ(sample.form.windowTitle(), "Sample");
  EXPECT_EQ(sample.label->text(), "Name:");             // the form's own section comes last
  EXPECT_EQ(sample.label->statusTip(), "Base hint");    // a one-line block keeps the hint
  EXPECT_EQ(sample.combo->count(), 3);
  EXPECT_EQ(sample.combo->itemText(2), "three");
  EXPECT_EQ(sample.combo->currentIndex(), 1);           // selection kept
  EXPECT_EQ(sample.tabs->tabText(0), "First");
  EXPECT_EQ(sample.plain->statusTip(), "A plain hint");
  EXPECT_EQ(sample.actions->Find("ActOpen")->text(), "Open");
  EXPECT_EQ(sample.actions->Find("ActOpen")->statusTip(), "Open a file");
  EXPECT_EQ(sample.actions->Find("ActQuit")->text(), "Beenden");  // "." keeps it
  EXPECT_EQ(sample.actions->Find("ActQuit")->statusTip(), "Quit the program");

  // A section whose first line is "." keeps the caption.
  texts.LoadFromText("[Form.TfrmSample]\n.\n.@lblName\nX\n");
  frame::ui::TranslateForm(&sample.form, {"TfrmSample"}, texts);
  EXPECT_EQ(sample.form.windowTitle(), "Sample");
  EXPECT_EQ(sample.label->text(), "X");
}

TEST(FormTranslation, ExportsTheTextsInTheOrderTheyAreRead) {
  testing_support::QtApp();
  SampleForm sample;
  std::string text = frame::ui::ExportFormText(&sample.form, "TfrmSample");
  EXPECT_EQ(text.rfind("[TfrmSample]\r\nMuster\r\n", 0), 0u) << text;
  EXPECT_NE(text.find(".@lblName\r\nName:\r\nalter Hinweis\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find(".@cbxKind\r\n.\r\neins\r\nzwei\r\ndrei\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find(".@ActionList1\r\n@ActOpen\r\nÖffnen\r\n.\r\n@ActQuit\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find(".@shtFirst\r\nErste\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("pnlPlain"), std::string::npos);  // no text at all

  // What the export wrote reads back into the same texts.
  frame::TQbLanguageTxtFiles texts({""});
  texts.LoadFromText(qb::ReplaceAll(text, "[TfrmSample]", "[Form.TfrmSample]"));
  SampleForm other;
  other.label->setText("?");
  other.actions->Find("ActOpen")->setText("?");
  frame::ui::TranslateForm(&other.form, {"TfrmSample"}, texts);
  EXPECT_EQ(other.label->text(), "Name:");
  EXPECT_EQ(other.actions->Find("ActOpen")->text(), QString::fromUtf8("Öffnen"));

  testing_support::ScratchDir dir;
  EXPECT_TRUE(frame::ui::ExportFormFile(&sample.form, "TfrmSample", dir.Path()));
  EXPECT_EQ(testing_support::ReadFile(dir.File("TfrmSample.txt")), text);
  sample.form.setWindowTitle("Changed");
  EXPECT_FALSE(frame::ui::ExportFormFile(&sample.form, "TfrmSample", dir.Path()));  // an existing file stays
  EXPECT_EQ(testing_support::ReadFile(dir.File("TfrmSample.txt")), text);
}

TEST(VntForm, WindowStateRoundTripAndLimits) {
  testing_support::FreshSettings settings;
  const QRect screen = Available();
  {
    QWidget form;
    form.setObjectName("frmState");
    form.resize(300, 200);
    auto* vnt = new TVntForm(&form, {"TfrmState"}, true);
    vnt->Loaded();
    // No stored state: centred.
    EXPECT_EQ(form.geometry().center().x(), screen.center().x());
    form.setGeometry(screen.left() + 40, screen.top() + 30, 350, 220);
    form.show();
    form.close();
  }
  auto stored = frame::ReadWindowState(frame::UserStore(), "frmState");
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->rect, (frame::TWindowRect{screen.left() + 40, screen.top() + 30, 350, 220}));
  EXPECT_EQ(stored->state, frame::TWindowShowState::Normal);
  {
    QWidget form;
    form.setObjectName("frmState");
    form.resize(300, 200);
    auto* vnt = new TVntForm(&form, {"TfrmState"}, true);
    vnt->Loaded();
    EXPECT_EQ(form.geometry(), QRect(screen.left() + 40, screen.top() + 30, 350, 220));
  }
  // A form stored far right opens at the right limit; a form that is not sizeable keeps its size.
  frame::UserStore().WriteString("VNT_WindowStates", "frmState", "5000,20,9000,150,2");
  {
    QWidget form;
    form.setObjectName("frmState");
    form.resize(300, 200);
    auto* vnt = new TVntForm(&form, {"TfrmState"}, false);
    vnt->SetSaveState(false);
    vnt->Loaded();
    EXPECT_EQ(form.geometry().left(), screen.left() + screen.width() - 10);
    EXPECT_EQ(form.size(), QSize(300, 200));
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
  }
  // Not five numbers: ignored, the form opens centred.
  frame::UserStore().WriteString("VNT_WindowStates", "frmState", "10,20,abc");
  QWidget form;
  form.setObjectName("frmState");
  form.resize(300, 200);
  (new TVntForm(&form, {"TfrmState"}, true))->Loaded();
  EXPECT_EQ(form.geometry().center(), QRect(screen.topLeft(), screen.size()).center());
}

TEST(LanguageDialog, ListsTheLanguageFilesAndStoresTheChoice) {
  testing_support::FreshSettings settings;
  frame::ui::TvntFLangSelect dialog(nullptr);
  QListWidget* screen = dialog.ScreenList();
  ASSERT_EQ(screen->count(), 2);  // German and English files
  EXPECT_EQ(screen->item(0)->text().toStdString(), frame::Language().GetText('G', 149, 2));
  EXPECT_EQ(screen->item(1)->text().toStdString(), frame::Language().GetText('G', 149, 4));
  EXPECT_TRUE(dialog.HelpList()->isHidden());
  EXPECT_FALSE(screen->item(0)->icon().isNull());

  screen->setCurrentRow(0);
  dialog.PrintList()->setCurrentRow(1);
  dialog.ApplyOk();
  EXPECT_EQ(frame::ProgramIni().ReadInteger("Config", "lbxLanguage", -1), 1);
  EXPECT_EQ(frame::ProgramIni().ReadInteger("Config", "lbxPrnLanguage", -1), 3);
  EXPECT_FALSE(frame::ProgramIni().ValueExists("Config", "lbxHlpLanguage"));
  EXPECT_EQ(frame::Language().ScreenIndex(), 1);
  EXPECT_EQ(frame::Language().PrintIndex(), 3);
  EXPECT_EQ(dialog.windowTitle().toStdString(), "Sprache auswählen");  // retranslated in German
  // Once chosen, the start does not ask again (a dialog shown here would wait for a person).
  frame::ui::SelectLanguageAtFirstStart();
}

TEST(LanguageDialog, WithOneLanguageFileItIsChosenWithoutAsking) {
  testing_support::ScratchDir data;
  std::filesystem::copy_file(frame::DataFolder() + "/lapscope.xus", data.File("lapscope.xus"));
  testing_support::FreshSettings settings(-1, data.Path());
  ASSERT_FALSE(frame::settings::LanguageChosen(frame::ProgramIni()));
  frame::ui::SelectLanguageAtFirstStart();
  EXPECT_EQ(frame::ProgramIni().ReadInteger("Config", "lbxLanguage", -1), 3);
}

}  // namespace
