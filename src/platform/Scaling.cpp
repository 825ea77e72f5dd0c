#include "platform/Scaling.h"

#include <QAbstractButton>
#include <QFont>
#include <QWidget>
#include <cmath>

#include "platform/RichEdit.h"

namespace bxl::platform {

namespace {
constexpr const char* kControlProperty = "bxlControl";
}

int mulDiv(int value, int numerator, int denominator) {
  return int(std::lround(double(value) * numerator / denominator));
}

QFont scaledFont(const QFont& font, int percent) {
  QFont scaled(font);
  if (font.pixelSize() > 0)
    scaled.setPixelSize(std::max(1, mulDiv(font.pixelSize(), percent, 100)));
  else if (font.pointSize() > 0)
    scaled.setPointSize(std::max(1, mulDiv(font.pointSize(), percent, 100)));
  return scaled;
}

void markAsControl(QObject* control) { control->setProperty(kControlProperty, true); }

bool isControl(const QObject* object) { return object->property(kControlProperty).toBool(); }

void scaleWindow(QWidget* window, int percent) {
  const auto scaleRect = [percent](const QRect& r) {
    return QRect(mulDiv(r.x(), percent, 100), mulDiv(r.y(), percent, 100), mulDiv(r.width(), percent, 100),
                 mulDiv(r.height(), percent, 100));
  };
  window->resize(mulDiv(window->width(), percent, 100), mulDiv(window->height(), percent, 100));
  window->setFont(scaledFont(window->font(), percent));
  for (QObject* object : window->findChildren<QObject*>()) {
    if (!isControl(object)) continue;
    if (RichEdit* edit = asRichEdit(object); edit && !edit->view()) {
      edit->setTextFont(scaledFont(edit->textFont(), percent));
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
      widget->setGeometry(scaleRect(widget->geometry()));
      widget->setFont(scaledFont(widget->font(), percent));
      if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setIconSize(scaleRect(QRect(QPoint(), button->iconSize())).size());
    }
  }
}

}  // namespace bxl::platform
