#include "ui/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace bxl::ui {
namespace {

template <class Paint>
QIcon drawn(QSize size, Paint paint) {
  QPixmap pixmap(size * 2);
  pixmap.setDevicePixelRatio(2.0);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return QIcon(pixmap);
}

}  // namespace

QIcon spanishFlag() {
  return drawn(QSize(26, 17), [](QPainter& p, QRectF r) {
    p.fillRect(r, QColor(0xAA, 0x15, 0x1B));
    p.fillRect(QRectF(r.left(), r.top() + r.height() / 4, r.width(), r.height() / 2), QColor(0xF1, 0xBF, 0x00));
  });
}

QIcon britishFlag() {
  return drawn(QSize(26, 17), [](QPainter& p, QRectF r) {
    const QColor blue(0x01, 0x21, 0x69), red(0xC8, 0x10, 0x2E);
    p.fillRect(r, blue);
    p.setPen(QPen(Qt::white, 3.4));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(red, 1.2));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.fillRect(QRectF(r.center().x() - 2.8, r.top(), 5.6, r.height()), Qt::white);
    p.fillRect(QRectF(r.left(), r.center().y() - 2.8, r.width(), 5.6), Qt::white);
    p.fillRect(QRectF(r.center().x() - 1.6, r.top(), 3.2, r.height()), red);
    p.fillRect(QRectF(r.left(), r.center().y() - 1.6, r.width(), 3.2), red);
  });
}

QIcon graphGlyph() {
  return drawn(QSize(28, 28), [](QPainter& p, QRectF r) {
    const QColor tracks[] = {QColor(0x3C, 0x6F, 0xB4), QColor(0x4F, 0x9D, 0x69), QColor(0xD9, 0x8A, 0x1E)};
    for (int i = 0; i < 3; ++i) {
      const QRectF track(r.left() + 2, r.top() + 4 + i * 8, r.width() - 4, 5);
      p.fillRect(track, tracks[i]);
      p.fillRect(QRectF(track.left() + 5 + i * 6, track.top() - 1, 2, 7), Qt::red);
    }
  });
}

QIcon orfGlyph() {
  return drawn(QSize(28, 28), [](QPainter& p, QRectF r) {
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5));
    p.drawLine(QPointF(r.left() + 2, r.center().y()), QPointF(r.right() - 2, r.center().y()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2E, 0x8B, 0x57));
    QPainterPath arrow;
    arrow.moveTo(r.left() + 5, r.center().y() - 5);
    arrow.lineTo(r.right() - 8, r.center().y() - 5);
    arrow.lineTo(r.right() - 3, r.center().y());
    arrow.lineTo(r.right() - 8, r.center().y() + 5);
    arrow.lineTo(r.left() + 5, r.center().y() + 5);
    p.drawPath(arrow);
  });
}

QIcon printerGlyph() {
  return drawn(QSize(24, 24), [](QPainter& p, QRectF r) {
    const QColor body(0x4A, 0x5B, 0x70);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + 6, r.top() + 2, r.width() - 12, 8));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(r.left() + 2, r.top() + 9, r.width() - 4, 9), 2, 2);
    p.setPen(QPen(body, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + 6, r.top() + 14, r.width() - 12, 8));
    p.drawRect(QRectF(r.left() + 6, r.top() + 2, r.width() - 12, 7));
  });
}

}  // namespace bxl::ui
