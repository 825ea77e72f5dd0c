#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "platform/Desktop.h"
#include "platform/QtDesktop.h"

namespace bxl::platform {
namespace {

// A headless caller that never set a desktop gets an error naming the missing
// start-up step, never a real dialog.
TEST(Desktop, WithoutOneSetAtStartUpAskingForItFailsClearly) {
  setDesktop(nullptr);
  try {
    desktop();
    ADD_FAILURE() << "desktop() made one by itself";
  } catch (const std::logic_error& error) {
    EXPECT_NE(std::string(error.what()).find("setDesktop"), std::string::npos) << error.what();
  }
  setDesktop(std::make_unique<QtDesktop>());
}

}  // namespace
}  // namespace bxl::platform
