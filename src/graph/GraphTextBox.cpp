#include "graph/GraphTextBox.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>

namespace bxl::graph {
namespace {

constexpr std::size_t kW = TextBoxLayout::kBlockWidth;

// The number n right-aligned in a field of `width` characters (wider numbers keep all digits).
void appendField(std::string& line, std::size_t n, std::size_t width) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  const std::size_t count = std::size_t(end - digits);
  if (count < width) line.append(width - count, ' ');
  line.append(digits, count);
}

std::string_view slice(std::string_view line, std::size_t block) {
  const std::size_t from = block * kW;
  return from >= line.size() ? std::string_view() : line.substr(from, kW);
}

}  // namespace

std::size_t TextBoxLayout::sliceLength(std::size_t block, std::size_t line) const {
  if (line == BlankLine) return 1;
  const std::size_t from = block * kW;
  return from >= lengths[line] ? 0 : std::min(kW, lengths[line] - from);
}

std::size_t TextBoxLayout::blockStart(std::size_t block) const {
  // Every earlier block holds up to 999 characters of each long line, the
  // blank and six line ends.
  std::size_t start = block * (1 + kLinesPerBlock);
  for (std::size_t length : lengths) start += std::min(length, block * kW);
  return start;
}

std::size_t TextBoxLayout::lineStart(std::size_t block, std::size_t line) const {
  std::size_t start = blockStart(block);
  for (std::size_t l = 0; l < line; ++l) start += sliceLength(block, l) + 1;
  return start;
}

std::size_t TextBoxLayout::textLength() const { return blockStart(blocks) - 1; }

RulerLines rulerLines(LetterCode code, std::size_t m, const ClaseSecuencia& sequence) {
  RulerLines ruler;
  if (code == LetterCode::One) {
    ruler.numbers.reserve(m);
    for (std::size_t n = 10; n <= m; n += 10) appendField(ruler.numbers, n, 10);
    ruler.bars = sequence.Regla(std::int32_t(std::min<std::size_t>(m + 1, INT32_MAX)));
  } else if (code == LetterCode::Three) {
    ruler.numbers.reserve(m);
    ruler.numbers = "      3";
    for (std::size_t n = 6; n <= m / 3; n += 3) appendField(ruler.numbers, n, 9);
    // A bar over the first letter of amino acids 3, 6, 9..., at least one.
    const std::int64_t limit = std::int64_t(m) - 8;
    std::int64_t counter = 1;
    ruler.bars.reserve(m + 9);
    ruler.bars = "      ";
    do {
      ruler.bars += "|        ";
      counter += 9;
    } while (counter < limit);
  }
  return ruler;
}

TextBox writeTextBox(const GraphState& state) {
  const std::string_view frames[] = {state.SecuenciaMarco1, state.SecuenciaMarco2, state.SecuenciaMarco3};
  const std::size_t m = std::max({frames[0].size(), frames[1].size(), frames[2].size()});
  const RulerLines ruler = rulerLines(state.letterCode(), m, state.DatosSecuenciaGraph);
  const std::string_view lines[] = {ruler.numbers, ruler.bars, frames[0], frames[1], frames[2]};

  TextBox box;
  TextBoxLayout& layout = box.layout;
  for (std::size_t l = 0; l < layout.lengths.size(); ++l) layout.lengths[l] = lines[l].size();
  // Blocks start at 1, 1000, 1999... while the start stays below m + 999.
  layout.blocks = (m + kW - 2) / kW + 1;

  box.text.reserve(layout.textLength());
  for (std::size_t block = 0; block < layout.blocks; ++block) {
    for (std::string_view line : lines) {
      box.text += slice(line, block);
      box.text += '\n';
    }
    box.text += ' ';
    if (block + 1 < layout.blocks) box.text += '\n';
  }
  return box;
}

std::vector<FormatRun> markerFormats(std::string_view textBox, const MarkerKind& kind) {
  const char target = kind.target;
  char other = target;
  if (target >= 'A' && target <= 'Z') other = char(target + ('a' - 'A'));
  if (target >= 'a' && target <= 'z') other = char(target - ('a' - 'A'));
  const FormatChange change{kind.color, true, true};

  std::vector<FormatRun> runs;
  for (std::size_t i = 0; i < textBox.size(); ++i) {
    const char c = textBox[i];
    if (c != target && c != other) continue;
    if (!runs.empty() && runs.back().start + runs.back().length == i)
      ++runs.back().length;
    else
      runs.push_back(FormatRun{i, 1, change});
  }
  return runs;
}

Stretch clickedStretch(std::size_t length, int x) {
  if (length == 0) return {1, 0};
  constexpr std::size_t kCount = 20;
  if (length < kCount) return {1, length};
  const std::int64_t l = std::int64_t(length);
  // Integer division truncates toward zero, as the pixel arithmetic does.
  const std::int64_t p = std::clamp<std::int64_t>(1 + std::int64_t(x - kTrackLeft) * l / kTrackLength, 1, l);
  const std::int64_t first = std::clamp<std::int64_t>(p - 10, 1, l - std::int64_t(kCount) + 1);
  return {std::size_t(first), kCount};
}

std::vector<FormatRun> stretchFormats(const TextBoxLayout& layout, int frame, Stretch stretch) {
  std::vector<FormatRun> runs;
  const std::size_t line = TextBoxLayout::Frame1Line + std::size_t(frame - 1);
  const std::size_t length = layout.frameLength(frame);
  if (stretch.first < 1 || stretch.first > length) return runs;
  std::size_t at = stretch.first - 1;
  std::size_t left = std::min(stretch.count, length - at);
  while (left > 0) {
    const std::size_t block = at / kW;
    const std::size_t column = at % kW;
    const std::size_t n = std::min(left, kW - column);
    runs.push_back(FormatRun{layout.lineStart(block, line) + column, n, kHighlight});
    at += n;
    left -= n;
  }
  return runs;
}

}  // namespace bxl::graph
