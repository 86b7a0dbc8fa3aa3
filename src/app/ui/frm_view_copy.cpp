// TfrmView: the copy action puts the shown list on the clipboard as tab-separated text.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QTabWidget>

#include "app/ui/frm_view.h"
#include "report/app_reports/copy_text.h"

namespace lapscope::ui {

std::string TfrmView::CopyText() const {
  QWidget* page = pgcMain_->currentWidget();
  if (page == shtEvents_ && currentEvent_)
    return report::CopyEventText(*currentEvent_, currentAgeGroup_.get(),
                                 {chkEvOnlyValids_->isChecked(), chkEvSplit_->isChecked()});
  if (page == shtTeilnehmer_ && currentAthlete_)
    return report::CopyAthleteText(*currentAthlete_, {chkTnOnlyValids_->isChecked(), chkTnSplit_->isChecked()});
  return {};
}

void TfrmView::actCopyExecute() {
  std::string text = CopyText();
  if (!text.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace lapscope::ui
