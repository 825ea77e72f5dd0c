#include <gtest/gtest.h>

#include <map>
#include <string>

#include "translation/GeneticCode.h"

namespace bxl {
namespace {

std::string codonAt(int index) {
  return {kBaseOrder[std::size_t(index / 16)], kBaseOrder[std::size_t(index / 4 % 4)],
          kBaseOrder[std::size_t(index % 4)]};
}

TEST(GeneticCode, MitochondrialCodesDifferFromStandardInFiveCodonsOnly) {
  std::map<std::string, std::string> differences;  // codon -> standard, vertebrate, mouse
  for (int i = 0; i < kCodonCount; ++i) {
    const std::string codon = codonAt(i);
    const std::string symbols{kStandardCode.symbolOf(codon), kVertebrateMitochondrialCode.symbolOf(codon),
                              kMouseMitochondrialCode.symbolOf(codon)};
    if (symbols[1] != symbols[0] || symbols[2] != symbols[0]) differences[codon] = symbols;
  }
  const std::map<std::string, std::string> expected = {
      {"TGA", "*WW"}, {"ATT", "IMI"}, {"ATA", "IMM"}, {"AGA", "R**"}, {"AGG", "R**"}};
  EXPECT_EQ(differences, expected);
}

TEST(GeneticCode, StandardCodeHasTheKnownNumberOfCodonsPerAminoAcid) {
  std::map<char, int> counts;
  for (char symbol : kStandardCode.symbols) ++counts[symbol];
  const std::map<char, int> expected = {
      {'A', 4}, {'C', 2}, {'D', 2}, {'E', 2}, {'F', 2}, {'G', 4}, {'H', 2}, {'I', 3}, {'K', 2}, {'L', 6}, {'M', 1},
      {'N', 2}, {'P', 4}, {'Q', 2}, {'R', 6}, {'S', 6}, {'T', 4}, {'V', 4}, {'W', 1}, {'Y', 2}, {'*', 3}};
  EXPECT_EQ(counts, expected);
  for (const auto& [symbol, count] : counts) EXPECT_FALSE(threeLetterName(symbol).empty()) << symbol;
}

TEST(GeneticCode, LooksUpCodonsOfEitherCaseAndNothingElse) {
  const struct {
    const GeneticCode& code;
    std::string_view codon;
    char symbol;
  } cases[] = {
      {kStandardCode, "TGA", '*'},  {kStandardCode, "ATA", 'I'},  {kStandardCode, "AGG", 'R'},
      {kStandardCode, "atg", 'M'},  {kStandardCode, "tTc", 'F'},
      {kVertebrateMitochondrialCode, "tga", 'W'}, {kVertebrateMitochondrialCode, "att", 'M'},
      {kVertebrateMitochondrialCode, "agg", '*'}, {kMouseMitochondrialCode, "att", 'I'},
      {kMouseMitochondrialCode, "ata", 'M'},
      // U is not read as T at this level, and nothing but three bases is a codon.
      {kStandardCode, "AUG", 0},    {kStandardCode, "NNN", 0},    {kStandardCode, "AC-", 0},
      {kStandardCode, "AT", 0},     {kStandardCode, "ATGA", 0},   {kStandardCode, "\xC1TG", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.code.symbolOf(c.codon), c.symbol) << c.code.name << " " << c.codon;
}

}  // namespace
}  // namespace bxl
