// TfrmView: construction, pages, layout persistence and the window's own events.
#include "app/ui/frm_view.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "app/legacy_texts.h"
#include "app/ui/vantor_screen.h"
#include "app/ui/vnt_paint_box.h"
#include "app/ui/vnt_combo_box.h"
#include "app/viewer_texts.h"
#include "frame/app_folders.h"
#include "frame/language/language_manager.h"
#include "frame/settings/settings_store.h"
#include "frame/ui/flag_pictures.h"
#include "frame/ui/vnt_action_list.h"
#include "frame/ui/vnt_form.h"

namespace lapscope::ui {

namespace {
QLabel* ClickableLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

QHeaderView* MakeHeader(QWidget* parent, const char* name, int sections) {
  auto* header = new QHeaderView(Qt::Horizontal, parent);
  header->setObjectName(name);
  header->setModel(new QStandardItemModel(0, sections, header));
  header->setSectionsMovable(false);
  header->setStretchLastSection(false);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // One line of text: the header has no rows to size itself by.
  header->setFixedHeight(header->fontMetrics().height() + 8);
  // The header appears with the first list a page draws.
  header->setVisible(false);
  return header;
}

// A small picture of the tree icons: a coloured disc with a letter.
QPixmap TreeIcon(const QColor& color, const QString& letter) {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawEllipse(QRectF(1, 1, 14, 14));
  QFont font = p.font();
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letter);
  return picture;
}
}  // namespace

TfrmView::TfrmView(QStringList arguments, QWidget* parent) : QMainWindow(parent), arguments_(std::move(arguments)) {
  setObjectName("frmView");
  setWindowIcon(ProgramIcon());
  setAcceptDrops(true);
  CreateActions();
  CreateMenusAndToolBar();

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  CreateBanner(central, column);
  CreatePages();
  column->addWidget(pgcMain_, 1);
  setCentralWidget(central);
  statusBar()->setObjectName("StatusBar1");

  // Ctrl+Tab and Ctrl+Shift+Tab step through the visible pages wherever the focus is.
  auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
  next->setContext(Qt::WindowShortcut);
  connect(next, &QShortcut::activated, this, [this] { SelectNextPage(1); });
  auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
  previous->setContext(Qt::WindowShortcut);
  connect(previous, &QShortcut::activated, this, [this] { SelectNextPage(-1); });

  // 800 x 456 client pixels by default.
  resize(800, 456 + menuBar()->sizeHint().height() + toolBar1_->sizeHint().height() + statusBar()->sizeHint().height());
  setMinimumHeight(250);

  vntForm_ = new frame::ui::TVntForm(this, {"TfrmView"}, true);
  FormCreate();
  vntForm_->Loaded();
  SetCaptionFile({});
}

TfrmView::~TfrmView() {
  FormDestroy();
  frame::Language().ClearChangeCallback(this);
}

void TfrmView::CreateBanner(QWidget* parent, QVBoxLayout* layout) {
  auto* banner = new QWidget(parent);
  banner->setObjectName("PnlBanner");
  banner->setAutoFillBackground(true);
  QPalette palette = banner->palette();
  palette.setColor(QPalette::Window, QColor(0, 92, 170));
  banner->setPalette(palette);
  auto* row = new QHBoxLayout(banner);
  row->setContentsMargins(0, 0, 8, 0);
  QLabel* image = ClickableLabel(banner, "ImgVantor");
  image->setPixmap(BannerPicture(220, 40));
  image->setToolTip(kProductPage);
  QLabel* link = ClickableLabel(banner, "LblVantor");
  link->setText(QStringLiteral("<a href=\"%1\" style=\"color:white\">lapscope.example.org</a>").arg(kProductPage));
  link->setTextFormat(Qt::RichText);
  link->setOpenExternalLinks(false);
  connect(link, &QLabel::linkActivated, this, [this] { ImgVantorClick(); });
  image->installEventFilter(this);
  row->addWidget(image);
  row->addStretch(1);
  row->addWidget(link);
  layout->addWidget(banner);
}

QWidget* TfrmView::CreateListPage(const char* pageName, const QString& caption, QTreeWidget*& tree,
                                  QHeaderView*& header, QSplitter*& splitter, const char* prefix,
                                  const char* switchButton, const QString& switchCaption) {
  auto* page = new QWidget(pgcMain_);
  page->setObjectName(pageName);
  auto* pageLayout = new QHBoxLayout(page);
  pageLayout->setContentsMargins(2, 2, 2, 2);
  splitter = new QSplitter(Qt::Horizontal, page);
  pageLayout->addWidget(splitter);

  auto* left = new QWidget(splitter);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  tree = new QTreeWidget(left);
  tree->setObjectName(QStringLiteral("trv%1").arg(prefix));
  tree->setHeaderHidden(true);
  auto* button = new QPushButton(switchCaption, left);
  button->setObjectName(switchButton);
  leftLayout->addWidget(tree, 1);
  leftLayout->addWidget(button);

  auto* right = new QWidget(splitter);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->setSpacing(0);
  bool events = std::string(prefix) == "Events";
  auto* title = new QLabel(right);
  title->setObjectName(events ? "pnlEventTitel" : "pnlTnTitel");
  title->setContentsMargins(4, 3, 4, 3);
  QFont titleFont = title->font();
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->setTextFormat(Qt::PlainText);
  (events ? pnlEventTitel_ : pnlTnTitel_) = title;
  auto* box = new TvntPaintBox(right);
  box->setObjectName(QStringLiteral("pb%1").arg(prefix));
  (events ? pbEvents_ : pbClubs_) = box;
  // The header sits over the box's picture: inset by the box's frame on both sides.
  auto* headerRow = new QWidget(right);
  headerRow->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  auto* headerLayout = new QHBoxLayout(headerRow);
  headerLayout->setContentsMargins(box->frameWidth(), 0, box->frameWidth(), 0);
  headerLayout->setSpacing(0);
  header = MakeHeader(headerRow, std::string("hc").append(prefix).c_str(), events ? 5 : 6);
  headerLayout->addWidget(header);
  rightLayout->addWidget(title);
  rightLayout->addWidget(headerRow);
  rightLayout->addWidget(box, 1);
  auto* checks = new QWidget(right);
  auto* checkRow = new QHBoxLayout(checks);
  checkRow->setContentsMargins(4, 2, 4, 2);
  auto* split = new QCheckBox("&Zwischenzeiten/Namen", checks);
  split->setObjectName(events ? "chkEvSplit" : "chkTnSplit");
  auto* valids = new QCheckBox(QString::fromUtf8("&nur gültige Resultate"), checks);
  valids->setObjectName(events ? "chkEvOnlyValids" : "chkTnOnlyValids");
  checkRow->addWidget(split);
  checkRow->addWidget(valids, 1);
  rightLayout->addWidget(checks);
  (events ? chkEvSplit_ : chkTnSplit_) = split;
  (events ? chkEvOnlyValids_ : chkTnOnlyValids_) = valids;

  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  pgcMain_->addTab(page, caption);
  return page;
}

void TfrmView::CreatePages() {
  pgcMain_ = new QTabWidget(this);
  pgcMain_->setObjectName("PgcMain");
  shtEvents_ = CreateListPage("shtEvents", QString::fromUtf8("&Wettkämpfe"), trvEvents_, hcEvents_, splEvents_,
                              "Events", "btnTeilnehmer", "&Teilnehmer");
  shtTeilnehmer_ = CreateListPage("shtTeilnehmer", "&Teilnehmer", trvClubs_, hcClubs_, splClubs_, "Clubs",
                                  "btnEvents", QString::fromUtf8("&Wettkämpfe"));
  CreateHelpPage();
  connect(findChild<QPushButton*>("btnTeilnehmer"), &QPushButton::clicked, this,
          [this] { pgcMain_->setCurrentWidget(shtTeilnehmer_); });
  connect(findChild<QPushButton*>("btnEvents"), &QPushButton::clicked, this,
          [this] { pgcMain_->setCurrentWidget(shtEvents_); });
  connect(pgcMain_, &QTabWidget::currentChanged, this, [this] { PgcMainChange(); });
}

void TfrmView::CreateHelpPage() {
  shtHelp_ = new QWidget(pgcMain_);
  shtHelp_->setObjectName("shtHelp");
  auto* layout = new QVBoxLayout(shtHelp_);
  layout->setContentsMargins(2, 2, 2, 2);
  memHelp_ = new QTextBrowser(shtHelp_);
  memHelp_->setObjectName("memHelp");
  memHelp_->setOpenExternalLinks(true);
  auto* buttons = new QHBoxLayout;
  auto* german = new QPushButton("Deutsch", shtHelp_);
  german->setObjectName("BtnGerman");
  auto* english = new QPushButton("English", shtHelp_);
  english->setObjectName("BtnEnglish");
  connect(german, &QPushButton::clicked, this, [this] { LoadHelpText("de", true); });
  connect(english, &QPushButton::clicked, this, [this] { LoadHelpText("us", true); });
  buttons->addWidget(german);
  buttons->addWidget(english);
  buttons->addStretch(1);
  layout->addWidget(memHelp_, 1);
  layout->addLayout(buttons);
  int index = pgcMain_->addTab(shtHelp_, "Hilfe");
  pgcMain_->setTabVisible(index, false);
}

void TfrmView::FillImageList() {
  // Tool bar glyphs 0..4, tree icons at their fixed places (5 relay, 7 nation, 9 athlete,
  // 11 session, 12 event, 13 age group, 14 club), then the flags.
  images_.assign(15, QPixmap());
  const char* toolBar[] = {"ActLoadFile", "ActDownload", "ActFileInfo", "ActPrint", "actSearch"};
  for (int i = 0; i < 5; ++i) images_[static_cast<size_t>(i)] = Action(toolBar[i])->icon().pixmap(16, 16);
  images_[5] = TreeIcon(QColor(120, 60, 160), "R");
  images_[6] = TreeIcon(QColor(150, 150, 150), "");
  images_[7] = TreeIcon(QColor(80, 80, 80), "N");
  images_[8] = TreeIcon(QColor(150, 150, 150), "");
  images_[9] = TreeIcon(QColor(0, 120, 200), "A");
  images_[10] = TreeIcon(QColor(150, 150, 150), "");
  images_[11] = TreeIcon(QColor(0, 140, 90), "S");
  images_[12] = TreeIcon(QColor(220, 120, 0), "E");
  images_[13] = TreeIcon(QColor(200, 60, 60), "K");
  images_[14] = TreeIcon(QColor(0, 90, 150), "C");
  for (const std::string& code : app::FlagCodes()) {
    images_.push_back(frame::ui::FlagPicture(QString::fromStdString(code)));
    flagMap_.Add(code, static_cast<int>(images_.size()) - 1);
  }
}

void TfrmView::FormCreate() {
  frame::Language().SetChangeCallback(this, [this] { ApplyLanguage(); });
  FillImageList();

  frame::TVntIniFile& ini = frame::ProgramIni();
  layout_ = frame::settings::ReadMainLayout(ini, 0, 0);
  pgcMain_->setCurrentIndex(frame::settings::StartPageIndex(layout_.activePage, pgcMain_->count() - 1));
  SetUpHeaderSections();
  splEvents_->setSizes({layout_.eventsTreeWidth, 500});
  splClubs_->setSizes({layout_.clubsTreeWidth, 500});
  for (int i = 0; i < 5; ++i) hcEvents_->resizeSection(i, layout_.eventsHeader[static_cast<size_t>(i)]);
  for (int i = 0; i < 6; ++i) hcClubs_->resizeSection(i, layout_.clubsHeader[static_cast<size_t>(i)]);
  chkEvSplit_->setChecked(layout_.eventsSplit);
  chkEvOnlyValids_->setChecked(layout_.eventsOnlyValids);
  chkTnSplit_->setChecked(layout_.clubsSplit);
  chkTnOnlyValids_->setChecked(layout_.clubsOnlyValids);
  recentFiles_.Load(ini);
  RebuildRecentMenu();
  ConnectListPages();

  LoadHelpText("us", false);
  ApplyLanguage();
  Action("ActOpenInEditor")->setVisible(app::CompanionEditorExists(frame::ExecutableFolder()));
  EnableTaggedActions(1, false);
}

void TfrmView::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  frame::TVntIniFile& ini = frame::ProgramIni();
  frame::settings::TMainLayout layout = layout_;
  if (!lastOpenedFolder_.isEmpty()) layout.openPath = lastOpenedFolder_.toStdString();
  layout.activePage = pgcMain_->currentIndex();
  if (splEvents_->sizes().value(0) > 0) layout.eventsTreeWidth = splEvents_->sizes().value(0);
  if (splClubs_->sizes().value(0) > 0) layout.clubsTreeWidth = splClubs_->sizes().value(0);
  for (int i = 0; i < 5; ++i) layout.eventsHeader[static_cast<size_t>(i)] = hcEvents_->sectionSize(i);
  for (int i = 0; i < 6; ++i) layout.clubsHeader[static_cast<size_t>(i)] = hcClubs_->sectionSize(i);
  layout.eventsSplit = chkEvSplit_->isChecked();
  layout.eventsOnlyValids = chkEvOnlyValids_->isChecked();
  layout.clubsSplit = chkTnSplit_->isChecked();
  layout.clubsOnlyValids = chkTnOnlyValids_->isChecked();
  frame::settings::WriteMainLayout(ini, layout);
}

void TfrmView::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // After the window has been painted once, so the user sees it while a file loads.
  QTimer::singleShot(0, this, [this] { FormShow(); });
}

void TfrmView::closeEvent(QCloseEvent* event) {
  vntForm_->SaveWindowState();
  FormDestroy();
  QMainWindow::closeEvent(event);
}

void TfrmView::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void TfrmView::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  QString file = urls.first().toLocalFile();
  // The drop ends before the file is read, so the program it came from is not kept waiting.
  QTimer::singleShot(0, this, [this, file] { OpenResultFile(file, true); });
}

void TfrmView::SelectNextPage(int step) {
  int count = pgcMain_->count();
  int index = pgcMain_->currentIndex();
  for (int i = 0; i < count; ++i) {
    index = (index + step + count) % count;
    if (pgcMain_->isTabVisible(index)) {
      pgcMain_->setCurrentIndex(index);
      return;
    }
  }
}

void TfrmView::PgcMainChange() {
  // The current event, age group and athlete stay with their page's list, which is still shown
  // when the user comes back to it; ActionList1Update asks for the one of the active page.
  UpdateListActions();
  ActionList1Update();
}

void TfrmView::UpdateListActions() {
  bool enabled = false;
  QWidget* page = pgcMain_->currentWidget();
  if (page == shtEvents_) enabled = hcEvents_->isVisibleTo(this);
  if (page == shtTeilnehmer_) enabled = hcClubs_->isVisibleTo(this);
  EnableTaggedActions(2, enabled);
  if (page == shtHelp_) memHelp_->setFocus();
}

void TfrmView::ActionList1Update() {
  // Print and copy follow the shown list: an event on the events page, an athlete on the
  // participants page (a relay's list has no print).
  QWidget* page = pgcMain_->currentWidget();
  bool listShown = (page == shtEvents_ && currentEvent_) || (page == shtTeilnehmer_ && currentAthlete_);
  Action("ActPrint")->setEnabled(listShown && IsBuilt(Action("ActPrint")));
  Action("actCopy")->setEnabled(listShown && IsBuilt(Action("actCopy")));
}

bool TfrmView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && watched->objectName() == QLatin1String("ImgVantor")) {
    ImgVantorClick();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TfrmView::ImgVantorClick() { QDesktopServices::openUrl(QUrl(kProductPage)); }

}  // namespace lapscope::ui
