#include "app/browse/recording_painter.h"

namespace app {

void TRecordingPainter::DrawText(int x, int y, int width, int flags, const std::string& text) {
  TPaintItem item;
  item.x = x;
  item.y = y;
  item.width = width;
  item.flags = flags;
  item.text = text;
  items_.push_back(std::move(item));
}

void TRecordingPainter::DrawLine(int x1, int y1, int x2, int y2, int penWidth) {
  TPaintItem item;
  item.line = true;
  item.x = x1;
  item.y = y1;
  item.x2 = x2;
  item.y2 = y2;
  item.width = penWidth;
  items_.push_back(std::move(item));
}

std::vector<TPaintItem> TRecordingPainter::Texts() const {
  std::vector<TPaintItem> texts;
  for (const TPaintItem& item : items_)
    if (!item.line) texts.push_back(item);
  return texts;
}

std::vector<TPaintItem> TRecordingPainter::Lines() const {
  std::vector<TPaintItem> lines;
  for (const TPaintItem& item : items_)
    if (item.line) lines.push_back(item);
  return lines;
}

const TPaintItem* TRecordingPainter::Find(const std::string& text) const {
  for (const TPaintItem& item : items_)
    if (!item.line && item.text == text) return &item;
  return nullptr;
}

std::vector<std::string> TRecordingPainter::TextsAt(int y) const {
  std::vector<std::string> texts;
  for (const TPaintItem& item : items_)
    if (!item.line && item.y == y) texts.push_back(item.text);
  return texts;
}

std::string TRecordingPainter::Dump() const {
  std::string out;
  for (const TPaintItem& item : items_) {
    if (item.line)
      out += "line " + std::to_string(item.x) + "," + std::to_string(item.y) + " " + std::to_string(item.x2) + "," +
             std::to_string(item.y2) + "\n";
    else
      out += std::to_string(item.y) + " " + std::to_string(item.x) + " " + item.text + "\n";
  }
  return out;
}

}  // namespace app
