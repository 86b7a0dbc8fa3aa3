// TfrmView: what the events page and the participants page share — the delayed tree change,
// the header sections and their alignment with the list, the check boxes, and the frame of a
// list rebuild.
#include <QCheckBox>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeWidget>

#include "app/ui/browse_tree_items.h"
#include "app/ui/frm_view.h"
#include "app/ui/vnt_paint_box.h"

namespace lapscope::ui {

namespace {
struct TSection {
  const char* text;
  int width;
  int minimum;
  Qt::Alignment align;
};

const TSection kEventsSections[] = {{"Rg.", 36, 20, Qt::AlignHCenter},
                                    {"Name, Vorname, Jg.", 143, 50, Qt::AlignLeft},
                                    {"Verein", 143, 50, Qt::AlignLeft},
                                    {"Zeit", 53, 53, Qt::AlignRight},
                                    {"Lauf / Bahn", 50, 0, Qt::AlignLeft}};
const TSection kClubsSections[] = {{"Nr.", 45, 30, Qt::AlignHCenter},     {"Disziplin", 110, 50, Qt::AlignLeft},
                                   {"Kategorie", 110, 50, Qt::AlignLeft}, {"Zeit", 60, 53, Qt::AlignRight},
                                   {"Rg.", 40, 30, Qt::AlignHCenter},     {"Lauf / Bahn", 70, 0, Qt::AlignLeft}};

template <size_t N>
void SetUpSections(QHeaderView* header, const TSection (&sections)[N]) {
  auto* model = qobject_cast<QStandardItemModel*>(header->model());
  header->setMinimumSectionSize(0);
  for (size_t i = 0; i < N; ++i) {
    int section = static_cast<int>(i);
    model->setHeaderData(section, Qt::Horizontal, QString::fromUtf8(sections[i].text));
    model->setHeaderData(section, Qt::Horizontal, QVariant::fromValue(sections[i].align | Qt::AlignVCenter),
                         Qt::TextAlignmentRole);
    header->resizeSection(section, sections[i].width);
  }
}

template <size_t N>
int MinimumWidth(const TSection (&sections)[N], int section) {
  return section >= 0 && section < static_cast<int>(N) ? sections[section].minimum : 0;
}
}  // namespace

std::shared_ptr<const app::TNodeData> TfrmView::NodeData(const QTreeWidgetItem* node) {
  if (!node || node->type() != TNodeItem::kType) return nullptr;
  return static_cast<const TNodeItem*>(node)->Data();
}

void TfrmView::SetUpHeaderSections() {
  SetUpSections(hcEvents_, kEventsSections);
  SetUpSections(hcClubs_, kClubsSections);
}

void TfrmView::ConnectListPages() {
  for (QTreeWidget* tree : {trvEvents_, trvClubs_}) {
    tree->setMouseTracking(true);  // hot tracking
    tree->setAttribute(Qt::WA_Hover);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setUniformRowHeights(true);
  }
  // A change of the selection shows its list after 50 ms, so stepping through the tree with the
  // keyboard does not draw every list passed.
  eventsChangeDelay_ = new QTimer(this);
  eventsChangeDelay_->setSingleShot(true);
  eventsChangeDelay_->setInterval(50);
  connect(eventsChangeDelay_, &QTimer::timeout, this, [this] { TrvEventsChange(trvEvents_->currentItem()); });
  connect(trvEvents_, &QTreeWidget::currentItemChanged, this, [this] { eventsChangeDelay_->start(); });
  clubsChangeDelay_ = new QTimer(this);
  clubsChangeDelay_->setSingleShot(true);
  clubsChangeDelay_->setInterval(50);
  connect(clubsChangeDelay_, &QTimer::timeout, this, [this] { trvClubsChange(trvClubs_->currentItem()); });
  connect(trvClubs_, &QTreeWidget::currentItemChanged, this, [this] { clubsChangeDelay_->start(); });

  connect(chkEvSplit_, &QCheckBox::clicked, this, [this] { chkEvSplitClick(); });
  connect(chkEvOnlyValids_, &QCheckBox::clicked, this, [this] { chkEvSplitClick(); });
  connect(chkTnSplit_, &QCheckBox::clicked, this, [this] { chkTnOnlyValidsClick(); });
  connect(chkTnOnlyValids_, &QCheckBox::clicked, this, [this] { chkTnOnlyValidsClick(); });

  auto keepMinimum = [this](QHeaderView* header, int section, int size, int minimum) {
    if (size >= minimum) return false;
    settingHeader_ = true;
    header->resizeSection(section, minimum);
    settingHeader_ = false;
    return true;
  };
  connect(hcEvents_, &QHeaderView::sectionResized, this, [this, keepMinimum](int section, int, int size) {
    if (settingHeader_) return;
    keepMinimum(hcEvents_, section, size, MinimumWidth(kEventsSections, section));
    hcEventsSectionResize();
  });
  connect(hcClubs_, &QHeaderView::sectionResized, this, [this, keepMinimum](int section, int, int size) {
    if (settingHeader_) return;
    keepMinimum(hcClubs_, section, size, MinimumWidth(kClubsSections, section));
    hcClubsSectionResize();
  });
  hcEvents_->setSectionResizeMode(QHeaderView::Interactive);
  hcClubs_->setSectionResizeMode(QHeaderView::Interactive);
  pbEvents_->SetHorizontalScrollHandler([this](int left) { AlignHeader(hcEvents_, left); });
  pbClubs_->SetHorizontalScrollHandler([this](int left) { AlignHeader(hcClubs_, left); });
}

std::vector<int> TfrmView::SectionWidths(const QHeaderView* header) {
  std::vector<int> widths;
  for (int i = 0; i < header->count(); ++i) widths.push_back(header->sectionSize(i));
  return widths;
}

void TfrmView::ApplyListHeader(QHeaderView* header, const app::TListHeader& wanted, int timeSection, int lastSection) {
  auto* model = qobject_cast<QStandardItemModel*>(header->model());
  settingHeader_ = true;
  model->setHeaderData(timeSection, Qt::Horizontal, QString::fromStdString(wanted.timeTitle));
  model->setHeaderData(lastSection, Qt::Horizontal, QString::fromStdString(wanted.lastTitle));
  Qt::Alignment align = wanted.lastAlign == app::TListHeader::Align::Centre  ? Qt::AlignHCenter
                        : wanted.lastAlign == app::TListHeader::Align::Right ? Qt::AlignRight
                                                                             : Qt::AlignLeft;
  model->setHeaderData(lastSection, Qt::Horizontal, QVariant::fromValue(align | Qt::AlignVCenter),
                       Qt::TextAlignmentRole);
  header->resizeSection(lastSection, wanted.lastWidth);
  header->setVisible(wanted.visible);
  settingHeader_ = false;
}

void TfrmView::AlignHeader(QHeaderView* header, int imageLeft) {
  // The header's sections move with the picture; the header itself always spans the box.
  header->setOffset(-imageLeft);
}

void TfrmView::BeginListUpdate() {
  if (listUpdateDepth_++ == 0) setUpdatesEnabled(false);
}

void TfrmView::EndListUpdate(TvntPaintBox* box, QHeaderView* header) {
  UpdateListActions();
  ActionList1Update();
  box->Finish();
  AlignHeader(header, 0);
  if (--listUpdateDepth_ == 0) setUpdatesEnabled(true);
}

void TfrmView::chkEvSplitClick() {
  TrvEventsChange(trvEvents_->currentItem());
  if (isVisible()) trvEvents_->setFocus();
}

void TfrmView::hcEventsSectionResize() {
  TrvEventsChange(trvEvents_->currentItem());
  if (isVisible()) trvEvents_->setFocus();
}

void TfrmView::chkTnOnlyValidsClick() {
  trvClubsChange(trvClubs_->currentItem());
  if (isVisible()) trvClubs_->setFocus();
}

void TfrmView::hcClubsSectionResize() {
  trvClubsChange(trvClubs_->currentItem());
  if (isVisible()) trvClubs_->setFocus();
}

}  // namespace lapscope::ui
