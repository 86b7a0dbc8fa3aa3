// TvntPaintBox: a scrolling box that shows one picture, recorded from the list painter's calls.
// Drawing goes to a recording canvas created on the first call after Clear; Finish turns the
// recording into the shown picture, sized to the extents of what was drawn. Names clipped by
// their column show their full text as a tool tip.
#pragma once

#include <QPicture>
#include <QScrollArea>
#include <functional>
#include <memory>
#include <vector>

#include "app/browse/list_painter.h"

class QPainter;

namespace lapscope::ui {

class TvntPaintBox : public QScrollArea, public app::TListPainter {
  Q_OBJECT
 public:
  explicit TvntPaintBox(QWidget* parent = nullptr);
  ~TvntPaintBox() override;

  // Drops the shown picture and any recording.
  void Clear();
  void DrawText(int x, int y, int width, int flags, const std::string& text) override;
  void DrawLine(int x1, int y1, int x2, int y2, int penWidth) override;
  // Scrolls to the top left and shows the recording (or the given picture); with nothing
  // recorded the image becomes 1 x 1.
  void Finish(const QPicture* picture = nullptr);

  int ExtentWidth() const { return extentWidth_; }
  int ExtentHeight() const { return extentHeight_; }
  // Percent; the image is the extents times scale / 100.
  int Scale() const { return scale_; }
  void SetScale(int percent);
  // The shown picture, and whether it holds anything.
  const QPicture& Picture() const { return shown_; }
  bool HasPicture() const { return hasPicture_; }
  QSize ImageSize() const;
  // Called with the image's left position (0 or negative) whenever the box scrolls horizontally.
  void SetHorizontalScrollHandler(std::function<void(int left)> handler) { onHorizontalScroll_ = std::move(handler); }
  int ClientHeight() const;
  int LineIncrement() const;
  void SetVerticalPosition(int position);
  int VerticalPosition() const;
  // The full text of a clipped item at a point of the image, empty when there is none.
  QString ClippedTextAt(const QPoint& imagePoint) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  class TImage;
  struct TClipped {
    QRect rect;
    QString text;
  };
  QPainter& Canvas();
  void Grow(int right, int bottom);

  TImage* image_ = nullptr;
  QPicture recording_;
  QPicture shown_;
  std::unique_ptr<QPainter> canvas_;
  std::vector<TClipped> recordingClipped_;
  std::vector<TClipped> shownClipped_;
  int extentWidth_ = 0;
  int extentHeight_ = 0;
  int scale_ = 100;
  bool hasPicture_ = false;
  std::function<void(int)> onHorizontalScroll_;
};

}  // namespace lapscope::ui
