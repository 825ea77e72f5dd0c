#include "ui/ScreenLayout.h"

#include <algorithm>

#include "platform/Scaling.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace bxl::ui {

std::optional<int> screenScalePercent(QSize screen) {
  const int w = screen.width();
  const int h = screen.height();
  if (h == 864 && w == 1152) return 112;
  if (h == 768 && w == 1024) return 80;
  // The ratios are kept in single precision and the percentage is truncated,
  // so 800 x 600 gives 62, not 63.
  const float rw = float(double(w) * (1.0 / 1280.0));
  const float rh = float(double(h) * (1.0 / 810.0));
  if (rw >= 1.0f && rh >= 1.0f) return std::nullopt;
  return int(100.0 * double(std::min(rw, rh)));
}

std::optional<SmallScreenStep> smallScreenStep(QSize screen) {
  if (screen.height() == 600) return SmallScreenStep{70, 6, 6};
  if (screen.height() <= 480) return SmallScreenStep{55, 5, 4};
  return std::nullopt;
}

namespace {
template <class Exact>
void setPointSizeOfExactly(Form& window, int points) {
  for (QObject* object : window.findChildren<QObject*>()) {
    if (object->metaObject() != &Exact::staticMetaObject) continue;
    auto* widget = static_cast<QWidget*>(object);
    QFont font = widget->font();
    font.setPointSize(points);
    widget->setFont(font);
  }
}
}  // namespace

void scaleForScreen(Form& window, QSize screen) {
  if (const auto percent = screenScalePercent(screen)) platform::scaleWindow(&window, *percent);
  if (const auto step = smallScreenStep(screen)) {
    platform::scaleWindow(&window, step->percent);
    setPointSizeOfExactly<Button>(window, step->buttonPoints);
    setPointSizeOfExactly<BitBtn>(window, step->bitButtonPoints);
  }
}

}  // namespace bxl::ui
