// A combo box that can be made read-only: its list cannot be opened and its item not changed by
// the user, while its text stays readable.
#pragma once

#include <QComboBox>

namespace lapscope::ui {

class TVntComboBox : public QComboBox {
  Q_OBJECT
 public:
  using QComboBox::QComboBox;
  void SetReadOnly(bool on) { readOnly_ = on; }
  bool IsReadOnly() const { return readOnly_; }
  void showPopup() override {
    if (!readOnly_) QComboBox::showPopup();
  }

 protected:
  void wheelEvent(QWheelEvent* event) override {
    if (!readOnly_) QComboBox::wheelEvent(event);
  }
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool readOnly_ = false;
};

}  // namespace lapscope::ui
