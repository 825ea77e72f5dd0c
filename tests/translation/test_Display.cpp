#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Dotted.h"
#include "translation/Display.h"

namespace bxl {
namespace {

// The display's lines; checks on the way that every line starts where lineStarts says.
std::vector<std::string> linesOf(const Display& display) {
  std::vector<std::string> lines;
  std::vector<std::size_t> starts;
  for (std::size_t start = 0;;) {
    starts.push_back(start);
    const std::size_t end = display.text.find('\n', start);
    lines.push_back(display.text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  EXPECT_EQ(display.lineStarts, starts);
  EXPECT_EQ(lines.size(), display.blocks * display.linesPerBlock);
  return lines;
}

// Positions right-aligned in fields of ten.
std::string numbered(std::initializer_list<int> positions) {
  std::string line;
  for (int p : positions) {
    const std::string digits = std::to_string(p);
    line += std::string(10 - digits.size(), ' ') + digits;
  }
  return line;
}

const std::string kTens = numbered({10, 20, 30, 40, 50, 60, 70, 80});

// A ruler slice of n columns: a bar in every tenth.
std::string rulerSlice(std::size_t n) {
  std::string slice(n, ' ');
  for (std::size_t column = 10; column <= n; column += 10) slice[column - 1] = '|';
  return slice;
}

std::string bases(std::size_t n) {
  std::string sequence;
  for (std::size_t i = 0; i < n; ++i) sequence += "ACGTTGCAAT"[i % 10];
  return sequence;
}

TEST(Display, WritesTheSevenLinesOfAShortSequenceInBothCodes) {
  const FrameStrings frames = translateStandard("ATGAAATTTG");
  const Display oneLetter = writeDisplay(DisplayKind::AllFrames, "ATGAAATTTG", frames);
  EXPECT_EQ(oneLetter.blocks, 1u);
  EXPECT_EQ(linesOf(oneLetter),
            (std::vector<std::string>{"        10", "         |         ", "ATGAAATTTG", dotted("M..K..F.."),
                                      dotted(".*..N..L.."), dotted("..E..I..."), " "}));

  const FrameStrings names{threeLetterFrame(frames[0]), threeLetterFrame(frames[1]), threeLetterFrame(frames[2])};
  const std::vector<std::string> lines = linesOf(writeDisplay(DisplayKind::AllFrames, "ATGAAATTTG", names));
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.begin() + 6),
            (std::vector<std::string>{"MetLysPhe", dotted(".***AsnLeu"), dotted("..GluIle.")}));
}

TEST(Display, NumbersRulesAndSlicesEveryBlockOfEightyPositions) {
  const struct {
    std::size_t length;
    std::vector<std::string> numberLines;  // one per block
    std::vector<std::size_t> rulerColumns;
  } cases[] = {
      {0, {"        10"}, {19}},
      {5, {"        10"}, {19}},
      {80, {kTens}, {80}},
      {81, {kTens, "        90"}, {80, 9}},  // the ruler ends with the bar at 80
      {90, {kTens, "        90"}, {80, 19}},
      {170, {kTens, numbered({90, 100, 110, 120, 130, 140, 150, 160}), numbered({170})}, {80, 80, 19}},
      {321,
       {kTens, numbered({90, 100, 110, 120, 130, 140, 150, 160}),
        numbered({170, 180, 190, 200, 210, 220, 230, 240}), numbered({250, 260, 270, 280, 290, 300, 310, 320}),
        numbered({330})},
       {80, 80, 80, 80, 9}},
  };
  for (const auto& c : cases) {
    const std::string sequence = bases(c.length);
    const FrameStrings frames = translateStandard(sequence);
    const Display display = writeDisplay(DisplayKind::AllFrames, sequence, frames);
    const std::vector<std::string> lines = linesOf(display);
    ASSERT_EQ(display.blocks, c.numberLines.size()) << c.length;
    ASSERT_EQ(display.linesPerBlock, 7u);
    for (std::size_t b = 0; b < display.blocks; ++b) {
      const std::size_t offset = 80 * b;
      const auto slice = [&](const std::string& text) { return offset < text.size() ? text.substr(offset, 80) : ""; };
      const std::vector<std::string> expected = {c.numberLines[b], rulerSlice(c.rulerColumns[b]), slice(sequence),
                                                 slice(frames[0]), slice(frames[1]), slice(frames[2]), " "};
      EXPECT_EQ(std::vector<std::string>(lines.begin() + std::ptrdiff_t(7 * b), lines.begin() + std::ptrdiff_t(7 * b + 7)),
                expected)
          << "length " << c.length << " block " << b;
    }
  }
}

TEST(Display, OneFrameDisplaysShowTheirFrameAndNumberFrameTwoBelowTheLength) {
  const struct {
    DisplayKind kind;
    std::size_t length;
    std::vector<std::string> numberLines;
  } cases[] = {
      {DisplayKind::Frame1Only, 25, {numbered({10, 20})}},
      {DisplayKind::Frame2Only, 25, {numbered({10, 20})}},
      {DisplayKind::Frame3Only, 25, {numbered({10, 20})}},
      {DisplayKind::Frame1Only, 80, {kTens}},
      {DisplayKind::Frame2Only, 80, {numbered({10, 20, 30, 40, 50, 60, 70})}},
      {DisplayKind::Frame3Only, 80, {kTens}},
      {DisplayKind::Frame1Only, 81, {kTens, "        90"}},
      {DisplayKind::Frame2Only, 81, {kTens, ""}},
      {DisplayKind::Frame3Only, 81, {kTens, "        90"}},
      {DisplayKind::Frame1Only, 0, {"        10"}},
      {DisplayKind::Frame2Only, 0, {""}},
  };
  const char* shownDigit[] = {"", "1", "2", "3"};
  for (const auto& c : cases) {
    const std::string sequence = bases(c.length);
    // Each frame text made of its own digit, to see which one is shown.
    const FrameStrings frames{std::string(c.length, '1'), std::string(c.length, '2'), std::string(c.length, '3')};
    const Display display = writeDisplay(c.kind, sequence, frames);
    const std::vector<std::string> lines = linesOf(display);
    ASSERT_EQ(display.blocks, c.numberLines.size());
    ASSERT_EQ(display.linesPerBlock, 5u);
    for (std::size_t b = 0; b < display.blocks; ++b) {
      const std::size_t width = std::min<std::size_t>(80, c.length - std::min(c.length, 80 * b));
      std::string frameLine;
      for (std::size_t i = 0; i < width; ++i) frameLine += shownDigit[std::size_t(c.kind)];
      EXPECT_EQ(lines[5 * b], c.numberLines[b]) << c.length << " block " << b;
      EXPECT_EQ(lines[5 * b + 2], sequence.substr(80 * b, width));
      EXPECT_EQ(lines[5 * b + 3], frameLine);
      EXPECT_EQ(lines[5 * b + 4], " ");
    }
    if (c.length == 25) {
      EXPECT_EQ(lines[1], rulerSlice(29));
    }
  }
}

TEST(Display, LongPositionsStayUnderTheirColumnsUntilTheyNeedAWiderField) {
  EXPECT_EQ(numberLine(9'999'920, 10'000'100, Numbering::FirstAndUpToLength),
            "   9999930   9999940   9999950   9999960   9999970   9999980   9999990  10000000");
  EXPECT_EQ(numberLine(999'999'960, 2'000'000'000, Numbering::FirstAndUpToLength),
            " 999999970 999999980 999999990 1000000000 1000000010 1000000020 1000000030 1000000040");
}

}  // namespace
}  // namespace bxl
