#include <gtest/gtest.h>

#include <string>

#include "translation/CodonLookup.h"
#include "translation/GeneticCode.h"

namespace bxl {
namespace {

// The lookup keeps a table of its own; every codon, in either spelling, must
// answer what the translation's standard code says.
TEST(CodonLookup, AgreesWithTheStandardCodeForEveryCodonInBothSpellings) {
  for (int i = 0; i < kCodonCount; ++i) {
    std::string dna{kBaseOrder[std::size_t(i / 16)], kBaseOrder[std::size_t(i / 4 % 4)], kBaseOrder[std::size_t(i % 4)]};
    std::string rna = dna;
    for (char& c : rna) c = c == 'T' ? 'U' : c;
    const char symbol = kStandardCode.symbolOf(dna);
    const std::string expected = symbol == '*' ? "Stop" : std::string(threeLetterName(symbol)) + " (" + symbol + ")";
    EXPECT_EQ(lookupCodon(dna), expected) << dna;
    EXPECT_EQ(lookupCodon(rna), expected) << rna;
  }
}

TEST(CodonLookup, FindsOnlyWholeUpperCaseCodonsOfOneSpelling) {
  for (const std::string_view text : {"atg", "aug", "Aug", "UTG", "TUG", "XYZ", "AAN", "NNN", "AT", "", "ATGA", "AU*",
                                      "A*G", "***", "AC-", " AUG"})
    EXPECT_EQ(lookupCodon(text), std::nullopt) << '"' << text << '"';
}

}  // namespace
}  // namespace bxl
