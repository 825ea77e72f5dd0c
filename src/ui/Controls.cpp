#include "ui/Controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/Desktop.h"

namespace bxl::ui {

Image::Image(QSize size, QWidget* parent) : QWidget(parent), picture_(size, QImage::Format_RGB32) {
  picture_.fill(Qt::white);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Image::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, size() != picture_.size());
  painter.drawImage(rect(), picture_);
}

void Image::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit pressed(QPoint(int(at.x() * picture_.width() / std::max(1, width())),
                      int(at.y() * picture_.height() / std::max(1, height()))));
}

Timer::Timer(QObject* parent) : QObject(parent) { connect(&timer_, &QTimer::timeout, this, &Timer::tick); }

void Timer::setEnabled(bool enabled) {
  enabled_ = enabled;
  if (enabled && platform::desktop().timersRun())
    timer_.start();
  else
    timer_.stop();
}

}  // namespace bxl::ui
