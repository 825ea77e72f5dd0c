#include "translation/Display.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "sequence/ClaseSecuencia.h"

namespace bxl {
namespace {

struct Layout {
  std::array<std::size_t, 3> frames;  // 0-based frame numbers, in display order
  std::size_t frameCount;
  Numbering numbering;
};

// Indexed by DisplayKind. Frame 2 alone is numbered only below the length.
constexpr std::array<Layout, 4> kLayouts = {{
    {{0, 1, 2}, 3, Numbering::FirstAndUpToLength},
    {{0, 0, 0}, 1, Numbering::FirstAndUpToLength},
    {{1, 0, 0}, 1, Numbering::BelowLength},
    {{2, 0, 0}, 1, Numbering::FirstAndUpToLength},
}};

constexpr std::size_t kNumbersPerLine = kBlockWidth / kNumberStep;

void appendNumber(std::string& line, std::size_t number) {
  char digits[24];
  const std::size_t count = std::size_t(std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
  // Up to nine digits the number ends in its own column; a longer one keeps one blank before it.
  line.append(count < kNumberStep ? kNumberStep - count : 1, ' ');
  line.append(digits, count);
}

void appendNumberLine(std::string& line, std::size_t offset, std::size_t length, Numbering numbering) {
  const auto numbered = [&](std::size_t position, std::size_t count) {
    if (count == kNumbersPerLine) return false;
    if (numbering == Numbering::BelowLength) return position < length;
    return count == 0 || position <= length;
  };
  std::size_t position = offset + kNumberStep;
  for (std::size_t count = 0; numbered(position, count); ++count, position += kNumberStep)
    appendNumber(line, position);
}

std::string_view blockSlice(std::string_view text, std::size_t offset) {
  return offset < text.size() ? text.substr(offset, kBlockWidth) : std::string_view();
}

}  // namespace

std::string numberLine(std::size_t offset, std::size_t length, Numbering numbering) {
  std::string line;
  appendNumberLine(line, offset, length, numbering);
  return line;
}

Display writeDisplay(DisplayKind kind, std::string_view nucleotides, const FrameTexts& frames) {
  Display display;
  writeDisplay(kind, nucleotides, frames, display);
  return display;
}

void writeDisplay(DisplayKind kind, std::string_view nucleotides, const FrameTexts& frames, Display& display) {
  const Layout& layout = kLayouts[std::size_t(kind)];
  const std::size_t length = nucleotides.size();
  display.text.clear();
  display.lineStarts.clear();
  display.blocks = std::max<std::size_t>(1, (length + kBlockWidth - 1) / kBlockWidth);
  // The ruler of the whole line, Regla(length + 1), repeats every ten columns: the
  // ruler of the last two blocks alone has the same end and gives every slice.
  const std::size_t rulerShift = display.blocks > 2 ? (display.blocks - 2) * kBlockWidth : 0;
  const std::string ruler = ClaseSecuencia().Regla(std::int32_t(length + 1 - rulerShift));
  display.linesPerBlock = 4 + layout.frameCount;
  display.text.reserve(display.blocks * display.linesPerBlock * (kBlockWidth + 1));
  display.lineStarts.reserve(display.blocks * display.linesPerBlock);

  std::string& text = display.text;
  const auto startLine = [&] {
    if (!display.lineStarts.empty()) text.push_back('\n');
    display.lineStarts.push_back(text.size());
  };
  for (std::size_t block = 0; block < display.blocks; ++block) {
    const std::size_t offset = block * kBlockWidth;
    startLine();
    appendNumberLine(text, offset, length, layout.numbering);
    startLine();
    text += blockSlice(ruler, offset > rulerShift ? offset - rulerShift : 0);
    startLine();
    text += blockSlice(nucleotides, offset);
    for (std::size_t i = 0; i < layout.frameCount; ++i) {
      startLine();
      text += blockSlice(frames[layout.frames[i]], offset);
    }
    startLine();
    text += ' ';
  }
}

Display writeDisplay(DisplayKind kind, std::string_view nucleotides, const FrameStrings& frames) {
  return writeDisplay(kind, nucleotides, FrameTexts{frames[0], frames[1], frames[2]});
}

}  // namespace bxl
