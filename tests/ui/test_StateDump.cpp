#include <gtest/gtest.h>

#include <optional>

#include "ui/StateDump.h"

namespace bxl::ui {
namespace {

// A state is printed while its module lives; a second module of the same name
// (a second main window) stands in front of the first only while it lives.
TEST(StateDump, PrintsTheLatestLiveRegistrationOfAName) {
  EXPECT_EQ(dumpState(QStringLiteral("test-module")), std::nullopt);
  {
    StateDumpRegistration first(QStringLiteral("test-module"), [] { return QStringList{QStringLiteral("first")}; });
    {
      StateDumpRegistration second(QStringLiteral("test-module"), [] { return QStringList{QStringLiteral("second")}; });
      EXPECT_EQ(dumpState(QStringLiteral("test-module")), QStringList{QStringLiteral("second")});
    }
    EXPECT_EQ(dumpState(QStringLiteral("test-module")), QStringList{QStringLiteral("first")});
  }
  EXPECT_EQ(dumpState(QStringLiteral("test-module")), std::nullopt);
}

}  // namespace
}  // namespace bxl::ui
