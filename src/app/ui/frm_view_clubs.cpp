// TfrmView: the participants page — the tree of nations, clubs, athletes and relays, and the
// list of the selected node.
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

#include "app/browse/clubs_list.h"
#include "app/browse/clubs_tree.h"
#include "app/ui/browse_tree_items.h"
#include "app/ui/frm_view.h"
#include "app/ui/vnt_paint_box.h"

namespace lapscope::ui {

void TfrmView::FillClubsTree() {
  auto meet = CurrentMeet();
  trvClubs_->setUpdatesEnabled(false);
  {
    QSignalBlocker quiet(trvClubs_);
    app::TBrowseNodes nodes;
    if (meet)
      nodes = app::FillClubsTree(
          *meet, flagMap_, [this](int count) { ShowProgress(QString::fromStdString(app::ClubsScannedText(count))); });
    FillTreeWidget(*trvClubs_, nodes, images_);
  }
  trvClubs_->setUpdatesEnabled(true);
}

void TfrmView::trvClubsChange(QTreeWidgetItem* node) {
  BeginListUpdate();
  currentAthlete_.reset();
  pbClubs_->Clear();
  hcClubs_->setVisible(false);
  pnlTnTitel_->clear();
  if (node) {
    pnlTnTitel_->setText(node->text(0));
    app::TClubsListRequest request;
    request.data = NodeData(node);
    request.level = NodeLevel(node);
    request.split = chkTnSplit_->isChecked();
    request.onlyValids = chkTnOnlyValids_->isChecked();
    request.widths = SectionWidths(hcClubs_);
    auto meet = CurrentMeet();
    request.pointTable = meet && meet->GetPointTable();
    app::TClubsListOutcome outcome = app::DrawClubsList(*pbClubs_, request);
    currentAthlete_ = outcome.athlete;
    resultsMode_ = outcome.resultsMode;
    if (outcome.header.visible) ApplyListHeader(hcClubs_, outcome.header, 3, 5);
  }
  EndListUpdate(pbClubs_, hcClubs_);
}

}  // namespace lapscope::ui
