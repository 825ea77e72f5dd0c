#pragma once
// The module state of the windows as the script driver prints it.
#include <QStringList>
#include <optional>

namespace bxl::ui {

// The lines of a module's state ("workspace"), or nothing for an unknown module.
std::optional<QStringList> dumpState(const QString& module);

}  // namespace bxl::ui
