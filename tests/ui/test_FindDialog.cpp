#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "ui/FindDialog.h"

namespace bxl::ui {
namespace {

// "Fi&nd what:" underlines its n, and Alt+N takes the user to the text to find.
TEST(FindDialog, TheLabelsLetterIsAShortcutToTheTextToFind) {
  FindDialog dialog;
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  auto* text = dialog.findChild<QLineEdit*>();
  auto* option = dialog.findChild<QCheckBox*>();
  option->setFocus();
  ASSERT_FALSE(text->hasFocus());
  QTest::keyClick(option, Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(text->hasFocus());
}

}  // namespace
}  // namespace bxl::ui
