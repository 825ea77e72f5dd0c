#include <gtest/gtest.h>

#include "platform/richtext/TextModel.h"

namespace bxl::platform {
namespace {

// "ACGTACGTAC" (10) / "" / "GG" (2) / "TTTTTTTT" (8)
TextModel sample() {
  TextModel model;
  model.setText(QStringLiteral("ACGTACGTAC\r\n\nGG\rTTTTTTTT"));
  return model;
}

TEST(TextModel, LinesAndLineEnds) {
  const TextModel model = sample();
  EXPECT_EQ(model.length(), 23);
  EXPECT_EQ(model.lineCount(), 4);
  const qsizetype starts[] = {0, 11, 12, 15};
  const qsizetype lengths[] = {10, 0, 2, 8};
  for (qsizetype line = 0; line < 4; ++line) {
    EXPECT_EQ(model.lineStart(line), starts[line]);
    EXPECT_EQ(model.lineLength(line), lengths[line]);
  }
  EXPECT_EQ(model.lineOf(10), 0);  // the line end belongs to its line
  EXPECT_EQ(model.lineOf(11), 1);
  EXPECT_EQ(model.lineOf(23), 3);
  EXPECT_EQ(model.longestLine(), 10);
}

TEST(TextModel, PositionsAndRowsAtSeveralWidths) {
  TextModel model = sample();
  const struct {
    int columns;
    qsizetype rows;
    qsizetype position, row, column;
  } cases[] = {
      {0, 4, 9, 0, 9},    {0, 4, 16, 3, 1},  {4, 7, 4, 1, 0},   {4, 7, 10, 2, 2},  {4, 7, 11, 3, 0},
      {4, 7, 19, 6, 0},   {4, 7, 23, 6, 4},  {5, 6, 10, 1, 5},  {5, 6, 15, 4, 0},  {1, 21, 14, 12, 1},
      {100, 4, 23, 3, 8}, {10, 4, 10, 0, 10},
  };
  for (const auto& c : cases) {
    model.setColumns(c.columns);
    EXPECT_EQ(model.rowCount(), c.rows) << c.columns;
    const auto at = model.rowColumnOf(c.position);
    EXPECT_EQ(at.row, c.row) << c.columns << " @" << c.position;
    EXPECT_EQ(at.column, c.column) << c.columns << " @" << c.position;
    EXPECT_EQ(model.positionAt(c.row, c.column), c.position) << c.columns << " @" << c.position;
  }
  model.setColumns(4);
  EXPECT_EQ(model.rowStart(2), 8);
  EXPECT_EQ(model.rowLength(2), 2);
  EXPECT_EQ(model.rowLength(3), 0);  // the empty line is a row of its own
  EXPECT_EQ(model.positionAt(2, 99), 10);  // a column past the row's end stays on the row
}

TEST(TextModel, FormatRunsSplitMergeAndOverlap) {
  TextModel model;
  model.setText(QStringLiteral("AAAAAAAAAA"));
  const CharFormat red{QColor(Qt::red)}, bold{QColor(Qt::black), true};
  model.setFormat(2, 6, red);
  model.setFormat(4, 2, bold);  // splits the red run
  auto runs = model.formatRuns();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(std::tuple(runs[0].start, runs[0].length), std::tuple(2, 2));
  EXPECT_EQ(std::tuple(runs[1].start, runs[1].length, runs[1].format.bold), std::tuple(4, 2, true));
  EXPECT_EQ(std::tuple(runs[2].start, runs[2].length), std::tuple(6, 2));
  model.setFormat(3, 4, red);  // overlaps all three: one red run remains
  runs = model.formatRuns();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(std::tuple(runs[0].start, runs[0].length), std::tuple(2, 6));
  model.setFormat(0, 100, CharFormat{});  // past the end is clipped
  EXPECT_TRUE(model.formatRuns().empty());

  const FormatRun many[] = {{0, 1, red}, {3, 3, bold}, {6, 1, bold}, {9, 5, red}};
  model.setFormats(many);
  runs = model.formatRuns();
  ASSERT_EQ(runs.size(), 3u);  // the two bold ranges touch and merge
  EXPECT_EQ(std::tuple(runs[1].start, runs[1].length), std::tuple(3, 4));
  EXPECT_EQ(std::tuple(runs[2].start, runs[2].length), std::tuple(9, 1));
}

TEST(TextModel, EditsMoveLinesAndFormatsAndNewTextTakesTheFormatBeforeIt) {
  TextModel model;
  model.setText(QStringLiteral("ACGT\nTTAA"));
  const CharFormat red{QColor(Qt::red)};
  model.setFormat(5, 2, red);  // "TT"
  model.replace(0, 0, QStringLiteral("GG\r\n"));  // at the very start
  EXPECT_EQ(model.text(), QStringLiteral("GG\nACGT\nTTAA"));
  EXPECT_EQ(model.lineCount(), 3);
  EXPECT_EQ(model.lineStart(2), 8);
  ASSERT_EQ(model.formatRuns().size(), 1u);
  EXPECT_EQ(model.formatRuns()[0].start, 8);
  model.replace(10, 0, QStringLiteral("x"));  // typed right after the red "TT"
  EXPECT_EQ(model.formatRuns()[0].length, 3);
  model.replace(model.length(), 0, QStringLiteral("C"));  // at the end
  EXPECT_EQ(model.text(), QStringLiteral("GG\nACGT\nTTxAAC"));
  model.replace(2, 7, QString());  // across two line ends, into the red run
  EXPECT_EQ(model.text(), QStringLiteral("GGTxAAC"));
  EXPECT_EQ(model.lineCount(), 1);
  ASSERT_EQ(model.formatRuns().size(), 1u);
  EXPECT_EQ(std::tuple(model.formatRuns()[0].start, model.formatRuns()[0].length), std::tuple(2, 2));
  model.replace(0, model.length(), QString());
  EXPECT_EQ(model.length(), 0);
  EXPECT_EQ(model.lineCount(), 1);
  EXPECT_TRUE(model.formatRuns().empty());
}

}  // namespace
}  // namespace bxl::platform
