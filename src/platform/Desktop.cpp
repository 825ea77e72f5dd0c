#include "platform/Desktop.h"

#include "platform/QtDesktop.h"

namespace bxl::platform {
namespace {
std::unique_ptr<Desktop>& current() {
  static std::unique_ptr<Desktop> instance;
  return instance;
}
}  // namespace

Desktop& desktop() {
  if (!current()) current() = std::make_unique<QtDesktop>();
  return *current();
}

void setDesktop(std::unique_ptr<Desktop> desktop) { current() = std::move(desktop); }

QString qtFileFilter(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = QString(parts[i + 1]).replace(';', ' ');
    entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  return entries.join(QStringLiteral(";;"));
}

}  // namespace bxl::platform
