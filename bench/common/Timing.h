#pragma once
// What the Qt-side benchmarks share: a stopwatch and random sequences.
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QString>
#include <functional>

namespace bxl::bench {

inline double millis(const std::function<void()>& work) {
  QElapsedTimer timer;
  timer.start();
  work();
  return double(timer.nsecsElapsed()) / 1e6;
}

inline QString randomBases(qsizetype count) {
  QString text(count, QChar('A'));
  static const char bases[] = "ACGT";
  auto* random = QRandomGenerator::global();
  for (qsizetype i = 0; i < count; ++i) text[i] = QChar(bases[random->bounded(4)]);
  return text;
}

}  // namespace bxl::bench
