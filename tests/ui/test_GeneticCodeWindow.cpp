#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <map>
#include <memory>
#include <set>

#include "platform/ScriptedDesktop.h"
#include "ui/Controls.h"
#include "ui/GENETICCODE_Form45.h"
#include "ui/Workspace.h"

namespace bxl::ui {
namespace {

// The lookup window reads only the language.
class EnglishWorkspace final : public WorkspaceView {
 public:
  std::string_view frame(std::size_t) const override { return {}; }
  QString letterCode() const override { return QStringLiteral("Label1"); }
  QString graphFrames() const override { return QStringLiteral("All"); }
  QString language() const override { return QStringLiteral("En"); }
  QString filePath() const override { return {}; }
  QString editorText() const override { return {}; }
};

// The printed code table: a row per first and third base, a column per second
// base, each U, C, A, G in turn.
constexpr const char* kButtonTable[16][4] = {
    {"BitBtn2", "BitBtn69", "BitBtn113", "BitBtn117"},  {"BitBtn66", "BitBtn70", "BitBtn114", "BitBtn118"},
    {"BitBtn67", "BitBtn71", "BitBtn115", "BitBtn119"}, {"BitBtn68", "BitBtn72", "BitBtn116", "BitBtn120"},
    {"BitBtn73", "BitBtn77", "BitBtn81", "BitBtn85"},   {"BitBtn74", "BitBtn78", "BitBtn82", "BitBtn86"},
    {"BitBtn75", "BitBtn79", "BitBtn83", "BitBtn87"},   {"BitBtn76", "BitBtn80", "BitBtn84", "BitBtn88"},
    {"BitBtn89", "BitBtn93", "BitBtn97", "BitBtn101"},  {"BitBtn90", "BitBtn94", "BitBtn98", "BitBtn102"},
    {"BitBtn91", "BitBtn95", "BitBtn99", "BitBtn103"},  {"BitBtn92", "BitBtn96", "BitBtn100", "BitBtn104"},
    {"BitBtn105", "BitBtn109", "BitBtn121", "BitBtn125"}, {"BitBtn106", "BitBtn110", "BitBtn122", "BitBtn126"},
    {"BitBtn107", "BitBtn111", "BitBtn123", "BitBtn127"}, {"BitBtn108", "BitBtn112", "BitBtn124", "BitBtn128"},
};

// Every one of the 64 buttons: its name stands for its codon, its caption
// names that codon, it sits in its block, column and row, a click enters the
// codon, and the codon translates to the amino acid the caption names.
TEST(GeneticCodeWindow, EveryCodonButtonEntersTheCodonItShowsWhereTheTableHasIt) {
  platform::setDesktop(std::make_unique<platform::ScriptedDesktop>(QSize(1280, 810)));
  const EnglishWorkspace workspace;
  TForm45 form(workspace);
  const QString bases = QStringLiteral("UCAG");
  std::set<int> lefts, tops;
  for (const auto& row : kButtonTable)
    for (const char* name : row) {
      const auto* button = form.control<BitBtn>(QString::fromLatin1(name));
      lefts.insert(button->x());
      tops.insert(button->y());
    }
  ASSERT_EQ(lefts.size(), 4u);
  ASSERT_EQ(tops.size(), 16u);
  const std::vector<int> columns(lefts.begin(), lefts.end()), rows(tops.begin(), tops.end());

  for (int row = 0; row < 16; ++row)
    for (int second = 0; second < 4; ++second) {
      const QString name = QString::fromLatin1(kButtonTable[row][second]);
      SCOPED_TRACE(name.toStdString());
      const QString codon = QString(bases[row / 4]) + bases[second] + bases[row % 4];
      auto* button = form.control<BitBtn>(name);
      const QString caption = Form::captionOf(button);
      EXPECT_TRUE(caption.startsWith(codon + ' ')) << caption.toStdString();
      EXPECT_EQ(button->x(), columns[std::size_t(second)]);
      EXPECT_EQ(button->y(), rows[std::size_t(row)]);

      button->click();
      EXPECT_EQ(form.control<MaskEdit>(QStringLiteral("MaskEdit1"))->maskedText(), codon);
      form.control<QAbstractButton>(QStringLiteral("ButtonGeneticCode"))->click();
      const QString result = form.control<QLineEdit>(QStringLiteral("Edit13"))->text();
      EXPECT_EQ(caption.mid(4), result == QLatin1String("Stop") ? QStringLiteral("(Stop)") : result.left(3));
    }
}

// Screens beyond those the UI scripts open the window on.
TEST(GeneticCodeWindow, ScaleFollowsTheScreenTableThenTheSmallerRatio) {
  const std::map<std::pair<int, int>, std::optional<int>> cases = {
      {{1280, 960}, 80},            // a fixed step, like 1024 pixels high
      {{1280, 810}, std::nullopt},  // the designed screen
      {{1280, 1200}, std::nullopt}, // taller, but no wider: the width ratio 1 keeps the design
      {{1366, 768}, 94},            // the height ratio 0.948 is the smaller
      {{2560, 1440}, 177},          // it grows by the height ratio 1.777
      {{1152, 864}, 89},            // the width ratio 0.9 is the smaller, and a hair under 0.9 in single precision
      {{1024, 648}, 80},            // both ratios 0.8
      {{1024, 600}, 90},            // 600 high, whatever the width
      {{320, 200}, 55},
  };
  for (const auto& [size, percent] : cases)
    EXPECT_EQ(geneticCodeScalePercent(QSize(size.first, size.second)), percent) << size.first << 'x' << size.second;
}

}  // namespace
}  // namespace bxl::ui
