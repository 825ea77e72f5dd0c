#include "ui/StateDump.h"

#include <algorithm>
#include <vector>

namespace bxl::ui {
namespace {

struct Entry {
  const StateDumpRegistration* owner;
  QString name;
  std::function<QStringList()> lines;
};

std::vector<Entry>& registry() {
  static std::vector<Entry> entries;
  return entries;
}

}  // namespace

StateDumpRegistration::StateDumpRegistration(QString name, std::function<QStringList()> lines) {
  registry().push_back({this, std::move(name), std::move(lines)});
}

StateDumpRegistration::~StateDumpRegistration() {
  std::erase_if(registry(), [this](const Entry& entry) { return entry.owner == this; });
}

std::optional<QStringList> dumpState(const QString& name) {
  const auto& entries = registry();
  const auto found = std::find_if(entries.rbegin(), entries.rend(), [&](const Entry& entry) { return entry.name == name; });
  if (found == entries.rend()) return std::nullopt;
  return found->lines();
}

}  // namespace bxl::ui
