#include "ui/Controls.h"

#include <stdexcept>

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
