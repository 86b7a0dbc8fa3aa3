// TfrmView: the viewer's main window. Tool bar with the competitions box, menus, banner, the
// events, participants and (hidden) help pages, status bar; opening a result file of any kind
// into one document and closing it. The trees and lists of the pages are filled by their pages.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "app/browse/browse_tree.h"
#include "app/browse/list_painter.h"
#include "app/flag_map.h"
#include "app/recent_files.h"
#include "frame/settings/lapscope_settings.h"
#include "frame/ui/vnt_messages.h"
#include "lenex/model/qb_lenex_intf.h"

class QAction;
class QCheckBox;
class QHeaderView;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTabWidget;
class QTextBrowser;
class QToolBar;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace frame::ui {
class TVntActionList;
class TVntForm;
}  // namespace frame::ui

namespace lapscope::ui {

class TVntComboBox;
class TVntFVantorScreen;
class TvntPaintBox;

// False for the actions whose dialogs come with later parts of the program (never enabled).
bool IsBuilt(const QAction* action);

// The address of the product page the banner opens.
inline constexpr const char* kProductPage = "https://lapscope.example.org/";

class TfrmView : public QMainWindow {
  Q_OBJECT
 public:
  // arguments: the command-line arguments after the program name.
  explicit TfrmView(QStringList arguments, QWidget* parent = nullptr);
  ~TfrmView() override;

  // The start-up screen that shows the progress of a file named on the command line.
  void SetStartScreen(TVntFVantorScreen* screen) { startScreen_ = screen; }

  // Opens a result file of any supported type; false when nothing was shown.
  bool OpenResultFile(const QString& fileName, bool showNameInCaption);
  void CloseDocument();
  std::shared_ptr<const lnx::IQbLenexMeet> CurrentMeet() const;
  lnx::TQbLenexPtr Document() const { return document_; }
  void SetCaptionFile(const QString& fullFileName);
  void UpdateListActions();
  void ApplyLanguage();
  // Loads lapscope<code>.html into the help page; with report, a failure shows G.138.
  bool LoadHelpText(const QString& code, bool report);
  // The progress text of the pages: the status bar, and the start-up screen while loading at start.
  void ShowProgress(const QString& text);

  // The handlers of the actions and controls, by their names.
  void FormShow();
  void ActionList1Update();
  void CbxCompetitionsChange();
  void PgcMainChange();
  void ActLoadFileExecute();
  void ActFileInfoExecute();
  void ActRegisterExtExecute();
  void ActSelectLanguageExecute();
  void ActInfoExecute();
  void ActShowHelpExecute();
  // Puts the shown list of the active page on the clipboard as tab-separated text (frm_view_copy.cpp).
  void actCopyExecute();
  // That text: the current event (or age group) on the events page, the current athlete on the
  // participants page, with the page's two boxes; empty otherwise.
  std::string CopyText() const;
  void ImgVantorClick();

  // The events page (frm_view_events.cpp) and the participants page (frm_view_clubs.cpp).
  void FillEventsTree();
  void TrvEventsChange(QTreeWidgetItem* node);
  void chkEvSplitClick();
  void hcEventsSectionResize();
  void FillClubsTree();
  void trvClubsChange(QTreeWidgetItem* node);
  void chkTnOnlyValidsClick();
  void hcClubsSectionResize();
  // The payload of a tree node, or none.
  static std::shared_ptr<const app::TNodeData> NodeData(const QTreeWidgetItem* node);
  // The row of the events list to highlight and scroll to with the next drawing (-1: none).
  void SetFoundRow(int row) { foundRow_ = row; }
  std::shared_ptr<const lnx::IQbLenexEvent> CurrentEvent() const { return currentEvent_; }
  std::shared_ptr<const lnx::IQbLenexAgeGroup> CurrentAgeGroup() const { return currentAgeGroup_; }
  std::shared_ptr<const lnx::IQbLenexAthlete> CurrentAthlete() const { return currentAthlete_; }
  bool ResultsMode() const { return resultsMode_; }

  frame::ui::TVntActionList* Actions() const { return actionList_; }
  QAction* Action(const char* name) const;
  TVntComboBox* Competitions() const { return cbxCompetitions_; }
  QTabWidget* Pages() const { return pgcMain_; }
  QTreeWidget* EventsTree() const { return trvEvents_; }
  QTreeWidget* ClubsTree() const { return trvClubs_; }
  QHeaderView* EventsHeader() const { return hcEvents_; }
  QHeaderView* ClubsHeader() const { return hcClubs_; }
  TvntPaintBox* EventsPaintBox() const { return pbEvents_; }
  TvntPaintBox* ClubsPaintBox() const { return pbClubs_; }
  QLabel* EventsTitle() const { return pnlEventTitel_; }
  QLabel* ClubsTitle() const { return pnlTnTitel_; }
  QTextBrowser* HelpText() const { return memHelp_; }
  const app::TFlagMap& FlagMap() const { return flagMap_; }
  // The image list: tool bar glyphs and tree icons first, then one flag per code of the flag map.
  const std::vector<QPixmap>& Images() const { return images_; }
  const app::TRecentFiles& RecentFiles() const { return recentFiles_; }
  bool LoadingAtStart() const { return loadingAtStart_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenusAndToolBar();
  void CreateBanner(QWidget* parent, QVBoxLayout* layout);
  void CreatePages();
  QWidget* CreateListPage(const char* pageName, const QString& caption, QTreeWidget*& tree, QHeaderView*& header,
                          QSplitter*& splitter, const char* prefix, const char* switchButton, const QString& switchCaption);
  // The trees' delayed change, the header sections and the check boxes of both pages.
  void ConnectListPages();
  void SetUpHeaderSections();
  // Section widths of a header, as the list drawing reads them.
  static std::vector<int> SectionWidths(const QHeaderView* header);
  // Applies what a list asked of its header; timeSection and lastSection are its columns.
  void ApplyListHeader(QHeaderView* header, const app::TListHeader& wanted, int timeSection, int lastSection);
  // Keeps the header over the paint box's columns when it scrolls horizontally.
  void AlignHeader(QHeaderView* header, int imageLeft);
  // Runs a list rebuild with the window's updates locked, and the shared ending of both pages.
  void BeginListUpdate();
  void EndListUpdate(TvntPaintBox* box, QHeaderView* header);
  void CreateHelpPage();
  void FormCreate();
  void FormDestroy();
  void FillImageList();
  void EnableTaggedActions(int tag, bool enabled);
  void RebuildRecentMenu();
  void SelectNextPage(int step);
  QString FileDialogFilter() const;
  // A message of this window (see vnt_messages.h).
  frame::ui::TMessageAnswer Say(frame::ui::TMessageKind kind, const QString& text);

  QStringList arguments_;
  frame::ui::TVntForm* vntForm_ = nullptr;
  frame::ui::TVntActionList* actionList_ = nullptr;
  TVntFVantorScreen* startScreen_ = nullptr;
  QToolBar* toolBar1_ = nullptr;
  TVntComboBox* cbxCompetitions_ = nullptr;
  QMenu* mnuFile_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  std::vector<QAction*> recentActions_;
  QTabWidget* pgcMain_ = nullptr;
  QWidget* shtEvents_ = nullptr;
  QWidget* shtTeilnehmer_ = nullptr;
  QWidget* shtHelp_ = nullptr;
  QTreeWidget* trvEvents_ = nullptr;
  QTreeWidget* trvClubs_ = nullptr;
  QHeaderView* hcEvents_ = nullptr;
  QHeaderView* hcClubs_ = nullptr;
  QSplitter* splEvents_ = nullptr;
  QSplitter* splClubs_ = nullptr;
  QCheckBox* chkEvSplit_ = nullptr;
  QCheckBox* chkEvOnlyValids_ = nullptr;
  QCheckBox* chkTnSplit_ = nullptr;
  QCheckBox* chkTnOnlyValids_ = nullptr;
  QTextBrowser* memHelp_ = nullptr;
  TvntPaintBox* pbEvents_ = nullptr;
  TvntPaintBox* pbClubs_ = nullptr;
  QLabel* pnlEventTitel_ = nullptr;
  QLabel* pnlTnTitel_ = nullptr;
  QTimer* eventsChangeDelay_ = nullptr;
  QTimer* clubsChangeDelay_ = nullptr;
  // While a list sets its own header sections, their resize does not redraw it.
  bool settingHeader_ = false;
  int listUpdateDepth_ = 0;

  std::shared_ptr<const lnx::IQbLenexEvent> currentEvent_;
  std::shared_ptr<const lnx::IQbLenexAgeGroup> currentAgeGroup_;
  std::shared_ptr<const lnx::IQbLenexAthlete> currentAthlete_;
  bool resultsMode_ = false;
  int foundRow_ = -1;

  lnx::TQbLenexPtr document_;
  std::string sourceFile_;
  frame::settings::TMainLayout layout_;
  QString lastOpenedFolder_;
  app::TFlagMap flagMap_;
  std::vector<QPixmap> images_;
  app::TRecentFiles recentFiles_;
  bool loadingAtStart_ = false;
  bool shown_ = false;
  bool destroyed_ = false;
};

}  // namespace lapscope::ui
