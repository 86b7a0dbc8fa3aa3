// TVntForm: what every window of the program does. Attached to a form (a top-level widget), it
// translates the form when it has been loaded and whenever the screen language changes, writes
// the translators' export of its texts when an export folder is set, restores the window state
// from the user store ("VNT_WindowStates", keyed by the form's object name) and saves it when the
// form is closed or hidden.
#pragma once

#include <QObject>
#include <QRect>
#include <string>
#include <vector>

#include "frame/settings/window_state.h"

class QWidget;

namespace frame::ui {

class TVntForm : public QObject {
  Q_OBJECT
 public:
  // classChain: the form sections to apply, the nearest base class first, the form's own class
  // last. sizeable: whether the stored width and height are applied.
  TVntForm(QWidget* form, std::vector<std::string> classChain, bool sizeable);
  ~TVntForm() override;

  void SetSaveState(bool on) { saveState_ = on; }
  void SetRestoreState(bool on) { restoreState_ = on; }

  // Call at the end of the form's construction: translation, export, window state.
  void Loaded();
  void Translate();
  void RestoreWindowState();
  void SaveWindowState();

  // The window state of the form as it would be saved.
  TWindowState CurrentState() const;

  // Translates every open form (the language manager's form translator).
  static void TranslateAllForms();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* form_;
  std::vector<std::string> classChain_;
  bool sizeable_;
  bool saveState_ = true;
  bool restoreState_ = true;
};

}  // namespace frame::ui
