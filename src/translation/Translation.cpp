#include "translation/Translation.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "sequence/ClaseSecuencia.h"

namespace bxl {
namespace {

// A cell is stored as four bytes so that it goes out in one store; the fourth
// byte lands where the next cell (or the spare byte of the frame) will be written.
using Cell = std::array<char, 4>;

// Every letter is a base value 0-3 or kNotABase, so three letters index a table
// of 5 x 5 x 5 cells without any test on the letters.
constexpr int kKinds = kNotABase + 1;
using CellTable = std::array<Cell, kKinds * kKinds * kKinds>;
using BaseMap = std::array<std::uint8_t, 256>;

constexpr BaseMap makeBaseMap(bool readsUAsT) {
  BaseMap map{};
  for (int c = 0; c < 256; ++c) map[std::size_t(c)] = std::uint8_t(baseValue(char(c)));
  if (readsUAsT) map['U'] = map['u'] = std::uint8_t(baseValue('T'));
  return map;
}

constexpr BaseMap kBases = makeBaseMap(false);
constexpr BaseMap kBasesWithU = makeBaseMap(true);

CellTable makeCells(const GeneticCode& code, const CellStyle& style) {
  CellTable cells{};
  for (int i = 0; i < int(cells.size()); ++i) {
    const int first = i / (kKinds * kKinds), second = i / kKinds % kKinds, third = i % kKinds;
    Cell& cell = cells[std::size_t(i)];
    if (first == kNotABase || second == kNotABase || third == kNotABase) {
      std::memcpy(cell.data(), style.notACodon.data(), 3);
    } else {
      cell[0] = code.symbols[std::size_t(16 * first + 4 * second + third)];
      cell[1] = cell[2] = kMiddleDot;
    }
  }
  return cells;
}

constexpr std::size_t cellIndex(unsigned first, unsigned second, unsigned third) {
  return (first * kKinds + second) * kKinds + third;
}

std::size_t frameLength(std::size_t length, std::size_t frame, const CellStyle& style) {
  if (length <= frame) return frame;
  const std::size_t rest = length - frame;
  return frame + 3 * (rest / 3) + (rest % 3 == 2 ? style.twoLetterEnd.size() : 0);
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c; }
char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - ('a' - 'A')) : c; }

// Name of each symbol by byte, for the three-letter rewrite.
constexpr std::array<const char*, 256> makeNamesByByte() {
  std::array<const char*, 256> names{};
  for (const AminoAcidName& entry : kThreeLetterNames)
    names[static_cast<unsigned char>(entry.symbol)] = entry.name.data();
  return names;
}

constexpr std::array<const char*, 256> kNamesByByte = makeNamesByByte();

}  // namespace

FrameStrings translateFrames(std::string_view sequence, const GeneticCode& code,
                             const CellStyle& style) {
  FrameStrings frames;
  translateFrames(sequence, code, style, frames);
  return frames;
}

void translateFrames(std::string_view sequence, const GeneticCode& code, const CellStyle& style,
                     FrameStrings& frames) {
  const CellTable cells = makeCells(code, style);
  const BaseMap& bases = style.readsUAsT ? kBasesWithU : kBases;
  const std::size_t length = sequence.size();
  const auto* in = reinterpret_cast<const unsigned char*>(sequence.data());

  std::array<char*, 3> out{};
  for (std::size_t f = 0; f < 3; ++f) {
    frames[f].resize(frameLength(length, f, style) + 1);  // one spare byte
    std::fill_n(frames[f].begin(), f, style.filler);
    out[f] = frames[f].data();
  }

  // The three frames side by side: the codons starting at p, p + 1, p + 2.
  std::size_t p = 0;
  if (length >= 5) {
    unsigned b0 = bases[in[0]], b1 = bases[in[1]];
    for (; p + 5 <= length; p += 3) {
      const unsigned b2 = bases[in[p + 2]], b3 = bases[in[p + 3]], b4 = bases[in[p + 4]];
      std::memcpy(out[0] + p, cells[cellIndex(b0, b1, b2)].data(), 4);
      std::memcpy(out[1] + p + 1, cells[cellIndex(b1, b2, b3)].data(), 4);
      std::memcpy(out[2] + p + 2, cells[cellIndex(b2, b3, b4)].data(), 4);
      b0 = b3;
      b1 = b4;
    }
  }
  for (std::size_t q = p; q + 3 <= length; ++q)
    std::memcpy(out[q % 3] + q, cells[cellIndex(bases[in[q]], bases[in[q + 1]], bases[in[q + 2]])].data(), 4);

  for (std::size_t f = 0; f < 3; ++f) {
    const std::size_t size = frameLength(length, f, style);
    if (!style.twoLetterEnd.empty() && length > f && (length - f) % 3 == 2)
      std::memcpy(out[f] + size - style.twoLetterEnd.size(), style.twoLetterEnd.data(),
                  style.twoLetterEnd.size());
    frames[f].resize(size);
  }
}

std::string prepareWorkingSequence(std::string_view text) {
  std::string sequence = ClaseSecuencia().LimpiarTexto(text);
  for (char& c : sequence) {
    if (c == 'U') c = 'T';
    else if (c == 'u') c = 't';
  }
  return sequence;
}

FrameStrings translateStandard(std::string_view sequence) {
  return translateFrames(sequence, kStandardCode, kStandardCells);
}

FrameStrings translateWorkingSequence(std::string& workingSequence, char caso) {
  FrameStrings frames;
  translateWorkingSequence(workingSequence, caso, frames);
  return frames;
}

void translateWorkingSequence(std::string& workingSequence, char caso, FrameStrings& frames) {
  translateFrames(workingSequence, kStandardCode, kStandardCells, frames);
  // The translation reads either case; only the case the working sequence is left in matters.
  if (caso == 'm') {
    for (char& c : workingSequence) c = asciiLower(c);
  } else {
    for (char& c : workingSequence) c = asciiUpper(c);
  }
}

FrameStrings translateMitochondrial(std::string_view sequence, const GeneticCode& code) {
  return translateFrames(sequence, code, kMitochondrialCells);
}

std::string threeLetterFrame(std::string_view frame) {
  std::string text(frame);
  convertToThreeLetter(text);
  return text;
}

void convertToThreeLetter(std::string& text) {
  // A cell is a letter and two middle dots; cells cannot overlap and the names hold
  // no middle dot, so one pass gives what replacing each name in turn would give.
  for (std::size_t i = 0; i + 2 < text.size();) {
    const char* name = kNamesByByte[static_cast<unsigned char>(text[i])];
    if (name != nullptr && text[i + 1] == kMiddleDot && text[i + 2] == kMiddleDot) {
      std::memcpy(text.data() + i, name, 3);
      i += 3;
    } else {
      ++i;
    }
  }
}

}  // namespace bxl
