// gtest's main with a QApplication on the offscreen platform and Qt's own
// desktop; a suite that scripts the desktop sets a ScriptedDesktop itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "platform/QtDesktop.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  bxl::platform::setDesktop(std::make_unique<bxl::platform::QtDesktop>());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
