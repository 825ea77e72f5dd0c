#include "translation/CodonLookup.h"

namespace bxl {

std::optional<std::string_view> lookupCodon(std::string_view codon) {
  using namespace codon_lookup_detail;
  // A codon without T or U ("CCC", "GAG") reads the same in both spellings.
  const bool uSpelling = codon.find('U') != std::string_view::npos;
  const int number = codonNumber(codon, uSpelling ? "UCAG" : "TCAG");
  if (number < 0) return std::nullopt;
  const auto& rows = uSpelling ? kRowsU : kRowsT;
  return kCodonLookupTable[std::size_t(rows[std::size_t(number)])].result;
}

}  // namespace bxl
