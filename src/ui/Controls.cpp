#include "ui/Controls.h"

#include "platform/Desktop.h"

namespace bxl::ui {

Timer::Timer(QObject* parent) : QObject(parent) { connect(&timer_, &QTimer::timeout, this, &Timer::tick); }

void Timer::setEnabled(bool enabled) {
  enabled_ = enabled;
  if (enabled && platform::desktop().timersRun())
    timer_.start();
  else
    timer_.stop();
}

}  // namespace bxl::ui
