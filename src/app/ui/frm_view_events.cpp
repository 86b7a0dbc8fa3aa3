// TfrmView: the events page — the tree of sessions, events and age groups, and the list of the
// selected event or age group.
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

#include "app/browse/events_list.h"
#include "app/browse/events_tree.h"
#include "app/ui/browse_tree_items.h"
#include "app/ui/frm_view.h"
#include "app/ui/vnt_paint_box.h"

namespace lapscope::ui {

void TfrmView::FillEventsTree() {
  auto meet = CurrentMeet();
  trvEvents_->setUpdatesEnabled(false);
  {
    QSignalBlocker quiet(trvEvents_);
    app::TBrowseNodes nodes;
    if (meet)
      nodes = app::FillEventsTree(
          *meet, [this](int count) { ShowProgress(QString::fromStdString(app::EventsScannedText(count))); });
    FillTreeWidget(*trvEvents_, nodes, images_);
  }
  trvEvents_->setUpdatesEnabled(true);
}

void TfrmView::TrvEventsChange(QTreeWidgetItem* node) {
  BeginListUpdate();
  currentEvent_.reset();
  currentAgeGroup_.reset();
  pbEvents_->Clear();
  hcEvents_->setVisible(false);
  pnlEventTitel_->clear();

  auto data = NodeData(node);
  QTreeWidgetItem* eventNode = node;
  std::shared_ptr<const lnx::IQbLenexAgeGroup> ageGroup;
  if (data && data->kind == app::TNodeData::Kind::AgeGroup) {
    ageGroup = data->ageGroup;
    eventNode = node->parent();
    data = NodeData(eventNode);
  }
  app::TEventsListOutcome outcome;
  if (data && data->kind == app::TNodeData::Kind::Event) {
    QString title = eventNode->text(0);
    if (ageGroup) title += ", " + node->text(0);
    pnlEventTitel_->setText(title);
    app::TEventsListRequest request;
    request.event = data->event;
    request.ageGroup = ageGroup;
    request.split = chkEvSplit_->isChecked();
    request.onlyValids = chkEvOnlyValids_->isChecked();
    request.foundRow = foundRow_;
    request.widths = SectionWidths(hcEvents_);
    auto meet = CurrentMeet();
    request.pointTable = meet && meet->GetPointTable();
    outcome = app::DrawEventsList(*pbEvents_, request);
    resultsMode_ = outcome.resultsMode;
    if (outcome.shown) {
      currentEvent_ = data->event;
      currentAgeGroup_ = ageGroup;
      ApplyListHeader(hcEvents_, outcome.header, 3, 4);
    }
  }
  EndListUpdate(pbEvents_, hcEvents_);
  if (outcome.shown) {
    int position = app::FoundRowScrollPosition(foundRow_, outcome.rowHeight, pbEvents_->ClientHeight());
    if (position >= 0) pbEvents_->SetVerticalPosition(position);
  }
  foundRow_ = -1;
}

}  // namespace lapscope::ui
