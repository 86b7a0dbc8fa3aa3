#include "frame/ui/flag_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <map>
#include <vector>

namespace frame::ui {

namespace {

enum class Layout { Horizontal, Vertical, Nordic, Custom };

struct Design {
  Layout layout;
  std::vector<QColor> colors;  // stripes, or background, cross, inner cross for Nordic
  std::vector<int> weights;    // stripe weights (empty: equal)
};

const QColor kRed(206, 17, 38), kWhite(Qt::white), kBlue(0, 56, 168), kGreen(0, 146, 70), kYellow(252, 209, 22),
    kBlack(Qt::black), kGold(255, 206, 0), kLightBlue(0, 161, 222), kOrange(255, 130, 0), kMaroon(158, 48, 57),
    kNavy(1, 33, 105), kSwissRed(218, 41, 28);

const std::map<QString, Design>& Designs() {
  static const std::map<QString, Design> designs = {
      {"GER", {Layout::Horizontal, {kBlack, QColor(221, 0, 0), kGold}, {}}},
      {"AUT", {Layout::Horizontal, {QColor(237, 41, 57), kWhite, QColor(237, 41, 57)}, {}}},
      {"BEL", {Layout::Vertical, {kBlack, kGold, QColor(239, 51, 64)}, {}}},
      {"BUL", {Layout::Horizontal, {kWhite, QColor(0, 150, 110), QColor(214, 38, 18)}, {}}},
      {"DEN", {Layout::Nordic, {QColor(200, 16, 46), kWhite}, {}}},
      {"ESP", {Layout::Horizontal, {QColor(170, 21, 27), QColor(241, 191, 0), QColor(170, 21, 27)}, {1, 2, 1}}},
      {"EST", {Layout::Horizontal, {QColor(0, 114, 206), kBlack, kWhite}, {}}},
      {"FIN", {Layout::Nordic, {kWhite, QColor(0, 47, 108)}, {}}},
      {"FRA", {Layout::Vertical, {QColor(0, 35, 149), kWhite, QColor(237, 41, 57)}, {}}},
      {"GBR", {Layout::Custom, {}, {}}},
      {"GRE", {Layout::Custom, {}, {}}},
      {"HUN", {Layout::Horizontal, {QColor(206, 41, 57), kWhite, QColor(71, 112, 80)}, {}}},
      {"IRL", {Layout::Vertical, {QColor(22, 155, 98), kWhite, kOrange}, {}}},
      {"ISL", {Layout::Nordic, {QColor(2, 82, 156), kWhite, QColor(220, 30, 53)}, {}}},
      {"ISR", {Layout::Custom, {}, {}}},
      {"ITA", {Layout::Vertical, {QColor(0, 146, 70), kWhite, QColor(206, 43, 55)}, {}}},
      {"LAT", {Layout::Horizontal, {kMaroon, kWhite, kMaroon}, {2, 1, 2}}},
      {"LIE", {Layout::Horizontal, {QColor(0, 43, 127), QColor(206, 17, 38)}, {}}},
      {"LTU", {Layout::Horizontal, {QColor(253, 185, 19), QColor(0, 106, 68), QColor(193, 39, 45)}, {}}},
      {"LUX", {Layout::Horizontal, {QColor(237, 41, 57), kWhite, kLightBlue}, {}}},
      {"MKD", {Layout::Custom, {}, {}}},
      {"MON", {Layout::Horizontal, {QColor(206, 17, 38), kWhite}, {}}},
      {"NED", {Layout::Horizontal, {QColor(174, 28, 40), kWhite, QColor(33, 70, 139)}, {}}},
      {"NOR", {Layout::Nordic, {QColor(186, 12, 47), kWhite, QColor(0, 32, 91)}, {}}},
      {"POL", {Layout::Horizontal, {kWhite, QColor(220, 20, 60)}, {}}},
      {"POR", {Layout::Custom, {}, {}}},
      {"ROM", {Layout::Vertical, {QColor(0, 43, 127), kYellow, QColor(206, 17, 38)}, {}}},
      {"RUS", {Layout::Horizontal, {kWhite, QColor(0, 57, 166), QColor(213, 43, 30)}, {}}},
      {"SLO", {Layout::Horizontal, {kWhite, QColor(0, 93, 164), QColor(237, 28, 36)}, {}}},
      {"SVK", {Layout::Horizontal, {kWhite, QColor(11, 78, 162), QColor(238, 28, 37)}, {}}},
      {"SWE", {Layout::Nordic, {QColor(0, 106, 167), QColor(254, 204, 0)}, {}}},
      {"TUR", {Layout::Custom, {}, {}}},
      {"UKR", {Layout::Horizontal, {QColor(0, 87, 183), QColor(255, 215, 0)}, {}}},
      {"YUG", {Layout::Horizontal, {kBlue, kWhite, kRed}, {}}},
      {"SUI", {Layout::Custom, {}, {}}},
      {"USA", {Layout::Custom, {}, {}}},
      {"CAN", {Layout::Custom, {}, {}}},
      {"MEX", {Layout::Vertical, {QColor(0, 104, 71), kWhite, QColor(206, 17, 38)}, {}}},
      {"CZE", {Layout::Custom, {}, {}}},
      {"CRO", {Layout::Horizontal, {QColor(255, 0, 0), kWhite, QColor(23, 23, 150)}, {}}},
  };
  return designs;
}

// Marks of the Swiss regional associations.
const std::map<QString, QColor>& RegionMarks() {
  static const std::map<QString, QColor> marks = {
      {"SUI_BUEL", QColor(0, 120, 60)},  {"SUI_LN", QColor(0, 90, 200)},    {"SUI_RFN", QColor(255, 200, 0)},
      {"SUI_RN", QColor(0, 0, 0)},       {"SUI_SCBU", QColor(120, 0, 160)}, {"SUI_SCU", QColor(255, 120, 0)},
      {"SUI_SKBE", QColor(140, 90, 40)},
  };
  return marks;
}

void Stripes(QPainter& p, const QRectF& r, const Design& d, bool vertical) {
  std::vector<int> weights = d.weights.empty() ? std::vector<int>(d.colors.size(), 1) : d.weights;
  int total = 0;
  for (int w : weights) total += w;
  double at = 0;
  for (size_t i = 0; i < d.colors.size(); ++i) {
    double part = (vertical ? r.width() : r.height()) * weights[i] / total;
    QRectF band = vertical ? QRectF(r.left() + at, r.top(), part, r.height()) : QRectF(r.left(), r.top() + at, r.width(), part);
    p.fillRect(band, d.colors[i]);
    at += part;
  }
}

void Nordic(QPainter& p, const QRectF& r, const Design& d) {
  p.fillRect(r, d.colors[0]);
  double w = r.width(), h = r.height();
  auto cross = [&](double thickness, const QColor& color) {
    p.fillRect(QRectF(r.left() + w * 0.375 - thickness / 2, r.top(), thickness, h), color);
    p.fillRect(QRectF(r.left(), r.top() + h / 2 - thickness / 2, w, thickness), color);
  };
  cross(h * 0.25, d.colors[1]);
  if (d.colors.size() > 2) cross(h * 0.12, d.colors[2]);
}

void SwissCross(QPainter& p, const QRectF& r) {
  p.fillRect(r, kSwissRed);
  double s = r.height() * 0.6, t = s / 3;
  QPointF c = r.center();
  p.fillRect(QRectF(c.x() - t / 2, c.y() - s / 2, t, s), kWhite);
  p.fillRect(QRectF(c.x() - s / 2, c.y() - t / 2, s, t), kWhite);
}

void Custom(QPainter& p, const QRectF& r, const QString& code) {
  double w = r.width(), h = r.height();
  p.setPen(Qt::NoPen);
  if (code == "SUI") {
    SwissCross(p, r);
  } else if (code == "GBR") {
    p.fillRect(r, kNavy);
    p.setPen(QPen(kWhite, h * 0.2));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    p.setPen(QPen(kRed, h * 0.07));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(r.left() + w / 2 - h * 0.17, r.top(), h * 0.34, h), kWhite);
    p.fillRect(QRectF(r.left(), r.top() + h / 2 - h * 0.17, w, h * 0.34), kWhite);
    p.fillRect(QRectF(r.left() + w / 2 - h * 0.1, r.top(), h * 0.2, h), kRed);
    p.fillRect(QRectF(r.left(), r.top() + h / 2 - h * 0.1, w, h * 0.2), kRed);
  } else if (code == "GRE" || code == "USA") {
    QColor stripe = code == "GRE" ? QColor(13, 94, 175) : QColor(178, 34, 52);
    int count = code == "GRE" ? 9 : 13;
    for (int i = 0; i < count; ++i)
      p.fillRect(QRectF(r.left(), r.top() + h * i / count, w, h / count + 0.5), i % 2 ? kWhite : stripe);
    QRectF canton(r.left(), r.top(), code == "GRE" ? h * 5 / 9 : w * 0.4, h * (code == "GRE" ? 5.0 / 9 : 7.0 / 13));
    p.fillRect(canton, code == "GRE" ? stripe : QColor(60, 59, 110));
    if (code == "GRE") {
      p.fillRect(QRectF(canton.center().x() - h / 18, canton.top(), h / 9, canton.height()), kWhite);
      p.fillRect(QRectF(canton.left(), canton.center().y() - h / 18, canton.width(), h / 9), kWhite);
    }
  } else if (code == "ISR") {
    p.fillRect(r, kWhite);
    p.fillRect(QRectF(r.left(), r.top() + h * 0.1, w, h * 0.15), QColor(0, 56, 184));
    p.fillRect(QRectF(r.left(), r.bottom() - h * 0.25, w, h * 0.15), QColor(0, 56, 184));
    p.setPen(QPen(QColor(0, 56, 184), std::max(1.0, h / 14)));
    QPointF c = r.center();
    double s = h * 0.2;
    p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - s), QPointF(c.x() + s * 0.87, c.y() + s / 2), QPointF(c.x() - s * 0.87, c.y() + s / 2)}));
    p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() + s), QPointF(c.x() + s * 0.87, c.y() - s / 2), QPointF(c.x() - s * 0.87, c.y() - s / 2)}));
  } else if (code == "MKD") {
    p.fillRect(r, QColor(210, 0, 0));
    QPointF c = r.center();
    p.setPen(QPen(QColor(255, 230, 0), std::max(1.0, h / 10)));
    for (int i = 0; i < 8; ++i) {
      double a = i * 3.14159265 / 4;
      p.drawLine(c, c + QPointF(std::cos(a) * w, std::sin(a) * w));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 0));
    p.drawEllipse(c, h * 0.18, h * 0.18);
  } else if (code == "POR") {
    p.fillRect(QRectF(r.left(), r.top(), w * 0.4, h), QColor(0, 102, 0));
    p.fillRect(QRectF(r.left() + w * 0.4, r.top(), w * 0.6, h), QColor(255, 0, 0));
    p.setBrush(QColor(255, 255, 0));
    p.drawEllipse(QPointF(r.left() + w * 0.4, r.center().y()), h * 0.22, h * 0.22);
  } else if (code == "TUR") {
    p.fillRect(r, QColor(227, 10, 23));
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(r.left() + w * 0.38, r.center().y()), h * 0.26, h * 0.26);
    p.setBrush(QColor(227, 10, 23));
    p.drawEllipse(QPointF(r.left() + w * 0.43, r.center().y()), h * 0.21, h * 0.21);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(r.left() + w * 0.62, r.center().y()), h * 0.08, h * 0.08);
  } else if (code == "CAN") {
    p.fillRect(r, kWhite);
    p.fillRect(QRectF(r.left(), r.top(), w / 4, h), QColor(216, 6, 33));
    p.fillRect(QRectF(r.right() - w / 4, r.top(), w / 4, h), QColor(216, 6, 33));
    p.setBrush(QColor(216, 6, 33));
    QPointF c = r.center();
    double s = h * 0.3;
    p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - s), QPointF(c.x() + s, c.y()), QPointF(c.x(), c.y() + s * 0.8),
                             QPointF(c.x() - s, c.y())}));
  } else if (code == "CZE") {
    p.fillRect(QRectF(r.left(), r.top(), w, h / 2), kWhite);
    p.fillRect(QRectF(r.left(), r.top() + h / 2, w, h / 2), QColor(215, 20, 26));
    p.setBrush(QColor(17, 69, 126));
    p.drawPolygon(QPolygonF({r.topLeft(), QPointF(r.left() + w / 2, r.center().y()), r.bottomLeft()}));
  }
}

}  // namespace

bool HasFlagDesign(const QString& code) {
  return Designs().count(code) > 0 || RegionMarks().count(code) > 0;
}

QPixmap FlagPicture(const QString& code, int width, int height) {
  QPixmap picture(width, height);
  picture.fill(QColor(200, 200, 200));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing, true);
  QRectF r(0, 0, width, height);
  auto mark = RegionMarks().find(code);
  if (mark != RegionMarks().end()) {
    SwissCross(p, r);
    double s = height * 0.45;
    p.setPen(QPen(kWhite, 1));
    p.setBrush(mark->second);
    p.drawEllipse(QRectF(width - s - 1, height - s - 1, s, s));
  } else if (auto it = Designs().find(code); it != Designs().end()) {
    switch (it->second.layout) {
      case Layout::Horizontal: Stripes(p, r, it->second, false); break;
      case Layout::Vertical: Stripes(p, r, it->second, true); break;
      case Layout::Nordic: Nordic(p, r, it->second); break;
      case Layout::Custom: Custom(p, r, code); break;
    }
  }
  p.setPen(QPen(QColor(120, 120, 120), 1));
  p.setBrush(Qt::NoBrush);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.drawRect(0, 0, width - 1, height - 1);
  return picture;
}

QString FlagCodeOfLanguageIndex(int index) {
  static const char* const codes[] = {"SUI", "GER", "FRA", "USA", "ITA", "NED", "ESP", "RUS", "DEN",
                                      "POL", "POR", "FIN", "ISL", "SWE", "NOR", "AUT", "CAN", "HUN",
                                      "CZE", "SLO", "CRO", "TUR", "MEX", "GBR", "UKR"};
  return index >= 0 && index < 25 ? QString(codes[index]) : QString();
}

}  // namespace frame::ui
