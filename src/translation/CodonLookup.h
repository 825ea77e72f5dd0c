#pragma once
// The codon lookup: which amino acid a codon written with T (DNA) or with U
// (RNA) codes for in the standard code, as the answer texts the genetic code
// window shows ("Phe (F)", "Stop"). A table of its own, apart from the
// translation's codes: it knows both spellings of every codon, and its answers
// are texts for people, not codon cells.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "translation/GeneticCode.h"

namespace bxl {

struct CodonLookupRow {
  std::string_view result;   // "Phe (F)"; "Stop" for the stop codons
  std::string_view tCodons;  // its codons written with T, separated by blanks
  std::string_view uCodons;  // the same codons written with U
};

inline constexpr std::array<CodonLookupRow, 21> kCodonLookupTable = {{
    {"Phe (F)", "TTT TTC", "UUU UUC"},
    {"Leu (L)", "TTA TTG CTT CTC CTA CTG", "UUA UUG CUU CUC CUA CUG"},
    {"Ile (I)", "ATT ATC ATA", "AUU AUC AUA"},
    {"Met (M)", "ATG", "AUG"},
    {"Val (V)", "GTT GTC GTA GTG", "GUU GUC GUA GUG"},
    {"Ser (S)", "TCT TCC TCA TCG AGT AGC", "UCU UCC UCA UCG AGU AGC"},
    {"Pro (P)", "CCT CCC CCA CCG", "CCU CCC CCA CCG"},
    {"Thr (T)", "ACT ACC ACA ACG", "ACU ACC ACA ACG"},
    {"Ala (A)", "GCT GCC GCA GCG", "GCU GCC GCA GCG"},
    {"Tyr (Y)", "TAT TAC", "UAU UAC"},
    {"Stop", "TAA TAG TGA", "UAA UAG UGA"},
    {"His (H)", "CAT CAC", "CAU CAC"},
    {"Gln (Q)", "CAA CAG", "CAA CAG"},
    {"Asn (N)", "AAT AAC", "AAU AAC"},
    {"Lys (K)", "AAA AAG", "AAA AAG"},
    {"Asp (D)", "GAT GAC", "GAU GAC"},
    {"Glu (E)", "GAA GAG", "GAA GAG"},
    {"Cys (C)", "TGT TGC", "UGU UGC"},
    {"Trp (W)", "TGG", "UGG"},
    {"Arg (R)", "CGT CGC CGA CGG AGA AGG", "CGU CGC CGA CGG AGA AGG"},
    {"Gly (G)", "GGT GGC GGA GGG", "GGU GGC GGA GGG"},
}};

// The answer for a codon, or nothing when it is not one. A codon is found only
// as a whole three-letter upper-case string, all with T or all with U: "ATG"
// and "AUG" give "Met (M)"; "atg", "UTG" (T and U mixed), "AAN" and "AT" give
// nothing. Callers that accept lower case upper-case the text first.
std::optional<std::string_view> lookupCodon(std::string_view codon);

namespace codon_lookup_detail {

// Codon number (codon order of GeneticCode.h) of three letters from the
// alphabet: "TCAG" for the T spelling, "UCAG" for the U spelling; -1 for others.
constexpr int codonNumber(std::string_view codon, std::string_view alphabet) {
  if (codon.size() != 3) return -1;
  int number = 0;
  for (char c : codon) {
    const std::size_t value = alphabet.find(c);
    if (value == std::string_view::npos) return -1;
    number = 4 * number + int(value);
  }
  return number;
}

// The table row of every codon number in one spelling; -1 where no row lists
// it, -2 where two do.
constexpr std::array<std::int8_t, kCodonCount> rowsOf(std::string_view CodonLookupRow::*column,
                                                     std::string_view alphabet) {
  std::array<std::int8_t, kCodonCount> rows{};
  rows.fill(-1);
  for (std::size_t row = 0; row < kCodonLookupTable.size(); ++row) {
    std::string_view codons = kCodonLookupTable[row].*column;
    while (!codons.empty()) {
      const std::size_t end = codons.find(' ');
      const int number = codonNumber(codons.substr(0, end), alphabet);
      if (number < 0) return {};  // a misspelt codon: the checks below fail
      std::int8_t& slot = rows[std::size_t(number)];
      slot = slot == -1 ? std::int8_t(row) : std::int8_t(-2);
      codons = end == std::string_view::npos ? std::string_view() : codons.substr(end + 1);
    }
  }
  return rows;
}

inline constexpr auto kRowsT = rowsOf(&CodonLookupRow::tCodons, "TCAG");
inline constexpr auto kRowsU = rowsOf(&CodonLookupRow::uCodons, "UCAG");

constexpr bool everyCodonOnceInBothSpellingsAlike() {
  for (int i = 0; i < kCodonCount; ++i)
    if (kRowsT[std::size_t(i)] < 0 || kRowsT[std::size_t(i)] != kRowsU[std::size_t(i)]) return false;
  return true;
}
static_assert(everyCodonOnceInBothSpellingsAlike(),
              "every codon is listed exactly once with T and once with U, in the same row");

}  // namespace codon_lookup_detail

}  // namespace bxl
