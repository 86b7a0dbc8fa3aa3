// The events and participants pages of the main window, and the paint box they draw into.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTreeWidget>

#include "app/ui/frm_view.h"
#include "app/ui/vnt_paint_box.h"
#include "frame/language/language_manager.h"
#include "frame/ui/vnt_messages.h"
#include "ui_test_support.h"

namespace {

using lapscope::ui::TfrmView;
using lapscope::ui::TvntPaintBox;

// Lets queued events and timers (the trees' 50 ms delay) run for a while.
void RunEvents(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The first node of a tree, depth first, whose payload is of this kind.
QTreeWidgetItem* FirstOfKind(QTreeWidget* tree, app::TNodeData::Kind kind) {
  std::vector<QTreeWidgetItem*> open;
  for (int i = tree->topLevelItemCount() - 1; i >= 0; --i) open.push_back(tree->topLevelItem(i));
  while (!open.empty()) {
    QTreeWidgetItem* item = open.back();
    open.pop_back();
    auto data = TfrmView::NodeData(item);
    if (data && data->kind == kind) return item;
    for (int i = item->childCount() - 1; i >= 0; --i) open.push_back(item->child(i));
  }
  return nullptr;
}

}  // namespace

TEST(PaintBox, RecordsExtentsClipsLongTextsAndScrollsByKeys) {
  testing_support::QtApp();
  TvntPaintBox box;
  box.resize(200, 100);
  box.show();
  EXPECT_FALSE(box.HasPicture());
  const std::string longName = "A name far too long for its narrow column of the list";
  box.DrawText(10, 5, 40, app::kDrawLeft, longName);
  box.DrawText(300, 20, 0, app::kDrawRight | app::kDrawBold, "1:02.34");
  box.DrawLine(5, 600, 250, 600, 1);
  box.Finish();
  ASSERT_TRUE(box.HasPicture());
  // The clipped name ends at 10 + 40; the right-aligned time ends at 300; the line reaches 600.
  EXPECT_EQ(box.ExtentWidth(), 300);
  EXPECT_EQ(box.ExtentHeight(), 600);
  EXPECT_EQ(box.ImageSize(), QSize(300, 600));
  EXPECT_EQ(box.ClippedTextAt(QPoint(20, 8)), QString::fromStdString(longName));
  EXPECT_TRUE(box.ClippedTextAt(QPoint(280, 25)).isEmpty());
  box.SetScale(50);
  EXPECT_EQ(box.ImageSize(), QSize(150, 300));
  box.SetScale(100);

  QCoreApplication::processEvents();
  ASSERT_TRUE(box.verticalScrollBar()->isVisible());
  const int page = box.ClientHeight() - box.LineIncrement();
  QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
  QCoreApplication::sendEvent(&box, &pageDown);
  EXPECT_EQ(box.VerticalPosition(), page);
  QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
  QCoreApplication::sendEvent(&box, &up);
  EXPECT_EQ(box.VerticalPosition(), page - box.LineIncrement());
  QKeyEvent pageUp(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier);
  QCoreApplication::sendEvent(&box, &pageUp);
  QCoreApplication::sendEvent(&box, &pageUp);
  EXPECT_EQ(box.VerticalPosition(), 0);

  // A new drawing starts new extents; Finish without drawing shows nothing.
  box.Clear();
  box.Finish();
  EXPECT_FALSE(box.HasPicture());
  EXPECT_EQ(box.ImageSize(), QSize(1, 1));
}

TEST(BrowsePages, ARealFileFillsBothTreesAndSelectedNodesDrawTheirLists) {
  auto files = testing_support::RealDataFiles("lenex3", {".lef"});
  if (files.empty()) GTEST_SKIP() << "no real data";
  testing_support::FreshSettings settings(3);
  // Showing the window would ask about the file types: no message box in this test.
  struct NoMessages {
    frame::ui::TMessageFunction previous = frame::ui::SetMessageFunction(
        [](QWidget*, frame::ui::TMessageKind, const QString&) { return frame::ui::TMessageAnswer::No; });
    ~NoMessages() { frame::ui::SetMessageFunction(previous); }
  } noMessages;
  TfrmView view({});
  std::string file;
  for (const std::string& f : files)
    if (f.find("scOK") != std::string::npos) file = f;
  if (file.empty()) file = files.front();
  ASSERT_TRUE(view.OpenResultFile(QString::fromStdString(file), true));
  QTreeWidget* events = view.EventsTree();
  ASSERT_GT(events->topLevelItemCount(), 0);
  ASSERT_GT(view.ClubsTree()->topLevelItemCount(), 1);

  QTreeWidgetItem* event = FirstOfKind(events, app::TNodeData::Kind::Event);
  ASSERT_NE(event, nullptr);
  events->setCurrentItem(event);
  // The list follows the selection only after the change delay.
  EXPECT_TRUE(view.EventsTitle()->text().isEmpty());
  RunEvents(150);
  EXPECT_EQ(view.EventsTitle()->text(), event->text(0));
  EXPECT_NE(view.CurrentEvent(), nullptr);
  EXPECT_TRUE(view.EventsPaintBox()->HasPicture());
  EXPECT_GT(view.EventsPaintBox()->ExtentHeight(), 15);
  EXPECT_TRUE(view.EventsHeader()->isVisibleTo(&view));
  EXPECT_EQ(view.EventsHeader()->model()->headerData(3, Qt::Horizontal).toString().toStdString(),
            view.ResultsMode() ? frame::Language().GetText('V', 11) : frame::Language().GetText('S', 17));
  // The split box redraws at once: the details make the list longer.
  int plainHeight = view.EventsPaintBox()->ExtentHeight();
  auto* split = view.findChild<QCheckBox*>("chkEvSplit");
  split->click();
  EXPECT_GT(view.EventsPaintBox()->ExtentHeight(), plainHeight);

  // An athlete on the participants page; a club shows its statistics without header.
  view.Pages()->setCurrentIndex(1);
  QTreeWidget* clubs = view.ClubsTree();
  QTreeWidgetItem* athlete = FirstOfKind(clubs, app::TNodeData::Kind::Athlete);
  ASSERT_NE(athlete, nullptr);
  clubs->setCurrentItem(athlete);
  RunEvents(150);
  EXPECT_EQ(view.ClubsTitle()->text(), athlete->text(0));
  EXPECT_TRUE(view.ClubsPaintBox()->HasPicture());
  EXPECT_TRUE(view.ClubsHeader()->isVisibleTo(&view));
  EXPECT_NE(view.CurrentAthlete(), nullptr);
  clubs->setCurrentItem(athlete->parent());
  RunEvents(150);
  EXPECT_TRUE(view.ClubsPaintBox()->HasPicture());
  EXPECT_FALSE(view.ClubsHeader()->isVisibleTo(&view));
  EXPECT_EQ(view.CurrentAthlete(), nullptr);

  // The header keeps its minimum widths and moves with the list's horizontal scroll.
  view.Pages()->setCurrentIndex(0);
  view.resize(500, 400);
  view.show();
  RunEvents(50);
  QHeaderView* header = view.EventsHeader();
  header->resizeSection(3, 10);
  EXPECT_EQ(header->sectionSize(3), 53);
  header->resizeSection(1, 900);  // wider than the box: the list scrolls sideways
  RunEvents(50);
  QScrollBar* sideways = view.EventsPaintBox()->horizontalScrollBar();
  ASSERT_GT(sideways->maximum(), 0);
  sideways->setValue(120);
  EXPECT_EQ(header->offset(), 120);
  view.hide();

  view.CloseDocument();
  EXPECT_EQ(events->topLevelItemCount(), 0);
  EXPECT_EQ(view.ClubsTree()->topLevelItemCount(), 0);
  EXPECT_TRUE(view.EventsTitle()->text().isEmpty());
  EXPECT_EQ(view.CurrentEvent(), nullptr);
  EXPECT_FALSE(view.EventsHeader()->isVisibleTo(&view));
}
