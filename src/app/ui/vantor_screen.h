// TVntFVantorScreen: the start-up screen (product name, build number, a progress line). At start
// it stays in front and cannot be closed by the user; it closes itself once at least two seconds
// have passed and the main window reports that it is up. Shown modally it is the about box,
// without progress line, closed with Escape or a click.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace lapscope::ui {

class TVntFVantorScreen : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { StartUp, About };
  TVntFVantorScreen(QWidget* parent, Mode mode);

  void SetProgressText(const QString& text);
  QString ProgressText() const;
  // The main window is up: the screen closes at the next tick after the first two seconds.
  void MainWindowUp();

 protected:
  void reject() override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Tick();

  Mode mode_;
  QLabel* lblProgress_;
  QTimer* timer_;
  bool mainWindowUp_ = false;
  bool mayClose_ = false;
};

// The picture of the banner and the start-up screen: lanes of a pool with the product name.
QPixmap BannerPicture(int width, int height);
// The program's icon.
QIcon ProgramIcon();

}  // namespace lapscope::ui
