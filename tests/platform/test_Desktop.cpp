#include <gtest/gtest.h>

#include <QPrintDialog>
#include <QPrinter>
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

}  // namespace
}  // namespace bxl::platform
