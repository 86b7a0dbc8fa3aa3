// The cursor stack: a busy cursor pushed for the lifetime of the guard, so every way out of a
// long operation restores the cursor that was there before.
#pragma once

#include <QGuiApplication>

namespace frame::ui {

class TBusyCursor {
 public:
  explicit TBusyCursor(Qt::CursorShape shape = Qt::WaitCursor) { QGuiApplication::setOverrideCursor(shape); }
  ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};

}  // namespace frame::ui
