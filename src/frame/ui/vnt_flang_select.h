// TvntFLangSelect: the language selection dialog. It lists the languages that have a language
// file (screen and print lists) and a help file (help list, hidden in this program), each with
// its flag and its name from G.149, sorted by name. OK stores the choice in the "Config" section
// of the ini file and switches the screen language when it changed.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace frame::ui {

class TVntForm;

class TvntFLangSelect : public QDialog {
  Q_OBJECT
 public:
  explicit TvntFLangSelect(QWidget* parent, bool showHelpList = false);

  // Applies OK at once when the screen list has fewer than 2 entries; else shows the dialog.
  // True when OK was applied.
  bool Execute();
  // Stores the selected languages and switches the screen language (the OK button).
  void ApplyOk();

  QListWidget* ScreenList() const { return lbxLanguage_; }
  QListWidget* PrintList() const { return lbxPrnLanguage_; }
  QListWidget* HelpList() const { return lbxHlpLanguage_; }

 private:
  void FillLists();
  static void SelectIndex(QListWidget* list, int index);

  QListWidget* lbxLanguage_;
  QListWidget* lbxPrnLanguage_;
  QListWidget* lbxHlpLanguage_;
  QLabel* lblHlpLanguage_;
  TVntForm* vntForm_;
};

// The start-up rule: the dialog (screen and print lists) only when "Config" "lbxLanguage" has
// never been written.
void SelectLanguageAtFirstStart(QWidget* parent = nullptr);

}  // namespace frame::ui
