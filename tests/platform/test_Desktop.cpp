#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
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

// Printing to a file with the real progress dialog: the file appears only
// once the job is complete, and Cancel leaves nothing behind.
TEST(Desktop, APrintToFileCancelledLeavesNoFile) {
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("translation.pdf"));
  QtDesktop desktop;
  // As the print dialog sets it up when the user chooses a PDF file.
  desktop.printer().setOutputFormat(QPrinter::PdfFormat);
  desktop.printer().setOutputFileName(target);

  TextPrintout printout{QStringLiteral("Translation"), Orientation::Landscape, {}, QFont(), {},
                        QStringLiteral("Printing page %1 of %2"), QStringLiteral("Cancel")};
  for (int i = 0; i < 500; ++i) printout.lines << QStringLiteral("line %1").arg(i);
  ASSERT_GT(desktop.pageCount(printout), 2);
  // The user presses Cancel once the dialog shows the second page.
  QTimer cancel;
  QObject::connect(&cancel, &QTimer::timeout, [&] {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (auto* progress = qobject_cast<QProgressDialog*>(window); progress && progress->value() >= 1) progress->cancel();
  });
  cancel.start(0);
  EXPECT_EQ(desktop.printText(printout), PrintResult::Cancelled);
  cancel.stop();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

  EXPECT_EQ(desktop.printText(printout), PrintResult::Printed);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("translation.pdf")});
}

}  // namespace
}  // namespace bxl::platform
