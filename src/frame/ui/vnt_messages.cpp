#include "frame/ui/vnt_messages.h"

#include <QMessageBox>

namespace frame::ui {

namespace {
TMessageFunction gFunction;
QString gTitle = QStringLiteral("lapscope");

TMessageAnswer ShowBox(QWidget* parent, TMessageKind kind, const QString& text) {
  QMessageBox box(parent);
  box.setWindowTitle(gTitle);
  // Texts come with Windows line breaks; a box shows "\n" only.
  box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  box.setTextFormat(Qt::PlainText);
  if (kind == TMessageKind::Question) {
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? TMessageAnswer::Yes : TMessageAnswer::No;
  }
  box.setIcon(kind == TMessageKind::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return TMessageAnswer::Ok;
}
}  // namespace

TMessageFunction SetMessageFunction(TMessageFunction function) {
  TMessageFunction previous = std::move(gFunction);
  gFunction = std::move(function);
  return previous;
}

TMessageAnswer ShowMessage(QWidget* parent, TMessageKind kind, const QString& text) {
  if (gFunction) return gFunction(parent, kind, text);
  return ShowBox(parent, kind, text);
}

void SetApplicationTitle(const QString& title) { gTitle = title; }
QString ApplicationTitle() { return gTitle; }

}  // namespace frame::ui
