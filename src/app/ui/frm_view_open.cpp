// TfrmView: opening and closing result files, the competitions box, language, help and the
// commands of the File and Help menus.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <filesystem>

#include "app/file_association.h"
#include "app/legacy_texts.h"
#include "app/result_readers.h"
#include "app/ui/frm_view.h"
#include "app/ui/vantor_screen.h"
#include "app/ui/vnt_combo_box.h"
#include "app/viewer_texts.h"
#include "base/temp_files.h"
#include "frame/app_folders.h"
#include "frame/language/language_manager.h"
#include "frame/settings/settings_store.h"
#include "frame/ui/busy_cursor.h"
#include "frame/ui/vnt_action_list.h"
#include "frame/ui/vnt_flang_select.h"
#include "frame/ui/vnt_messages.h"

namespace lapscope::ui {

using frame::ui::ShowMessage;
using frame::ui::TMessageAnswer;
using frame::ui::TMessageKind;

namespace {
QString Q(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

frame::ui::TMessageAnswer TfrmView::Say(frame::ui::TMessageKind kind, const QString& text) {
  // The start-up screen stays in front of every window: it gives way to a message.
  if (startScreen_ && startScreen_->isVisible()) {
    startScreen_->MainWindowUp();
    startScreen_->hide();
  }
  return ShowMessage(this, kind, text);
}

bool TfrmView::OpenResultFile(const QString& fileName, bool showNameInCaption) {
  frame::ui::TBusyCursor busy;
  CloseDocument();
  const std::string file = fileName.toStdString();
  app::TOpenOutcome outcome = app::OpenResultDocument(file);
  if (outcome.kind == app::TOpenOutcome::Kind::Unsupported) {
    Say(TMessageKind::Warning, Q(frame::Language().GetText('V', 32)));
    return false;
  }
  sourceFile_ = app::FullFileName(file);
  document_ = outcome.document;
  if (outcome.kind == app::TOpenOutcome::Kind::Errors) {
    Say(TMessageKind::Warning,
                Q(app::ErrorListMessage(frame::Language().GetText('V', 9), document_->GetErrors())));
    return false;
  }
  if (outcome.kind == app::TOpenOutcome::Kind::NoMeets) {
    Say(TMessageKind::Warning, Q(frame::Language().GetText('V', 4)));
    return false;
  }

  SetCaptionFile(showNameInCaption ? Q(sourceFile_) : QString());
  EnableTaggedActions(1, true);
  Action("ActOpenInEditor")->setEnabled(false);
  auto meets = document_->GetMeets();
  for (const auto& meet : *meets)
    cbxCompetitions_->addItem(Q(app::CompetitionItemText(meet->GetName(), meet->GetCity(), meet->GetCourseName())));
  if (cbxCompetitions_->count() > 0) {
    cbxCompetitions_->setCurrentIndex(0);
    CbxCompetitionsChange();
  }
  cbxCompetitions_->SetReadOnly(cbxCompetitions_->count() < 2);
  if (!cbxCompetitions_->IsReadOnly())
    cbxCompetitions_->setFocus();
  else if (pgcMain_->currentWidget() == shtTeilnehmer_)
    trvClubs_->setFocus();
  else
    trvEvents_->setFocus();

  if (showNameInCaption) {
    lastOpenedFolder_ = QFileInfo(Q(sourceFile_)).absolutePath() + "/";
    recentFiles_.Add(sourceFile_);
    recentFiles_.Save(frame::ProgramIni());
    RebuildRecentMenu();
  }
  return true;
}

void TfrmView::CloseDocument() {
  SetCaptionFile({});
  cbxCompetitions_->clear();
  cbxCompetitions_->SetReadOnly(false);
  trvEvents_->setUpdatesEnabled(false);
  {
    QSignalBlocker quiet(trvEvents_);
    trvEvents_->clear();
  }
  trvEvents_->setUpdatesEnabled(true);
  TrvEventsChange(nullptr);
  trvClubsChange(nullptr);
  {
    QSignalBlocker quiet(trvClubs_);
    trvClubs_->clear();
  }
  EnableTaggedActions(1, false);
  EnableTaggedActions(2, false);
  Action("ActCompetitionInfo")->setEnabled(false);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::shared_ptr<const lnx::IQbLenexMeet> TfrmView::CurrentMeet() const {
  if (!document_ || cbxCompetitions_->currentIndex() < 0) return nullptr;
  auto meets = document_->GetMeets();
  return meets ? meets->GetItem(cbxCompetitions_->currentIndex()) : nullptr;
}

void TfrmView::SetCaptionFile(const QString& fullFileName) {
  setWindowTitle(Q(app::CaptionText(frame::ui::ApplicationTitle().toStdString(), fullFileName.toStdString())));
}

void TfrmView::CbxCompetitionsChange() {
  bool selected = cbxCompetitions_->currentIndex() >= 0;
  Action("ActCompetitionInfo")->setEnabled(selected && IsBuilt(Action("ActCompetitionInfo")));
  if (selected) {
    frame::ui::TBusyCursor busy;
    FillEventsTree();
    FillClubsTree();
    // The lists of the old meet go with its trees.
    TrvEventsChange(nullptr);
    trvClubsChange(nullptr);
  }
  statusBar()->clearMessage();
}

void TfrmView::ShowProgress(const QString& text) {
  statusBar()->showMessage(text);
  if (loadingAtStart_ && startScreen_) startScreen_->SetProgressText(text);
}

void TfrmView::ApplyLanguage() {
  frame::TLanguage& language = frame::Language();
  app::LoadLegacyTexts();
  LoadHelpText(Q(app::HelpCodeForScreenIndex(language.ScreenIndex())), false);
  auto setTitles = [](QHeaderView* header, const std::vector<std::pair<int, std::string>>& titles) {
    auto* model = qobject_cast<QStandardItemModel*>(header->model());
    for (const auto& [section, title] : titles) model->setHeaderData(section, Qt::Horizontal, Q(title));
  };
  setTitles(hcEvents_, {{0, language.GetText('V', 28)}, {1, language.GetText('V', 29)}, {2, language.GetText('V', 30)}});
  setTitles(hcClubs_, {{0, language.GetText('S', 18)},
                       {1, language.GetText('S', 16)},
                       {2, language.GetText('V', 31)},
                       {4, language.GetText('V', 28)}});
  // The time and last columns are titled by the lists, which are drawn again in the new language.
  if (trvEvents_->topLevelItemCount() > 0) TrvEventsChange(trvEvents_->currentItem());
  if (trvClubs_->topLevelItemCount() > 0) trvClubsChange(trvClubs_->currentItem());
}

bool TfrmView::LoadHelpText(const QString& code, bool report) {
  std::string html;
  if (!qb::ReadWholeFile(app::HelpTextFile(frame::DataFolder(), code.toStdString()), html) || html.empty()) {
    if (report) Say(TMessageKind::Warning, Q(frame::Language().GetText('G', 138)));
    return false;
  }
  memHelp_->setHtml(Q(html));
  return true;
}

void TfrmView::FormShow() {
  SetCaptionFile({});
  if (!arguments_.isEmpty() && !arguments_.first().startsWith('$')) {
    loadingAtStart_ = true;
    if (startScreen_) startScreen_->SetProgressText(Q(frame::Language().Texts().LookupText("#QB.LoadingFile")) + " " +
                                                 arguments_.first());
    OpenResultFile(arguments_.first(), true);
    loadingAtStart_ = false;
    if (startScreen_) startScreen_->SetProgressText({});
  }
  frame::TVntIniFile& ini = frame::ProgramIni();
  if (frame::settings::ReadAskRegExtension(ini)) {
    if (Say(TMessageKind::Question, Q(frame::Language().GetText('V', 7))) == TMessageAnswer::Yes)
      ActRegisterExtExecute();
    frame::settings::WriteAskRegExtension(ini, false);
  }
  if (startScreen_) startScreen_->MainWindowUp();
  // The start-up cursor of the program ends here.
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

QString TfrmView::FileDialogFilter() const {
  const frame::TQbLanguageTxtFiles& texts = frame::Language().Texts();
  QStringList filters;
  QStringList all;
  for (const char* ext : {".lxf", ".lef", ".snf", ".zip"}) {
    filters << QStringLiteral("%1 (*%2)").arg(Q(texts.FileTypeText(ext)), QString::fromLatin1(ext));
    all << QStringLiteral("*%1").arg(QString::fromLatin1(ext));
  }
  filters.prepend(QStringLiteral("LENEX (%1)").arg(all.join(' ')));
  filters << Q(texts.LookupText("#QB.FileAll"));
  return filters.join(";;");
}

void TfrmView::ActLoadFileExecute() {
  QString start = !lastOpenedFolder_.isEmpty() ? lastOpenedFolder_ : Q(layout_.openPath);
  QString file = QFileDialog::getOpenFileName(this, Action("ActLoadFile")->text().remove('&').remove("..."), start,
                                              FileDialogFilter());
  if (!file.isEmpty()) OpenResultFile(file, true);
}

void TfrmView::ActFileInfoExecute() {
  if (!document_) return;
  Say(TMessageKind::Plain, Q(document_->GetConstructorName() + " " + document_->GetConstructorVersion()));
}

void TfrmView::ActRegisterExtExecute() {
  std::string program = QCoreApplication::applicationFilePath().toStdString();
  std::string dataHome = app::UserDataHome();
  if (app::WriteFileAssociation(dataHome, program)) app::RunDesktopDatabaseTools(dataHome);
  Say(TMessageKind::Plain, Q(frame::Language().GetText('V', 8)));
}

void TfrmView::ActSelectLanguageExecute() {
  frame::ui::TvntFLangSelect dialog(this, false);
  dialog.exec();
}

void TfrmView::ActInfoExecute() {
  TVntFVantorScreen about(this, TVntFVantorScreen::Mode::About);
  about.exec();
}

void TfrmView::ActShowHelpExecute() { pgcMain_->setCurrentWidget(shtHelp_); }

}  // namespace lapscope::ui
