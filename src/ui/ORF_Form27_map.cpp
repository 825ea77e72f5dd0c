#include "ui/ORF_Form27_map.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "orf/OrfMap.h"
#include "platform/Text8.h"

namespace bxl::ui {
namespace {

QColor colour(orf::Rgb c) { return QColor(c.red, c.green, c.blue); }

// The pixels from x1 to x2 and y1 to y2, the right and bottom ones excluded.
QRect between(int x1, int y1, int x2, int y2) {
  return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}

void paint(QPainter& painter, const orf::MapRectangle& r, const QRect& region) {
  const QRect whole = between(r.x1, r.y1, r.x2, r.y2);
  if (!whole.intersects(region)) return;
  painter.fillRect(whole & region, colour(r.brush));
  const int w = r.penWidth;
  const QRect edges[] = {
      {whole.left(), whole.top(), whole.width(), w},
      {whole.left(), whole.bottom() - w + 1, whole.width(), w},
      {whole.left(), whole.top(), w, whole.height()},
      {whole.right() - w + 1, whole.top(), w, whole.height()},
  };
  for (const QRect& edge : edges) painter.fillRect(edge & whole & region, colour(r.pen));
}

void paint(QPainter& painter, const orf::MapLine& l, const QRect& region) {
  const int w = l.penWidth;
  // The end point is left out: a line from y 50 to 55 covers rows 50 to 54.
  std::optional<QRect> course;
  if (l.x1 == l.x2 && l.y1 != l.y2)
    course = l.y1 < l.y2 ? QRect(l.x1, l.y1, w, l.y2 - l.y1) : QRect(l.x1, l.y2 + 1, w, l.y1 - l.y2);
  else if (l.y1 == l.y2 && l.x1 != l.x2)
    course = l.x1 < l.x2 ? QRect(l.x1, l.y1, l.x2 - l.x1, w) : QRect(l.x2 + 1, l.y1, l.x1 - l.x2, w);
  if (course) {
    painter.fillRect(*course & region, colour(l.pen));
  } else if (l.x1 != l.x2) {
    painter.setPen(QPen(colour(l.pen), w));
    painter.drawLine(l.x1, l.y1, l.x2, l.y2);
  }
}

// The font of the map's texts, made once for all of them.
class MapFonts {
 public:
  const QFont& font(const orf::MapFont& design) {
    if (!font_ || design != design_) {
      QFont font(QString::fromLatin1(design.family.data(), qsizetype(design.family.size())));
      font.setStyleHint(QFont::SansSerif);
      font.setPixelSize(design.pixelSize);
      font_ = font;
      metrics_.emplace(font);
      design_ = design;
    }
    return *font_;
  }
  const QFontMetrics& metrics() const { return *metrics_; }

 private:
  orf::MapFont design_{};
  std::optional<QFont> font_;
  std::optional<QFontMetrics> metrics_;
};

void paint(QPainter& painter, const orf::MapText& t, const QRect& region, MapFonts& fonts) {
  const QFont& font = fonts.font(t.font);
  const QFontMetrics& metrics = fonts.metrics();
  // Most of a genome's labels lie above or below the region: skip them unread.
  if (t.y > region.bottom() || t.y + metrics.height() <= region.top() || t.x > region.right()) return;
  const QString text = platform::fromAnsi(t.text);
  const QRect box(t.x, t.y, metrics.horizontalAdvance(text), metrics.height());
  if (!box.intersects(region)) return;
  // Opaque: the text's box takes the background first.
  painter.fillRect(box, colour(t.background));
  painter.setFont(font);
  painter.setPen(colour(t.colour));
  painter.drawText(t.x, t.y + metrics.ascent(), text);
}

}  // namespace

void paintOrfMap(QPainter& painter, const orf::OrfMap& map, const QRect& region) {
  painter.fillRect(region, Qt::white);
  MapFonts fonts;
  for (const orf::MapItem& item : map.items()) {
    if (const auto* r = std::get_if<orf::MapRectangle>(&item))
      paint(painter, *r, region);
    else if (const auto* l = std::get_if<orf::MapLine>(&item))
      paint(painter, *l, region);
    else
      paint(painter, std::get<orf::MapText>(item), region, fonts);
  }
}

}  // namespace bxl::ui
