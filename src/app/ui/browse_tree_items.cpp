#include "app/ui/browse_tree_items.h"

#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>

namespace lapscope::ui {

namespace {
TNodeItem* MakeItem(const app::TBrowseNode& node, const std::vector<QPixmap>& images) {
  auto* item = new TNodeItem(node.data);
  item->setText(0, QString::fromStdString(node.text));
  if (node.icon >= 0 && node.icon < static_cast<int>(images.size())) {
    QIcon icon(images[static_cast<size_t>(node.icon)]);
    icon.addPixmap(images[static_cast<size_t>(node.icon)], QIcon::Selected);
    item->setIcon(0, icon);
  }
  QList<QTreeWidgetItem*> children;
  children.reserve(static_cast<qsizetype>(node.children.size()));
  for (const app::TBrowseNode& child : node.children) children.append(MakeItem(child, images));
  item->addChildren(children);
  return item;
}
}  // namespace

void FillTreeWidget(QTreeWidget& tree, const app::TBrowseNodes& nodes, const std::vector<QPixmap>& images) {
  tree.clear();
  QList<QTreeWidgetItem*> top;
  top.reserve(static_cast<qsizetype>(nodes.size()));
  for (const app::TBrowseNode& node : nodes) top.append(MakeItem(node, images));
  tree.addTopLevelItems(top);
}

int NodeLevel(const QTreeWidgetItem* item) {
  int level = 0;
  for (const QTreeWidgetItem* p = item ? item->parent() : nullptr; p; p = p->parent()) ++level;
  return level;
}

}  // namespace lapscope::ui
