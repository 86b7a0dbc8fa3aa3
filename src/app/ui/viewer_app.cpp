#include "app/ui/viewer_app.h"

#include <QApplication>
#include <QFileInfo>

#include "app/crash_handler.h"
#include "app/legacy_texts.h"
#include "app/ui/frm_view.h"
#include "app/ui/vantor_screen.h"
#include "app/viewer_texts.h"
#include "frame/language/language_manager.h"
#include "frame/language/swim_text_bridge.h"
#include "frame/ui/vnt_flang_select.h"
#include "frame/ui/vnt_messages.h"

namespace lapscope::ui {

int RunViewer(int argc, char** argv) {
  app::InstallCrashHandler(LAPSCOPE_VERSION);
  QApplication application(argc, argv);
  QApplication::setApplicationName("lapscope");
  QApplication::setApplicationVersion(LAPSCOPE_VERSION);
  QApplication::setWindowIcon(ProgramIcon());
  QApplication::setDesktopFileName("lapscope");
  frame::ui::SetApplicationTitle(QString::fromStdString(app::ApplicationTitle(argc > 0 ? argv[0] : "lapscope")));
  QGuiApplication::setOverrideCursor(Qt::BusyCursor);

  QStringList arguments = QApplication::arguments().mid(1);
  frame::ConnectSwimValueTexts();
  frame::Language().SetFallbackHelpIndex(23);  // English UK
  frame::ui::SelectLanguageAtFirstStart();
  app::LoadLegacyTexts();

  TVntFVantorScreen startScreen(nullptr, TVntFVantorScreen::Mode::StartUp);
  startScreen.show();
  QApplication::processEvents();

  if (!arguments.isEmpty() && arguments.first().startsWith('$'))
    frame::Language().SetExportFolder(arguments.first().mid(1).toStdString());

  TfrmView window(arguments);
  window.SetStartScreen(&startScreen);
  window.show();
  startScreen.raise();
  return application.exec();
}

}  // namespace lapscope::ui
