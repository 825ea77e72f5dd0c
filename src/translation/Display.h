#pragma once
// The translation display: blocks of 80 positions, each a number line, a slice
// of the ruler, a slice of the nucleotide line, slices of the frame strings and
// a line holding one blank.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "translation/Translation.h"

namespace bxl {

inline constexpr std::size_t kBlockWidth = 80;
inline constexpr std::size_t kNumberStep = 10;

// Which positions of a block get a number: o + 10 always and then every tenth
// position up to the length, or only the tenth positions below the length.
enum class Numbering { FirstAndUpToLength, BelowLength };

// The all-frames display and the three one-frame displays.
enum class DisplayKind { AllFrames, Frame1Only, Frame2Only, Frame3Only };

struct Display {
  std::string text;                    // lines joined by '\n', none after the last
  std::size_t blocks = 0;              // at least one
  std::size_t linesPerBlock = 0;       // 7 for all frames, 5 for one frame
  std::vector<std::size_t> lineStarts; // offset in text of every line, block by block

  // Offset of line `line` (0 = number line) of block `block`.
  std::size_t lineStart(std::size_t block, std::size_t line) const {
    return lineStarts[block * linesPerBlock + line];
  }
};

using FrameTexts = std::array<std::string_view, 3>;

// The display of `nucleotides` (the nucleotide line: the caller filters the
// sequence with FiltrarNucleotidos first) with the frames the kind shows; a
// one-frame display reads only its own frame. Frame text beyond the last block
// is not shown.
Display writeDisplay(DisplayKind kind, std::string_view nucleotides, const FrameTexts& frames);
Display writeDisplay(DisplayKind kind, std::string_view nucleotides, const FrameStrings& frames);
// The same into `display`, reusing its storage.
void writeDisplay(DisplayKind kind, std::string_view nucleotides, const FrameTexts& frames, Display& display);

// The number line of the block starting after `offset` positions of a nucleotide
// line of `length` bases. Each number ends in the column of its position; from ten
// digits on, a field widens to keep one blank before its number.
std::string numberLine(std::size_t offset, std::size_t length, Numbering numbering);

}  // namespace bxl
