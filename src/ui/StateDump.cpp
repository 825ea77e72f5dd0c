#include "ui/StateDump.h"

#include "ui/TRANSLATION_Form3.h"

namespace bxl::ui {

std::optional<QStringList> dumpState(const QString& module) {
  if (module == QLatin1String("workspace")) return dumpWorkspace();
  return std::nullopt;
}

}  // namespace bxl::ui
