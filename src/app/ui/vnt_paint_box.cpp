#include "app/ui/vnt_paint_box.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

namespace lapscope::ui {

// The widget inside the scroll area: replays the picture at the box's scale.
class TvntPaintBox::TImage : public QWidget {
 public:
  explicit TImage(TvntPaintBox* box) : QWidget(box), box_(box) {
    setObjectName("imgPicture");
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!box_->hasPicture_) return;
    QPainter p(this);
    p.scale(box_->scale_ / 100.0, box_->scale_ / 100.0);
    p.drawPicture(0, 0, box_->shown_);
  }
  bool event(QEvent* e) override {
    if (e->type() == QEvent::ToolTip) {
      auto* help = static_cast<QHelpEvent*>(e);
      QPoint at(help->pos().x() * 100 / std::max(1, box_->scale_), help->pos().y() * 100 / std::max(1, box_->scale_));
      QString text = box_->ClippedTextAt(at);
      if (text.isEmpty()) {
        QToolTip::hideText();
        e->ignore();
      } else {
        QToolTip::showText(help->globalPos(), text, this);
      }
      return true;
    }
    if (e->type() == QEvent::MouseButtonPress) box_->setFocus(Qt::MouseFocusReason);
    return QWidget::event(e);
  }

 private:
  TvntPaintBox* box_;
};

namespace {
// The recording canvas: large enough for every list.
constexpr int kCanvasSize = 32000;
}  // namespace

TvntPaintBox::TvntPaintBox(QWidget* parent) : QScrollArea(parent) {
  setBackgroundRole(QPalette::Base);
  setWidgetResizable(false);
  setFocusPolicy(Qt::StrongFocus);
  // The lists place their texts in pixels, rows 15 apart: their font is sized in pixels too.
  QFont listFont = font();
  listFont.setPixelSize(12);
  setFont(listFont);
  image_ = new TImage(this);
  image_->resize(1, 1);
  setWidget(image_);
  verticalScrollBar()->setSingleStep(15);
  horizontalScrollBar()->setSingleStep(15);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    if (onHorizontalScroll_) onHorizontalScroll_(-value);
  });
}

TvntPaintBox::~TvntPaintBox() {
  if (canvas_) canvas_->end();
}

void TvntPaintBox::Clear() {
  if (canvas_) {
    canvas_->end();
    canvas_.reset();
  }
  recording_ = QPicture();
  recordingClipped_.clear();
  shown_ = QPicture();
  shownClipped_.clear();
  hasPicture_ = false;
  image_->resize(1, 1);
  image_->update();
}

QPainter& TvntPaintBox::Canvas() {
  if (!canvas_) {
    recording_ = QPicture();
    recording_.setBoundingRect(QRect(0, 0, kCanvasSize, kCanvasSize));
    recordingClipped_.clear();
    canvas_ = std::make_unique<QPainter>(&recording_);
    canvas_->setFont(font());
    canvas_->setPen(palette().color(QPalette::Text));
    extentWidth_ = 0;
    extentHeight_ = 0;
  }
  return *canvas_;
}

void TvntPaintBox::Grow(int right, int bottom) {
  extentWidth_ = std::max(extentWidth_, right);
  extentHeight_ = std::max(extentHeight_, bottom);
}

void TvntPaintBox::DrawText(int x, int y, int width, int flags, const std::string& text) {
  QPainter& p = Canvas();
  QFont f = font();
  f.setBold(flags & app::kDrawBold);
  f.setItalic(flags & app::kDrawItalic);
  p.setFont(f);
  const QString s = QString::fromStdString(text);
  const QFontMetrics metrics = p.fontMetrics();
  const int textWidth = metrics.horizontalAdvance(s);
  const int textHeight = metrics.height();
  const int drawn = width > 0 ? std::min(textWidth, width) : textWidth;
  int left = x;
  if (flags & app::kDrawRight)
    left = x - drawn;
  else if (flags & app::kDrawCentre)
    left = x - textWidth / 2;

  p.save();
  if (flags & app::kDrawRotated) {
    p.translate(left, y + textWidth);
    p.rotate(-90);
    p.drawText(0, metrics.ascent(), s);
    p.restore();
    Grow(left + textHeight, y + textWidth);
    return;
  }
  QRect box(left, y, drawn + 1, textHeight + 1);
  if (flags & app::kDrawHighlight) {
    p.fillRect(box, palette().color(QPalette::Highlight));
    p.setPen(palette().color(QPalette::HighlightedText));
  }
  if (width > 0) p.setClipRect(box);
  p.drawText(left, y + metrics.ascent(), s);
  p.setClipping(false);
  int bottom = y + textHeight;
  if (flags & app::kDrawUnderline) {
    p.setPen(QPen(p.pen().color(), std::max(1, textHeight / 15)));
    p.drawLine(left, y + textHeight, left + drawn, y + textHeight);
    bottom += 1;
  }
  p.restore();
  if (width > 0 && textWidth > width) recordingClipped_.push_back({box, s});
  Grow(left + drawn, bottom);
}

void TvntPaintBox::DrawLine(int x1, int y1, int x2, int y2, int penWidth) {
  QPainter& p = Canvas();
  p.save();
  p.setPen(QPen(palette().color(QPalette::Text), penWidth));
  p.drawLine(x1, y1, x2, y2);
  p.restore();
  Grow(std::max(x1, x2), std::max(y1, y2));
}

void TvntPaintBox::Finish(const QPicture* picture) {
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  bool recorded = canvas_ != nullptr;
  if (canvas_) {
    canvas_->end();
    canvas_.reset();
  }
  if (picture) {
    shown_ = *picture;
    shownClipped_.clear();
    QRect bounds = picture->boundingRect();
    if (!recorded) {
      extentWidth_ = bounds.right() + 1;
      extentHeight_ = bounds.bottom() + 1;
    }
  } else if (recorded) {
    shown_ = recording_;
    shownClipped_ = std::move(recordingClipped_);
  }
  recording_ = QPicture();
  recordingClipped_.clear();
  hasPicture_ = recorded || picture;
  if (hasPicture_) shown_.setBoundingRect(QRect(0, 0, extentWidth_, extentHeight_));
  image_->resize(ImageSize());
  image_->move(0, 0);
  image_->update();
}

QSize TvntPaintBox::ImageSize() const {
  if (!hasPicture_) return {1, 1};
  return {std::max(1, extentWidth_ * scale_ / 100), std::max(1, extentHeight_ * scale_ / 100)};
}

void TvntPaintBox::SetScale(int percent) {
  scale_ = std::max(1, percent);
  image_->resize(ImageSize());
  image_->update();
}

int TvntPaintBox::ClientHeight() const { return viewport()->height(); }
int TvntPaintBox::LineIncrement() const { return verticalScrollBar()->singleStep(); }
void TvntPaintBox::SetVerticalPosition(int position) { verticalScrollBar()->setValue(position); }
int TvntPaintBox::VerticalPosition() const { return verticalScrollBar()->value(); }

QString TvntPaintBox::ClippedTextAt(const QPoint& imagePoint) const {
  for (const TClipped& item : shownClipped_)
    if (item.rect.contains(imagePoint)) return item.text;
  return {};
}

void TvntPaintBox::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = verticalScrollBar();
  if (!bar->isVisible()) {
    QScrollArea::keyPressEvent(event);
    return;
  }
  const int page = ClientHeight() - LineIncrement();
  int value = bar->value();
  switch (event->key()) {
    case Qt::Key_PageUp:
      value -= page;
      break;
    case Qt::Key_PageDown:
      value += page;
      break;
    case Qt::Key_Up:
      value -= LineIncrement();
      break;
    case Qt::Key_Down:
      value += LineIncrement();
      break;
    default:
      QScrollArea::keyPressEvent(event);
      return;
  }
  bar->setValue(std::clamp(value, 0, bar->maximum()));
  event->accept();
}

void TvntPaintBox::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  QScrollArea::mousePressEvent(event);
}

}  // namespace lapscope::ui
