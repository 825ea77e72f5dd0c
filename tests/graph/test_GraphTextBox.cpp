#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "GraphPrint.h"
#include "graph/GraphTextBox.h"

namespace bxl::graph {
namespace {

// The text box's lines; checks on the way that the layout knows where each starts.
std::vector<std::string> linesOf(const TextBox& box) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t line = lines.size();
    EXPECT_EQ(box.layout.lineStart(line / TextBoxLayout::kLinesPerBlock, line % TextBoxLayout::kLinesPerBlock), start)
        << "line " << line;
    const std::size_t end = box.text.find('\n', start);
    lines.push_back(box.text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  EXPECT_EQ(lines.size(), box.layout.blocks * TextBoxLayout::kLinesPerBlock);
  EXPECT_EQ(box.text.size(), box.layout.textLength());
  return lines;
}

// Amino-acid letters in no pattern, so a stretch shows where it came from.
std::string aminoAcids(std::size_t n, unsigned seed = 7) {
  std::mt19937 random(seed);
  std::string text(n, 'A');
  for (char& c : text) c = "ACDEFGHIKLNPQRSTVWY"[random() % 19];
  return text;
}

GraphState stateOf(std::string frame1, std::string frame2, std::string frame3, const char* code) {
  GraphState state;
  state.SecuenciaMarco1 = std::move(frame1);
  state.SecuenciaMarco2 = std::move(frame2);
  state.SecuenciaMarco3 = std::move(frame3);
  state.CodigoMarcos = code;
  return state;
}

TEST(GraphTextBox, RulerLinesOfBothCodesAtTwentyFive) {
  const ClaseSecuencia sequence;
  const RulerLines one = rulerLines(LetterCode::One, 25, sequence);
  EXPECT_EQ(one.numbers, "        10        20");
  EXPECT_EQ(one.bars, "         |         |         ");  // two pieces: the counter reaches 21, not below 17
  const RulerLines three = rulerLines(LetterCode::Three, 25, sequence);
  EXPECT_EQ(three.numbers, "      3        6");  // amino acids up to 25 / 3 = 8
  EXPECT_EQ(three.bars, "      |        |        ");
  const RulerLines other = rulerLines(LetterCode::Other, 25, sequence);
  EXPECT_EQ(other.numbers, "");
  EXPECT_EQ(other.bars, "");
}

TEST(GraphTextBox, NumbersEndOverTheirBarInBothCodes) {
  const ClaseSecuencia sequence;
  for (const LetterCode code : {LetterCode::One, LetterCode::Three}) {
    const std::size_t m = 3000;
    const RulerLines ruler = rulerLines(code, m, sequence);
    // One-letter: number n ends on column n; three-letter: amino acid n's first letter, column 3n - 2.
    const std::size_t step = code == LetterCode::One ? 10 : 3;
    const std::size_t last = code == LetterCode::One ? m : m / 3;
    std::size_t numbers = 0;
    for (std::size_t n = code == LetterCode::One ? 10 : 3; n <= last; n += step, ++numbers) {
      const std::size_t column = code == LetterCode::One ? n : 3 * n - 2;
      const std::string digits = std::to_string(n);
      ASSERT_GE(ruler.numbers.size(), column);
      EXPECT_EQ(ruler.numbers.substr(column - digits.size(), digits.size()), digits) << n;
      EXPECT_EQ(ruler.bars[column - 1], '|') << n;
    }
    EXPECT_EQ(ruler.numbers.find_first_not_of("0123456789 "), std::string::npos);
    std::size_t groups = 0;
    for (std::size_t i = 0; i < ruler.numbers.size(); ++i)
      if (ruler.numbers[i] != ' ' && (i == 0 || ruler.numbers[i - 1] == ' ')) ++groups;
    EXPECT_EQ(groups, numbers);
  }
}

TEST(GraphTextBox, CutsTheLinesIntoBlocksOf999) {
  const struct {
    std::size_t m;
    const char* code;
    std::size_t blocks;
  } cases[] = {
      {0, "Label1", 1}, {0, "1Code", 1}, {1, "1Code", 1}, {2, "1Code", 2}, {998, "1Code", 2},
      {999, "3Code", 2}, {1000, "1Code", 2}, {1001, "3Code", 3}, {2997, "1Code", 4},
  };
  for (const auto& c : cases) {
    // Frame 2 is the longest; frame 3 is shorter and frame 1 empty.
    const std::string frame2 = aminoAcids(c.m), frame3 = aminoAcids(c.m / 2, 11);
    const GraphState state = stateOf("", frame2, frame3, c.code);
    const TextBox box = writeTextBox(state);
    const std::vector<std::string> lines = linesOf(box);
    ASSERT_EQ(box.layout.blocks, c.blocks) << c.m;
    const RulerLines ruler = rulerLines(state.letterCode(), c.m, state.DatosSecuenciaGraph);
    for (std::size_t b = 0; b < c.blocks; ++b) {
      const auto slice = [b](const std::string& line) {
        return b * 999 >= line.size() ? "" : line.substr(b * 999, 999);
      };
      const auto first = lines.begin() + std::ptrdiff_t(6 * b);
      const std::vector<std::string> block(first, first + 6);
      EXPECT_EQ(block, (std::vector<std::string>{slice(ruler.numbers), slice(ruler.bars), "", slice(frame2),
                                                 slice(frame3), " "}))
          << c.m << " block " << b;
    }
  }

  // M = 0 without a code: five empty lines and the blank; with the one-letter code the ruler keeps one bar.
  EXPECT_EQ(writeTextBox(stateOf("", "", "", "Label1")).text, "\n\n\n\n\n ");
  EXPECT_EQ(writeTextBox(stateOf("", "", "", "1Code")).text, "\n         |         \n\n\n\n ");
  // M = 1000: the second block holds character 1000 of the text and of the ruler lines.
  const std::vector<std::string> m1000 = linesOf(writeTextBox(stateOf(std::string(999, 'A') + "*", "", "", "1Code")));
  EXPECT_EQ(std::vector<std::string>(m1000.begin() + 6, m1000.end()),
            (std::vector<std::string>{"0", "|         ", "*", "", "", " "}));
}

TEST(GraphTextBox, MarkerFormatsFindEveryTargetAsTheTextBoxFindDoes) {
  const FormatChange red{kRed, true, true}, green{kGreen, true, true};
  EXPECT_EQ(markerFormats("Met***Ala\n***", kStopMarker),
            (std::vector<FormatRun>{{3, 3, red}, {10, 3, red}}));
  EXPECT_EQ(markerFormats("MetLys\nmM", kMetMarker),  // find ignores case
            (std::vector<FormatRun>{{0, 1, green}, {7, 2, green}}));
  EXPECT_TRUE(markerFormats("        10\n         |", kStopMarker).empty());

  // Stops at characters 999 and 1000 of frame 1 stand at the end of block 1's line and the start of block 2's.
  const TextBox box = writeTextBox(stateOf(std::string(998, 'A') + "**", "", "", "1Code"));
  const std::size_t end1 = box.layout.lineStart(0, TextBoxLayout::Frame1Line) + 998;
  const std::size_t start2 = box.layout.lineStart(1, TextBoxLayout::Frame1Line);
  EXPECT_EQ(markerFormats(box.text, kStopMarker), (std::vector<FormatRun>{{end1, 1, red}, {start2, 1, red}}));
}

TEST(GraphHighlight, TheClickedCharacterIsCentredInTwentyKeptInsideTheText) {
  const struct {
    std::size_t length;
    int x;
    Stretch expected;
  } cases[] = {
      {1000, 400, {511, 20}},  // p = 1 + trunc(325 * 1000 / 625) = 521
      {1000, 75, {1, 20}},     // the start
      {1000, 74, {1, 20}},     // left of the track: p = 0, kept at 1
      {1000, 90, {15, 20}},    // p = 25
      {1000, 700, {981, 20}},  // p = 1001, kept at 1000: the last 20
      {1000, 701, {981, 20}},
      {100, 80, {1, 20}},      // p = 1 + trunc(500 / 625)
      {625, 76, {1, 20}},      // p = 2
      {2000, 387, {989, 20}},  // p = 999, the stretch crosses the block border
      {20, 650, {1, 20}},
      {7, 400, {1, 7}},        // a text shorter than 20: all of it
      {0, 400, {1, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(clickedStretch(c.length, c.x), c.expected) << c.length << " at " << c.x;
}

TEST(GraphHighlight, LandsOnTheFramesOwnCharactersInTheTextBox) {
  const std::string frame2 = aminoAcids(2000);
  const TextBox box = writeTextBox(stateOf(aminoAcids(1500, 3), frame2, aminoAcids(1999, 5), "1Code"));
  const std::vector<std::string> lines = linesOf(box);
  const struct {
    Stretch stretch;
    std::vector<std::size_t> blocks;  // the block of each run
  } cases[] = {
      {{1, 20}, {0}},     {{511, 20}, {0}},   {{980, 20}, {0}},  {{981, 20}, {0, 1}},
      {{989, 20}, {0, 1}}, {{1000, 20}, {1}}, {{1979, 20}, {1}}, {{1981, 20}, {1, 2}},
  };
  for (const auto& c : cases) {
    const std::vector<FormatRun> runs = stretchFormats(box.layout, 2, c.stretch);
    ASSERT_EQ(runs.size(), c.blocks.size()) << c.stretch.first;
    std::string shown;
    for (std::size_t i = 0; i < runs.size(); ++i) {
      EXPECT_EQ(runs[i].change, kHighlight);
      const auto at = box.text.begin() + std::ptrdiff_t(runs[i].start);
      const std::size_t lineOfRun = std::size_t(std::count(box.text.begin(), at, '\n'));
      EXPECT_EQ(lineOfRun, 6 * c.blocks[i] + TextBoxLayout::Frame2Line) << c.stretch.first;
      shown += box.text.substr(runs[i].start, runs[i].length);
    }
    EXPECT_EQ(shown, frame2.substr(c.stretch.first - 1, 20)) << c.stretch.first;
  }
  // Nothing past the end of the frame's line.
  EXPECT_TRUE(stretchFormats(box.layout, 2, {2001, 20}).empty());
  std::size_t kept = 0;
  for (const FormatRun& run : stretchFormats(box.layout, 2, {1990, 20})) kept += run.length;
  EXPECT_EQ(kept, 11u);
}

}  // namespace
}  // namespace bxl::graph
