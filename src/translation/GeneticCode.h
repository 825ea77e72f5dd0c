#pragma once
// The three genetic codes the workbench translates with, and the cells the
// translations write in place of amino acids. Fixed data: nothing here changes.
#include <array>
#include <string_view>

#include "sequence/Ansi.h"

namespace bxl {

// Codons are numbered 16 x first + 4 x second + third base with T = 0, C = 1,
// A = 2, G = 3: the order of printed code tables (TTT, TTC, TTA, TTG, TCT, ...).
inline constexpr std::string_view kBaseOrder = "TCAG";
inline constexpr int kCodonCount = 64;
inline constexpr int kNotABase = 4;

// 2-bit value of a base letter of either case, or kNotABase. U is not a base:
// the standard translation leaves reading U as T to its callers.
constexpr int baseValue(char c) {
  switch (c) {
    case 'T': case 't': return 0;
    case 'C': case 'c': return 1;
    case 'A': case 'a': return 2;
    case 'G': case 'g': return 3;
    default: return kNotABase;
  }
}

// Index of a codon of three bases (either case), or -1 for anything else.
constexpr int codonIndex(std::string_view codon) {
  if (codon.size() != 3) return -1;
  int index = 0;
  for (char c : codon) {
    const int value = baseValue(c);
    if (value == kNotABase) return -1;
    index = 4 * index + value;
  }
  return index;
}

struct GeneticCode {
  std::string_view name;
  // One amino-acid symbol per codon in codon order; '*' is a stop.
  std::string_view symbols;

  // Symbol of a codon of three bases (either case), or 0 when it is none.
  constexpr char symbolOf(std::string_view codon) const {
    const int index = codonIndex(codon);
    return index < 0 ? char(0) : symbols[std::size_t(index)];
  }
};

inline constexpr GeneticCode kStandardCode{
    "Standard", "FFLLSSSSYY**CC*WLLLLPPPPHHQQRRRRIIIMTTTTNNKKSSRRVVVVAAAADDEEGGGG"};
// Both mitochondrial codes read TGA as W and AGA, AGG as stops; they differ in ATT.
inline constexpr GeneticCode kVertebrateMitochondrialCode{
    "Vertebrate", "FFLLSSSSYY**CCWWLLLLPPPPHHQQRRRRMIMMTTTTNNKKSS**VVVVAAAADDEEGGGG"};
inline constexpr GeneticCode kMouseMitochondrialCode{
    "Mus", "FFLLSSSSYY**CCWWLLLLPPPPHHQQRRRRIIMMTTTTNNKKSS**VVVVAAAADDEEGGGG"};
static_assert(kStandardCode.symbols.size() == kCodonCount &&
              kVertebrateMitochondrialCode.symbols.size() == kCodonCount &&
              kMouseMitochondrialCode.symbols.size() == kCodonCount);

struct AminoAcidName {
  char symbol;
  std::string_view name;
};

// The three-letter name of every symbol the codes use; a stop is "***".
inline constexpr std::array<AminoAcidName, 21> kThreeLetterNames = {{
    {'A', "Ala"}, {'C', "Cys"}, {'D', "Asp"}, {'E', "Glu"}, {'F', "Phe"}, {'G', "Gly"},
    {'H', "His"}, {'I', "Ile"}, {'K', "Lys"}, {'L', "Leu"}, {'M', "Met"}, {'N', "Asn"},
    {'P', "Pro"}, {'Q', "Gln"}, {'R', "Arg"}, {'S', "Ser"}, {'T', "Thr"}, {'V', "Val"},
    {'W', "Trp"}, {'Y', "Tyr"}, {'*', "***"},
}};

// Three-letter name of a symbol (case-sensitive), or "" when it is none.
constexpr std::string_view threeLetterName(char symbol) {
  for (const AminoAcidName& entry : kThreeLetterNames)
    if (entry.symbol == symbol) return entry.name;
  return {};
}

// What a translation procedure writes besides the codon cells ("M" + two middle dots).
struct CellStyle {
  char filler;                     // the one and two leading characters of frames 2 and 3
  std::string_view notACodon;      // three characters for three letters that are not a codon
  std::string_view twoLetterEnd;   // a frame's last piece when only two letters are left
  bool readsUAsT;                  // whether U counts as T
};

// The standard translation reads only A, C, G, T; its callers turn U into T first.
inline constexpr CellStyle kStandardCells{kMiddleDot, "NO=", "\xB7", false};
inline constexpr CellStyle kMitochondrialCells{' ', "---", "", true};
static_assert(kStandardCells.notACodon.size() == 3 && kMitochondrialCells.notACodon.size() == 3);

}  // namespace bxl
