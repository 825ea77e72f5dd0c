#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPrintDialog>
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

// Qt's open dialog takes the patterns from the last parentheses of each entry:
// a name that already shows them keeps them once.
TEST(Desktop, FileFiltersShowEachEntryOnceWithItsPatterns) {
  const struct {
    const char* filter;
    const char* qt;
  } cases[] = {
      {"Bexalo (*.BXL)|*.BXL|Text|*.txt|All Files|*.*", "Bexalo (*.BXL);;Text (*.txt);;All Files (*.*)"},
      {"Sequences (FASTA, GenBank, EMBL)|*.fasta;*.gb;*.embl", "Sequences (FASTA, GenBank, EMBL) (*.fasta *.gb *.embl)"},
      {"Two (*.a *.b)|*.a;*.b", "Two (*.a *.b)"},
  };
  for (const auto& c : cases) EXPECT_EQ(qtFileFilter(QString::fromUtf8(c.filter)), QString::fromUtf8(c.qt)) << c.filter;
}

TEST(Desktop, PrintDialogOffersWhatTheSetupAsksFor) {
  QPrinter printer;
  QPrintDialog plain(&printer);
  const QAbstractPrintDialog::PrintDialogOptions qtDefaults = plain.options();
  setUpPrintDialog(plain, {});
  EXPECT_EQ(plain.options(), qtDefaults);

  QPrintDialog dialog(&printer);
  setUpPrintDialog(dialog, {1, 1000, true, true});
  EXPECT_EQ(dialog.minPage(), 1);
  EXPECT_EQ(dialog.maxPage(), 1000);
  EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
  EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
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
