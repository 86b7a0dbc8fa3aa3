// The surface the event and participant lists are drawn on: text items at a position with
// flags and a clip width, and lines. The viewer records the calls into a picture; tests record
// them into a list; the headless program and the benchmarks may drop them.
#pragma once

#include <string>
#include <vector>

namespace app {

// Flags of a text item (they combine).
enum TDrawFlags : int {
  kDrawLeft = 0,
  kDrawRight = 2,   // x is the right edge
  kDrawCentre = 4,  // x is the centre
  kDrawBold = 8,
  kDrawItalic = 16,
  kDrawUnderline = 32,  // a line under the text; the item counts one unit higher
  kDrawRotated = 64,    // turned by 90 degrees
  kDrawHighlight = 128  // highlight colours behind and in the text (the found row's name)
};

class TListPainter {
 public:
  virtual ~TListPainter() = default;
  // width > 0 clips the text to that width; 0 draws it whole.
  virtual void DrawText(int x, int y, int width, int flags, const std::string& text) = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2, int penWidth) = 0;
};

// Column edges of a list header: left(0) = 0, left(k + 1) = left(k) + width(k), right(k) = left(k + 1).
class TColumnEdges {
 public:
  explicit TColumnEdges(std::vector<int> widths) : widths_(std::move(widths)) {}
  int Width(int k) const { return k >= 0 && k < Count() ? widths_[static_cast<size_t>(k)] : 0; }
  int Left(int k) const {
    int left = 0;
    for (int i = 0; i < k && i < Count(); ++i) left += widths_[static_cast<size_t>(i)];
    return left;
  }
  int Right(int k) const { return Left(k + 1); }
  int Count() const { return static_cast<int>(widths_.size()); }
  void SetWidth(int k, int width) {
    if (k >= 0 && k < Count()) widths_[static_cast<size_t>(k)] = width;
  }
  const std::vector<int>& Widths() const { return widths_; }

 private:
  std::vector<int> widths_;
};

// What a list wants of its header after drawing: visibility, the time column's title and the
// last column's title, alignment and width.
struct TListHeader {
  enum class Align { Left, Centre, Right };
  bool visible = false;
  std::string timeTitle;
  std::string lastTitle;
  Align lastAlign = Align::Left;
  int lastWidth = 0;
};

}  // namespace app
