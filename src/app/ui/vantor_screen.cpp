#include "app/ui/vantor_screen.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace lapscope::ui {

QPixmap BannerPicture(int width, int height) {
  QPixmap picture(width, height);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient water(0, 0, width, height);
  water.setColorAt(0, QColor(0, 92, 170));
  water.setColorAt(1, QColor(0, 168, 214));
  p.fillRect(picture.rect(), water);
  // Lane ropes.
  for (int i = 1; i < 4; ++i) {
    int y = height * i / 4;
    for (int x = 0; x < width; x += 8) {
      p.setPen(Qt::NoPen);
      p.setBrush(x / 8 % 2 ? QColor(255, 255, 255, 150) : QColor(255, 60, 60, 150));
      p.drawEllipse(QPointF(x + 4, y), 2.2, 2.2);
    }
  }
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(std::max(10, height * 11 / 20));
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(picture.rect().adjusted(height / 4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, "Lapscope");
  return picture;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 120, 200));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    p.setPen(QPen(Qt::white, std::max(1.0, size / 12.0)));
    for (int i = 1; i < 4; ++i) p.drawLine(QPointF(size * 0.15, size * i / 4.0), QPointF(size * 0.85, size * i / 4.0));
    p.setBrush(QColor(255, 200, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(size * 0.62, size * 0.5), size * 0.12, size * 0.12);
    icon.addPixmap(picture);
  }
  return icon;
}

TVntFVantorScreen::TVntFVantorScreen(QWidget* parent, Mode mode) : QDialog(parent), mode_(mode) {
  setObjectName("VntFVantorScreen");
  setWindowTitle("Lapscope");
  if (mode == Mode::StartUp) setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  auto* picture = new QLabel(this);
  picture->setObjectName("ImgScreen");
  picture->setPixmap(BannerPicture(360, 110));
  auto* product = new QLabel(QString::fromUtf8("Lapscope – Ergebnisse von Schwimmwettkämpfen"), this);
  product->setObjectName("LblProduct");
  QFont big = product->font();
  big.setBold(true);
  product->setFont(big);
  auto* build = new QLabel(QStringLiteral("Version %1 (Build %2)").arg(LAPSCOPE_VERSION, QStringLiteral(__DATE__)), this);
  build->setObjectName("LblBuild");
  lblProgress_ = new QLabel(this);
  lblProgress_->setObjectName("LblProgress");
  lblProgress_->setVisible(mode == Mode::StartUp);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture);
  layout->addWidget(product);
  layout->addWidget(build);
  layout->addWidget(lblProgress_);
  setStyleSheet("TVntFVantorScreen { background: white; border: 1px solid #005caa; }");

  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, &TVntFVantorScreen::Tick);
  if (mode == Mode::StartUp) {
    timer_->setSingleShot(false);
    timer_->start(2000);
  } else {
    mayClose_ = true;
  }
}

void TVntFVantorScreen::SetProgressText(const QString& text) {
  lblProgress_->setText(text);
  lblProgress_->repaint();
}

QString TVntFVantorScreen::ProgressText() const { return lblProgress_->text(); }

void TVntFVantorScreen::MainWindowUp() { mainWindowUp_ = true; }

void TVntFVantorScreen::Tick() {
  timer_->setInterval(50);
  if (!mainWindowUp_) return;
  timer_->stop();
  mayClose_ = true;
  close();
}

void TVntFVantorScreen::reject() {
  if (mayClose_) QDialog::reject();
}

void TVntFVantorScreen::mousePressEvent(QMouseEvent* event) {
  if (mode_ == Mode::About) reject();
  QDialog::mousePressEvent(event);
}

void TVntFVantorScreen::closeEvent(QCloseEvent* event) {
  if (!mayClose_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace lapscope::ui
