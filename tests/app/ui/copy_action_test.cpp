// The main window's copy action: the selected list of the active page goes to the clipboard.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTreeWidget>

#include "app/ui/frm_view.h"
#include "test_support.h"
#include "ui_test_support.h"

namespace {

using lapscope::ui::TfrmView;

void RunEvents(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The first node, depth first, whose text starts with the given text.
QTreeWidgetItem* FindNode(QTreeWidget* tree, const QString& start) {
  std::vector<QTreeWidgetItem*> open;
  for (int i = tree->topLevelItemCount() - 1; i >= 0; --i) open.push_back(tree->topLevelItem(i));
  while (!open.empty()) {
    QTreeWidgetItem* item = open.back();
    open.pop_back();
    if (item->text(0).startsWith(start)) return item;
    for (int i = item->childCount() - 1; i >= 0; --i) open.push_back(item->child(i));
  }
  return nullptr;
}

QString Clipboard() { return QGuiApplication::clipboard()->text(); }

}  // namespace

TEST(CopyAction, CopiesTheSelectedListOfTheActivePage) {
  testing_support::FreshSettings settings(3);  // English
  TfrmView view({});
  QAction* copy = view.findChild<QAction*>("actCopy");
  ASSERT_NE(copy, nullptr);
  ASSERT_TRUE(view.OpenResultFile(QString::fromStdString(testing_support::DataPath("copy_text/meet.lef")), true));
  RunEvents(50);
  EXPECT_FALSE(copy->isEnabled());  // nothing selected yet

  // An age group with its intermediate times: the text the list command prints.
  QTreeWidgetItem* group = FindNode(view.EventsTree(), "10 - 12");
  ASSERT_NE(group, nullptr);
  view.EventsTree()->setCurrentItem(group);
  view.findChild<QCheckBox*>("chkEvSplit")->setChecked(true);
  RunEvents(150);
  ASSERT_TRUE(copy->isEnabled());
  QGuiApplication::clipboard()->clear();
  copy->trigger();
  EXPECT_EQ(Clipboard().toStdString(),
            testing_support::ReadFile(testing_support::DataPath("copy_text/list_event10_agegroup101_splits.txt")));

  // The participants page copies the selected athlete; a relay leaves the action disabled.
  view.Pages()->setCurrentIndex(1);
  QTreeWidgetItem* athlete = FindNode(view.ClubsTree(), "ROSSI, Luca");
  ASSERT_NE(athlete, nullptr);
  view.ClubsTree()->setCurrentItem(athlete);
  RunEvents(150);
  ASSERT_TRUE(copy->isEnabled());
  copy->trigger();
  // (The stroke's name depends on whether the swim value texts follow the language file.)
  EXPECT_TRUE(Clipboard().startsWith("ROSSI, Luca, 15 Jan 2011\r\n\t4\t50m ")) << Clipboard().toStdString();
  EXPECT_TRUE(Clipboard().endsWith("\t31.20\tHeat 2, lane 5")) << Clipboard().toStdString();
  QTreeWidgetItem* relay = FindNode(view.ClubsTree(), "SC Aare 1");
  ASSERT_NE(relay, nullptr);
  view.ClubsTree()->setCurrentItem(relay);
  RunEvents(150);
  EXPECT_FALSE(copy->isEnabled());
}
