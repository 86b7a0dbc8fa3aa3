#include "app/ui/vnt_combo_box.h"

#include <QKeyEvent>

namespace lapscope::ui {

void TVntComboBox::keyPressEvent(QKeyEvent* event) {
  if (!readOnly_) {
    QComboBox::keyPressEvent(event);
    return;
  }
  // Tab and the window's shortcuts still work; keys that would change the item do not.
  event->ignore();
}

}  // namespace lapscope::ui
