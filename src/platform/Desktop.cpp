#include "platform/Desktop.h"

#include <QWidget>
#include <stdexcept>

namespace bxl::platform {
namespace {
std::unique_ptr<Desktop>& current() {
  static std::unique_ptr<Desktop> instance;
  return instance;
}
}  // namespace

Desktop& desktop() {
  // Never a default: a headless caller that forgot its desktop must not open real dialogs.
  if (!current())
    throw std::logic_error(
        "no desktop is set: start-up must call platform::setDesktop (a QtDesktop for the workbench, "
        "a ScriptedDesktop for scripts and tests) before any window is made");
  return *current();
}

void setDesktop(std::unique_ptr<Desktop> desktop) { current() = std::move(desktop); }

void Desktop::showMaximized(QWidget* window) { window->showMaximized(); }

QString qtFileFilter(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = QString(parts[i + 1]).replace(';', ' ');
    const QString shown = QStringLiteral("(%1)").arg(patterns);
    // A name that already shows its patterns ("Bexalo (*.BXL)") keeps them once.
    entries << (parts[i].endsWith(shown) ? parts[i] : QStringLiteral("%1 %2").arg(parts[i], shown));
  }
  return entries.join(QStringLiteral(";;"));
}

}  // namespace bxl::platform
