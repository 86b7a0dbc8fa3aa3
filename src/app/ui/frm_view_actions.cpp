// TfrmView: the action list, the menus and the tool bar.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "app/ui/frm_view.h"
#include "app/ui/vnt_combo_box.h"
#include "frame/ui/vnt_action_list.h"

namespace lapscope::ui {

namespace {
// Actions whose dialogs and reports come with later parts of the program: present, never enabled.
const char* const kNotBuilt[] = {"ActDownload", "ActCompetitionInfo", "ActPrint", "actSearch", "ActClubStats"};
const char* const kNotBuiltProperty = "vntNotBuilt";
}  // namespace

bool IsBuilt(const QAction* action) { return !action->property(kNotBuiltProperty).toBool(); }

void TfrmView::CreateActions() {
  actionList_ = new frame::ui::TVntActionList(this);
  actionList_->setObjectName("ActionList1");
  auto& a = *actionList_;
  const QKeySequence none;
  a.Add("ActLoadFile", QString::fromUtf8("Öffnen..."), QKeySequence(Qt::CTRL | Qt::Key_O));
  a.Add("ActDownload", "Download...", QKeySequence(Qt::CTRL | Qt::Key_D));
  a.Add("ActClose", "Schliessen...", none, 1);
  a.Add("ActCompetitionInfo", "Angaben zu Veranstaltung");
  a.Add("ActFileInfo", "Eigenschaften", QKeySequence(Qt::CTRL | Qt::Key_I), 1);
  a.Add("ActPrint", "Drucken...", QKeySequence(Qt::CTRL | Qt::Key_P), 2);
  a.Add("ActOpenInEditor", "In Scribra bearbeiten", none, 1);
  a.Add("ActSelectLanguage", QString::fromUtf8("Sprache wählen"));
  a.Add("ActRegisterExt", "Erweiterung  .LXF / .LEF registrieren");
  a.Add("ActTerminate", "Beenden");
  a.Add("actSearch", "Suchen...", QKeySequence(Qt::CTRL | Qt::Key_F), 1);
  a.Add("actCopy", "Kopieren...", QKeySequence(Qt::CTRL | Qt::Key_C), 2);
  a.Add("ActClubStats", "Teilnehmende Vereine", none, 1);
  a.Add("ActInfo", QString::fromUtf8("Über Lapscope"));
  a.Add("ActShowHelp", "Hilfe anzeigen");

  for (const char* name : kNotBuilt) Action(name)->setProperty(kNotBuiltProperty, true);
  for (QAction* action : a.Actions()) {
    // Tag 1 and 2 wait for a document or a list; the unbuilt ones stay off.
    if (frame::ui::TVntActionList::Tag(action) != 0 || !IsBuilt(action)) action->setEnabled(false);
    addAction(action);  // shortcuts work while the menus are closed
  }
  Action("ActOpenInEditor")->setVisible(false);
  Action("ActShowHelp")->setVisible(false);

  QStyle* s = style();
  Action("ActLoadFile")->setIcon(QIcon::fromTheme("document-open", s->standardIcon(QStyle::SP_DialogOpenButton)));
  Action("ActDownload")->setIcon(QIcon::fromTheme("go-down", s->standardIcon(QStyle::SP_ArrowDown)));
  Action("ActClose")->setIcon(QIcon::fromTheme("document-close", s->standardIcon(QStyle::SP_DialogCloseButton)));
  Action("ActCompetitionInfo")->setIcon(QIcon::fromTheme("help-about", s->standardIcon(QStyle::SP_MessageBoxInformation)));
  Action("ActFileInfo")->setIcon(QIcon::fromTheme("document-properties", s->standardIcon(QStyle::SP_FileDialogInfoView)));
  Action("ActPrint")->setIcon(QIcon::fromTheme("document-print", s->standardIcon(QStyle::SP_FileDialogDetailedView)));
  Action("actSearch")->setIcon(QIcon::fromTheme("edit-find", s->standardIcon(QStyle::SP_FileDialogContentsView)));
  Action("actCopy")->setIcon(QIcon::fromTheme("edit-copy", s->standardIcon(QStyle::SP_FileLinkIcon)));
  Action("ActOpenInEditor")->setIcon(QIcon::fromTheme("document-edit", s->standardIcon(QStyle::SP_FileIcon)));
  Action("ActTerminate")->setIcon(QIcon::fromTheme("application-exit", s->standardIcon(QStyle::SP_DialogCloseButton)));
  Action("ActTerminate")->setMenuRole(QAction::QuitRole);

  connect(Action("ActLoadFile"), &QAction::triggered, this, &TfrmView::ActLoadFileExecute);
  connect(Action("ActClose"), &QAction::triggered, this, &TfrmView::CloseDocument);
  connect(Action("ActFileInfo"), &QAction::triggered, this, &TfrmView::ActFileInfoExecute);
  connect(Action("ActSelectLanguage"), &QAction::triggered, this, &TfrmView::ActSelectLanguageExecute);
  connect(Action("ActRegisterExt"), &QAction::triggered, this, &TfrmView::ActRegisterExtExecute);
  connect(Action("ActTerminate"), &QAction::triggered, this, &QWidget::close);
  connect(Action("ActInfo"), &QAction::triggered, this, &TfrmView::ActInfoExecute);
  connect(Action("actCopy"), &QAction::triggered, this, &TfrmView::actCopyExecute);
  connect(Action("ActShowHelp"), &QAction::triggered, this, &TfrmView::ActShowHelpExecute);
}

QAction* TfrmView::Action(const char* name) const { return actionList_->Find(QString::fromLatin1(name)); }

void TfrmView::CreateMenusAndToolBar() {
  auto menu = [this](const char* name, const QString& title) {
    QMenu* m = menuBar()->addMenu(title);
    m->setObjectName(name);
    return m;
  };
  mnuFile_ = menu("mnuFile", "&Datei");
  for (const char* name : {"ActLoadFile", "ActDownload", "ActClose", "ActCompetitionInfo", "ActFileInfo"})
    mnuFile_->addAction(Action(name));
  mnuFile_->addSeparator();
  for (const char* name : {"ActPrint", "ActOpenInEditor", "ActSelectLanguage", "ActRegisterExt"})
    mnuFile_->addAction(Action(name));
  recentSeparator_ = mnuFile_->addSeparator();
  mnuFile_->addSeparator();
  mnuFile_->addAction(Action("ActTerminate"));

  QMenu* edit = menu("mnuEdit", "&Bearbeiten");
  edit->addAction(Action("actSearch"));
  edit->addAction(Action("actCopy"));
  menu("mnuReports", "Auswertungen")->addAction(Action("ActClubStats"));
  QMenu* help = menu("mnuHelp", "&Hilfe");
  help->addAction(Action("ActInfo"));
  help->addSeparator();
  help->addAction(Action("ActShowHelp"));

  toolBar1_ = addToolBar("ToolBar1");
  toolBar1_->setObjectName("ToolBar1");
  toolBar1_->setMovable(false);
  toolBar1_->setFloatable(false);
  toolBar1_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolBar1_->toggleViewAction()->setVisible(false);
  toolBar1_->addAction(Action("ActLoadFile"));
  toolBar1_->addAction(Action("ActDownload"));
  toolBar1_->addSeparator();
  for (const char* name : {"ActCompetitionInfo", "ActFileInfo", "ActPrint", "actSearch", "actCopy", "ActOpenInEditor"})
    toolBar1_->addAction(Action(name));
  toolBar1_->addSeparator();
  cbxCompetitions_ = new TVntComboBox(toolBar1_);
  cbxCompetitions_->setObjectName("CbxCompetitions");
  // The box always takes the rest of the tool bar's width.
  cbxCompetitions_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  cbxCompetitions_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cbxCompetitions_->setMinimumContentsLength(20);
  toolBar1_->addWidget(cbxCompetitions_);
  connect(cbxCompetitions_, &QComboBox::activated, this, [this] { CbxCompetitionsChange(); });
}

void TfrmView::EnableTaggedActions(int tag, bool enabled) {
  for (QAction* action : actionList_->Actions())
    if (frame::ui::TVntActionList::Tag(action) == tag) action->setEnabled(enabled && IsBuilt(action));
}

void TfrmView::RebuildRecentMenu() {
  for (QAction* action : recentActions_) {
    mnuFile_->removeAction(action);
    action->deleteLater();
  }
  recentActions_.clear();
  QAction* before = nullptr;
  // The entries go between the separator above the exit and the one after the last group.
  const QList<QAction*> items = mnuFile_->actions();
  int at = items.indexOf(recentSeparator_);
  if (at >= 0 && at + 1 < items.size()) before = items[at + 1];
  int number = 1;
  for (const std::string& file : recentFiles_.Files()) {
    QString name = QString::fromStdString(file);
    auto* action = new QAction(QStringLiteral("&%1  %2").arg(number).arg(name), this);
    action->setObjectName(QStringLiteral("ActRecent%1").arg(number - 1));
    action->setStatusTip(name);
    connect(action, &QAction::triggered, this, [this, name] { OpenResultFile(name, true); });
    mnuFile_->insertAction(before, action);
    recentActions_.push_back(action);
    ++number;
  }
  recentSeparator_->setVisible(!recentActions_.empty());
}

}  // namespace lapscope::ui
