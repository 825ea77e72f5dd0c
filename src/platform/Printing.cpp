#include "platform/Printing.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace bxl::platform {

void paintTextPages(QPagedPaintDevice& device, const QStringList& lines, const QFont& font) {
  QPainter painter(&device);
  QFont printFont(font);
  // Window fonts are sized in screen pixels; on paper a pixel is 1/96 inch.
  if (font.pixelSize() > 0) printFont.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
  painter.setFont(printFont);
  const QFontMetrics metrics(printFont, &device);
  const int lineHeight = std::max(1, metrics.lineSpacing());
  const int pageHeight = device.height();
  int y = metrics.ascent();
  for (const QString& line : lines) {
    if (y - metrics.ascent() + lineHeight > pageHeight && y != metrics.ascent()) {
      device.newPage();
      y = metrics.ascent();
    }
    painter.drawText(0, y, line);
    y += lineHeight;
  }
}

void paintImagePage(QPagedPaintDevice& device, const QImage& image) {
  QPainter painter(&device);
  if (image.isNull()) return;
  const QSize fitted = image.size().scaled(device.width(), device.height(), Qt::KeepAspectRatio);
  painter.drawImage(QRect(QPoint(0, 0), fitted), image);
}

void paintImageAt(QPagedPaintDevice& device, const QImage& image, const QRect& devicePixels) {
  QPainter painter(&device);
  // Drawings keep their sharp edges on paper: no lossy compression on the way.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  painter.drawImage(devicePixels, image);
}

}  // namespace bxl::platform
