#include "app/ui/viewer_app.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

namespace lapscope::ui {

int RunViewer(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Lapscope");
  QMainWindow window;
  window.setWindowTitle("Lapscope");
  window.resize(800, 456);
  window.setMinimumHeight(250);
  window.show();
  return app.exec();
}

}  // namespace lapscope::ui
