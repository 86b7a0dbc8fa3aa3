// A painter that keeps every call, for tests and the headless program, and one that counts them.
#pragma once

#include <string>
#include <vector>

#include "app/browse/list_painter.h"

namespace app {

struct TPaintItem {
  bool line = false;
  int x = 0, y = 0, width = 0, flags = 0;
  std::string text;
  int x2 = 0, y2 = 0;  // lines: the end point; width is the pen width
};

class TRecordingPainter : public TListPainter {
 public:
  void DrawText(int x, int y, int width, int flags, const std::string& text) override;
  void DrawLine(int x1, int y1, int x2, int y2, int penWidth) override;

  const std::vector<TPaintItem>& Items() const { return items_; }
  // The text items in drawing order.
  std::vector<TPaintItem> Texts() const;
  std::vector<TPaintItem> Lines() const;
  // The first text item with exactly this text, or nullptr.
  const TPaintItem* Find(const std::string& text) const;
  // The texts drawn on one line (same y), in drawing order.
  std::vector<std::string> TextsAt(int y) const;
  // All texts, one item per line of output "y x text".
  std::string Dump() const;
  void Clear() { items_.clear(); }

 private:
  std::vector<TPaintItem> items_;
};

class TCountingPainter : public TListPainter {
 public:
  void DrawText(int, int, int, int, const std::string& text) override {
    ++texts;
    chars += text.size();
  }
  void DrawLine(int, int, int, int, int) override { ++lines; }
  long texts = 0, lines = 0;
  size_t chars = 0;
};

}  // namespace app
