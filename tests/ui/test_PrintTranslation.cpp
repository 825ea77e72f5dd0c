// Printing the translation: blocks stay whole on a page, a long printout asks
// first, and Cancel in the progress dialog ends the job without a file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "platform/Printing.h"
#include "platform/ScriptedDesktop.h"
#include "ui/TRANSLATION_Form3.h"

namespace bxl::ui {
namespace {

using platform::PageLines;
using platform::TextPrintout;

// A printer whose pages hold a given number of lines; it keeps what it was asked to print.
class SmallPages : public platform::ScriptedDesktop {
 public:
  explicit SmallPages(qsizetype linesPerPage) : ScriptedDesktop(QSize(1280, 810)), linesPerPage_(linesPerPage) {}
  std::vector<PageLines> pages(const TextPrintout& printout) const {
    return platform::paginate(printout.lines.size(), printout.blocks, linesPerPage_);
  }
  int pageCount(const TextPrintout& printout) override { return int(pages(printout).size()); }
  platform::PrintResult printText(const TextPrintout& printout) override {
    printed = printout;
    return platform::PrintResult::Printed;
  }
  std::optional<TextPrintout> printed;

 private:
  qsizetype linesPerPage_;
};

class PrintTranslation : public testing::Test {
 protected:
  template <class D, class... Args>
  D& useDesktop(Args&&... args) {
    auto desktop = std::make_unique<D>(std::forward<Args>(args)...);
    D& kept = *desktop;
    platform::setDesktop(std::move(desktop));
    form_ = std::make_unique<TForm3>();
    return kept;
  }
  void translate(qsizetype bases, const char* command = "Btn1LetterCode") {
    form_->richEdit(QStringLiteral("RichEdit1"))->setText(QString(bases, QLatin1Char('A')));
    form_->control<QAbstractButton>(QString::fromLatin1(command))->click();
  }
  void print(platform::ScriptedDesktop& desktop, std::initializer_list<const char*> answers) {
    for (const char* answer : answers) desktop.queueAnswer(QString::fromLatin1(answer), false);
    form_->control<QAbstractButton>(QStringLiteral("ButtonPRINT"))->click();
    EXPECT_EQ(desktop.takeFailure(), QString());
  }
  std::unique_ptr<TForm3> form_;
};

// A display of three blocks on pages that hold two blocks each: the header and
// the first block on one page, the two others on the next; no block is cut.
TEST_F(PrintTranslation, PagesBreakBetweenTheBlocksOfTheDisplay) {
  SmallPages& desktop = useDesktop<SmallPages>(14);
  translate(240);
  print(desktop, {"OK"});
  ASSERT_TRUE(desktop.printed);
  EXPECT_EQ(desktop.printed->lines.size(), 4 + 3 * 7);
  EXPECT_EQ(desktop.printed->blocks, (std::vector<qsizetype>{4, 7, 7, 7}));
  EXPECT_EQ(desktop.pages(*desktop.printed), (std::vector<PageLines>{{0, 11}, {11, 14}}));
  // A one-frame display has blocks of five lines.
  form_->control<QAbstractButton>(QStringLiteral("Button12"))->click();
  print(desktop, {"OK"});
  EXPECT_EQ(desktop.printed->blocks, (std::vector<qsizetype>{4, 5, 5, 5}));
}

// More than 100 pages: the user is asked first, with the page count.
TEST_F(PrintTranslation, ALongPrintoutAsksFirstAndNoPrintsNothing) {
  SmallPages& desktop = useDesktop<SmallPages>(1);
  translate(13 * 80);  // 4 + 13 * 7 = 95 pages: printed without a question
  print(desktop, {"OK"});
  EXPECT_TRUE(desktop.printed);
  EXPECT_EQ(desktop.takeLog(), (QStringList{QStringLiteral("print-dialog-setup pages 1 to 1000, page range, selection"), QStringLiteral("print-dialog -> OK")}));

  desktop.printed.reset();
  translate(14 * 80);  // 102 pages
  print(desktop, {"OK", "No"});
  EXPECT_FALSE(desktop.printed);
  EXPECT_EQ(desktop.takeLog(), (QStringList{QStringLiteral("print-dialog-setup pages 1 to 1000, page range, selection"), QStringLiteral("print-dialog -> OK"),
                                            QStringLiteral("message \"BeXalo\" \"This printout has 102 pages. Print it?\" "
                                                           "Yes/No -> No")}));
  form_->control<QAbstractButton>(QStringLiteral("BitEspanol"))->click();
  print(desktop, {"OK", "Yes"});
  EXPECT_TRUE(desktop.printed);
  EXPECT_TRUE(desktop.takeLog().contains(
      QStringLiteral("message \"BeXalo\" \"Esta impresión tiene 102 páginas. ¿Imprimirla?\" Yes/No -> Yes")));
  EXPECT_EQ(desktop.printed->progressText, QStringLiteral("Imprimiendo la página %1 de %2"));
  EXPECT_EQ(desktop.printed->cancelText, QStringLiteral("Cancelar"));
}

// Cancel in the progress dialog at page 2 ends the job and leaves no file;
// the next job prints whole.
TEST_F(PrintTranslation, CancelDuringAPrintLeavesNoFile) {
  auto& desktop = useDesktop<platform::ScriptedDesktop>(QSize(1280, 810));
  QTemporaryDir dir;
  desktop.setPrintDir(dir.path());
  translate(2000);
  desktop.cancelPrintAtPage(2);
  print(desktop, {"OK"});
  const QStringList cancelled = desktop.takeLog();
  ASSERT_EQ(cancelled.size(), 4);
  EXPECT_TRUE(cancelled[3].startsWith(QStringLiteral("print-progress \"Printing page 2 of "))) << cancelled[3].toStdString();
  EXPECT_TRUE(cancelled[3].endsWith(QStringLiteral("\"Cancel\" -> Cancel"))) << cancelled[3].toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

  print(desktop, {"OK"});
  const QStringList printed = desktop.takeLog();
  ASSERT_EQ(printed.size(), 4);
  EXPECT_TRUE(printed[3].endsWith(QStringLiteral("\"Cancel\" -> done"))) << printed[3].toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("02-Translation.pdf")});
}

}  // namespace
}  // namespace bxl::ui
