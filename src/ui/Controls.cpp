#include "ui/Controls.h"

#include <stdexcept>
#include <QPaintEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QMouseEvent>
#include <algorithm>

#include "platform/Desktop.h"

namespace bxl::ui {

// Every line gets the list's item height and is as wide as the horizontal
// extent, or as the list when there is none; with uniform item sizes the
// list asks only once, whatever its length.
class ListBox::LineDelegate : public QStyledItemDelegate {
 public:
  explicit LineDelegate(ListBox* list) : QStyledItemDelegate(list), list_(list) {}
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    const int height = list_->itemHeight_ > 0 ? list_->itemHeight_ : list_->fontMetrics().height() + 2;
    const int width = list_->horizontalExtent_ > 0 ? list_->horizontalExtent_ : list_->viewport()->width();
    return {width, height};
  }

 private:
  ListBox* list_;
};

ListBox::ListBox(QWidget* parent) : QListView(parent), model_(new QStringListModel(this)) {
  setModel(model_);
  setItemDelegate(new LineDelegate(this));
  setUniformItemSizes(true);
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollMode(ScrollPerPixel);
  setEditTriggers(NoEditTriggers);
  // Without an extent the lines are as wide as the list, so they follow its size.
  setResizeMode(Adjust);
}

QString ListBox::item(int row) const { return model_->data(model_->index(row), Qt::DisplayRole).toString(); }

void ListBox::setItem(int row, const QString& text) { model_->setData(model_->index(row), text); }

void ListBox::addItem(const QString& text) {
  const int row = model_->rowCount();
  model_->insertRows(row, 1);
  model_->setData(model_->index(row), text);
}

void ListBox::setItemHeight(int pixels) {
  itemHeight_ = pixels;
  doItemsLayout();
}

void ListBox::setHorizontalExtent(int pixels) {
  horizontalExtent_ = pixels;
  doItemsLayout();
}

ScrollBox::ScrollBox(QWidget* parent) : QScrollArea(parent) { setWidgetResizable(false); }

Image::Image(QWidget* parent) : QWidget(parent) {}

void Image::setPicture(QSize size, Paint paint) {
  size_ = size;
  paint_ = std::move(paint);
  resize(size);
  update();
}

QImage Image::render(const QRect& region) const {
  QImage image(region.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  if (paint_ && !image.isNull()) {
    QPainter painter(&image);
    painter.translate(-region.topLeft());
    painter.setClipRect(region);
    paint_(painter, region);
  }
  return image;
}

void Image::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::white);
  const QRect region = event->rect() & QRect(QPoint(), size_);
  if (paint_ && !region.isEmpty()) {
    painter.setClipRect(region);
    paint_(painter, region);
  }
}

void uncheck(QAbstractButton* button) {
  const bool exclusive = button->autoExclusive();
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(exclusive);
}

Picture::Picture(QSize size, QWidget* parent) : QWidget(parent), picture_(size, QImage::Format_RGB32) {
  picture_.fill(Qt::white);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Picture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, size() != picture_.size());
  painter.drawImage(rect(), picture_);
}

void Picture::mousePressEvent(QMouseEvent* event) {
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

void MaskEdit::setEditMask(const QString& mask) {
  const QStringList fields = mask.split(';');
  QString positions;
  for (const QChar c : fields.value(0)) {
    if (c == QLatin1Char('L'))
      positions += QLatin1Char('A');  // Qt's mark for a letter that must be given
    else if (c == QLatin1Char('l'))
      positions += QLatin1Char('a');
    else
      throw std::logic_error("mask " + mask.toStdString() + ": only letter positions (L, l) are supported");
  }
  if (fields.size() > 2 && fields[2].size() == 1) blank_ = fields[2][0];
  setInputMask(positions + ';' + blank_);
}

void MaskEdit::setMaskedText(const QString& text) {
  if (!text.contains(blank_)) return setText(text);
  clear();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == blank_) continue;
    setCursorPosition(int(i));
    insert(text.mid(i, 1));
  }
}

}  // namespace bxl::ui
