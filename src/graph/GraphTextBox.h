#pragma once
// The graph window's text box: the three frame texts under a number line and a
// bar line, cut into blocks of 999 characters, and the character formats the
// marker commands and clicks give it. Positions in the text box are 0-based and
// a line end is one character ("\n").
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "graph/GraphImage.h"
#include "graph/GraphState.h"

namespace bxl::graph {

// Where every line of the text box starts, from the lengths of its five long
// lines. Block b holds, for each long line, its characters 999 b + 1 to
// 999 (b + 1), then a line holding one blank.
struct TextBoxLayout {
  static constexpr std::size_t kBlockWidth = 999;
  enum Line : std::size_t { NumberLine, BarLine, Frame1Line, Frame2Line, Frame3Line, BlankLine, kLinesPerBlock };

  std::array<std::size_t, 5> lengths{};  // whole number line, bar line and frame texts 1 to 3
  std::size_t blocks = 1;

  // Characters of `line` in block `block`.
  std::size_t sliceLength(std::size_t block, std::size_t line) const;
  std::size_t blockStart(std::size_t block) const;
  std::size_t lineStart(std::size_t block, std::size_t line) const;
  // Characters of the whole text, line ends included.
  std::size_t textLength() const;
  std::size_t frameLength(int frame) const { return lengths[Frame1Line + std::size_t(frame - 1)]; }
};

struct TextBox {
  std::string text;  // lines joined by "\n", none after the last
  TextBoxLayout layout;
};

// The number line and the bar line for frame texts of at most m characters.
// One-letter code: a number every ten characters and a bar under it. Three-letter
// code: the numbers 3, 6, 9... of the amino acids, each ending over the first
// letter of its name, with a bar under it. Any other code: both empty.
struct RulerLines {
  std::string numbers;
  std::string bars;
};
RulerLines rulerLines(LetterCode code, std::size_t m, const ClaseSecuencia& sequence);

// The text box of the state's frame texts (EscribirRE3): blocks start at
// characters 1, 1000, 1999... while the start is below m + 999, m being the
// longest frame text's length.
TextBox writeTextBox(const GraphState& state);

// A change of character format over a stretch of the text box: the attributes
// it adds and the colour it sets; the attributes it does not add stay as they were.
struct FormatChange {
  Rgb color;
  bool bold = false;
  bool underline = false;
  bool operator==(const FormatChange&) const = default;
};
struct FormatRun {
  std::size_t start = 0;
  std::size_t length = 0;
  FormatChange change;
  bool operator==(const FormatRun&) const = default;
};

// What a marker command does to the text box: every character that matches
// the kind's target, ignoring case as the text box's find does, in bold,
// underlined and in the kind's colour. Sorted, neighbours merged.
std::vector<FormatRun> markerFormats(std::string_view textBox, const MarkerKind& kind);

// The stretch of a frame text a click highlights: 20 characters centred near
// the clicked character (all of them in a text shorter than 20).
struct Stretch {
  std::size_t first = 1;  // counts from 1
  std::size_t count = 0;
  bool operator==(const Stretch&) const = default;
};
// For a press at image x on a track standing for `length` characters: the
// character p = 1 + trunc((x - 75) * length / 625), kept within 1..length, and
// the 20 characters from p - 10, moved to stay within the text.
Stretch clickedStretch(std::size_t length, int x);

// The highlight of a stretch of frame `frame`: bold and blue where the
// characters stand in the text box, continuing on the frame's line of the next
// block when the stretch crosses a block border.
inline constexpr FormatChange kHighlight{kBlue, true, false};
std::vector<FormatRun> stretchFormats(const TextBoxLayout& layout, int frame, Stretch stretch);

}  // namespace bxl::graph
