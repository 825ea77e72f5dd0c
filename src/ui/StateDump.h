#pragma once
// The module states the script driver prints with dump-state. A module (the
// main window's workspace, the ORF and graph windows' shared states) registers
// a name and the lines that show its state, for as long as the state lives.
#include <QStringList>
#include <functional>
#include <optional>

namespace bxl::ui {

class StateDumpRegistration {
 public:
  // While this object lives, dump-state NAME prints lines(). A later
  // registration of the same name stands in front of this one until it ends.
  StateDumpRegistration(QString name, std::function<QStringList()> lines);
  ~StateDumpRegistration();
  StateDumpRegistration(const StateDumpRegistration&) = delete;
  StateDumpRegistration& operator=(const StateDumpRegistration&) = delete;
};

// The lines of a registered module's state ("workspace"), or nothing when no
// module of that name is registered.
std::optional<QStringList> dumpState(const QString& name);

}  // namespace bxl::ui
