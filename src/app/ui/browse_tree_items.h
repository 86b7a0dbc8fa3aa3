// Tree items that carry a node's payload, and the copy of core tree nodes into a tree widget.
#pragma once

#include <QTreeWidgetItem>
#include <memory>
#include <vector>

#include "app/browse/browse_tree.h"

class QPixmap;
class QTreeWidget;

namespace lapscope::ui {

class TNodeItem : public QTreeWidgetItem {
 public:
  static constexpr int kType = QTreeWidgetItem::UserType + 1;
  explicit TNodeItem(std::shared_ptr<const app::TNodeData> data) : QTreeWidgetItem(kType), data_(std::move(data)) {}
  const std::shared_ptr<const app::TNodeData>& Data() const { return data_; }

 private:
  std::shared_ptr<const app::TNodeData> data_;
};

// Replaces the tree's items by the nodes, with the icons of the image list (selected icon = icon).
void FillTreeWidget(QTreeWidget& tree, const app::TBrowseNodes& nodes, const std::vector<QPixmap>& images);

// The depth of an item: 0 for a top-level item.
int NodeLevel(const QTreeWidgetItem* item);

}  // namespace lapscope::ui
