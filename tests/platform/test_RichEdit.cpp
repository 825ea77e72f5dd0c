#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <string>

#include "platform/Desktop.h"
#include "platform/RichEdit.h"
#include "platform/ScriptedDesktop.h"

namespace bxl::platform {
namespace {

enum class EditKind { View, Holder, AnsiHolder };

// The shown rich edit and the hidden holders (their own text, or an 8-bit text
// kept elsewhere) must agree on text, positions and find.
class RichEditBoth : public testing::TestWithParam<EditKind> {
 protected:
  void SetUp() override {
    setDesktop(std::make_unique<ScriptedDesktop>(QSize(1280, 810)));
    switch (GetParam()) {
      case EditKind::View: edit = createRichEditView(&window); break;
      case EditKind::Holder: edit = createTextHolder(&window); break;
      case EditKind::AnsiHolder: edit = createTextHolder(&window, &ansiText); break;
    }
    edit->onChanged = [this] { ++changes; };
  }
  QWidget window;
  std::string ansiText;
  RichEdit* edit = nullptr;
  int changes = 0;
};

TEST_P(RichEditBoth, LineEndsCountOnePositionAndReadBackAsCrLf) {
  edit->setText(QStringLiteral("ACGT\r\nGG\rT\nA"));
  EXPECT_EQ(edit->text(), QStringLiteral("ACGT\r\nGG\r\nT\r\nA"));
  EXPECT_EQ(edit->lines(), QStringList({"ACGT", "GG", "T", "A"}));
  EXPECT_EQ(edit->length(), 11);
  edit->setSelection(3, 3);
  EXPECT_EQ(edit->selectedText(), QStringLiteral("T\r\nG"));
  edit->setSelection(9, 100);
  EXPECT_EQ(edit->selStart(), 9);
  EXPECT_EQ(edit->selLength(), 2);
  EXPECT_GE(changes, 1);
}

TEST_P(RichEditBoth, FindHonoursRangeCaseAndWholeWords) {
  edit->setText(QStringLiteral("atg ATG\nxATGx atg"));
  const struct {
    const char* what;
    qsizetype start, length;
    int options;
    qsizetype found;
  } cases[] = {
      {"atg", 0, 100, 0, 0},
      {"atg", 1, 100, 0, 4},
      {"ATG", 1, 100, FindMatchCase, 4},
      {"atg", 1, 100, FindMatchCase, 14},
      {"ATG", 5, 100, FindMatchCase, 9},  // after the line end
      {"atg", 5, 100, FindWholeWord, 14},
      {"atg", 5, 5, 0, -1},  // the match at 9 does not end inside the range
      {"ATG", 0, 100, FindMatchCase | FindWholeWord, 4},
      {"", 0, 100, 0, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(edit->findText(QString::fromLatin1(c.what), c.start, c.length, c.options), c.found)
        << c.what << " from " << c.start << " options " << c.options;
}

TEST_P(RichEditBoth, ClipboardCommandsWorkOnTheSelection) {
  edit->setText(QStringLiteral("AACCGGTT"));
  edit->setSelection(2, 2);
  edit->cutToClipboard();
  EXPECT_EQ(edit->text(), QStringLiteral("AAGGTT"));
  EXPECT_EQ(desktop().clipboardText(), QStringLiteral("CC"));
  edit->setSelection(6, 0);
  edit->pasteFromClipboard();
  EXPECT_EQ(edit->text(), QStringLiteral("AAGGTTCC"));
  edit->selectAll();
  EXPECT_EQ(edit->selLength(), 8);
}

INSTANTIATE_TEST_SUITE_P(ViewAndHolder, RichEditBoth, testing::Values(EditKind::View, EditKind::Holder, EditKind::AnsiHolder),
                         [](const auto& param) {
                           switch (param.param) {
                             case EditKind::View: return "View";
                             case EditKind::Holder: return "Holder";
                             case EditKind::AnsiHolder: return "AnsiHolder";
                           }
                           return "";
                         });

// The 8-bit holder is a window on its owner's string: it writes through, shows
// what the owner writes (the middle dot is one byte) and keeps its selection
// inside a text that shrank under it.
TEST(RichEditAnsiHolder, ReadsAndWritesTheOwnersString) {
  QObject owner;
  std::string frame;
  RichEdit* holder = createTextHolder(&owner, &frame);
  holder->setText(QStringLiteral("M\u00B7\u00B7K\r\n"));
  EXPECT_EQ(frame, "M\xB7\xB7K\n");
  frame = "*\xB7\xB7N\xB7\xB7";
  EXPECT_EQ(holder->plainText(), QStringLiteral("*\u00B7\u00B7N\u00B7\u00B7"));
  EXPECT_EQ(holder->length(), 6);
  holder->setSelection(3, 3);
  frame = "M\xB7\xB7";
  EXPECT_EQ(holder->selStart(), 3);
  EXPECT_EQ(holder->selLength(), 0);
  EXPECT_EQ(holder->selectionText(), QString());
}

TEST(RichEditView, FormatsAreKeptAsMaximalRunsAcrossLineEnds) {
  QWidget window;
  RichEdit* edit = createRichEditView(&window);
  edit->setText(QStringLiteral("TAAxx\nTGAyy"));
  const CharFormat red{QColor(Qt::red), true};
  edit->setSelection(0, 3);
  edit->setSelectionFormat(red);
  edit->setSelection(2, 1);  // overlaps the red run with the same format
  edit->setSelectionFormat(red);
  edit->setSelection(6, 3);
  edit->setSelectionFormat(red);
  auto runs = edit->formatRuns();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].start, 0);
  EXPECT_EQ(runs[0].length, 3);
  EXPECT_EQ(runs[1].start, 6);
  EXPECT_TRUE(runs[1].format.bold);
  // Colouring the gap, line end included, joins the runs into one.
  edit->setSelection(3, 3);
  edit->setSelectionFormat(red);
  runs = edit->formatRuns();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].length, 9);
  // Plain black text is not a run.
  edit->setSelection(0, 9);
  edit->setSelectionFormat(CharFormat{});
  EXPECT_TRUE(edit->formatRuns().empty());
}

}  // namespace
}  // namespace bxl::platform
