#include <gtest/gtest.h>

#include "sequence/ClaseSecuencia.h"

namespace bxl {
namespace {

// "\xB7" is the middle dot of the codon cells.
TEST(LimpiarTexto, DropsNumberingBlanksLineBreaksBarsAndDotsKeepingCase) {
  ClaseSecuencia s;
  EXPECT_EQ(s.LimpiarTexto("1 acgt acgt\r\n61 ggcc|tt\xB7" "a"), "acgtacgtggcctta");
  EXPECT_EQ(s.LimpiarTexto(std::string("a\tC\vg\0T-x,Y", 12)), "aCgT-x,Y");
  EXPECT_EQ(s.LimpiarTexto(""), "");
  EXPECT_EQ(s.LimpiarTexto("0123456789 \r\n|\xB7"), "");
}

TEST(FiltrarNucleotidos, KeepsUpperCaseNucleotidesAndRecordsCleanedText) {
  ClaseSecuencia s;
  EXPECT_EQ(s.FiltrarNucleotidos("acg-Tu nx"), "ACGTU");
  EXPECT_EQ(s.Caso, 'N');
  EXPECT_EQ(s.Texto, "ACG-TUNX");
}

TEST(FiltrarNucleotidos, TextWithoutNucleotidesGivesEmptyTextAndStillSetsCaso) {
  ClaseSecuencia s;
  s.Caso = 'm';
  EXPECT_EQ(s.FiltrarNucleotidos("12 xyz|\xB7"), "");
  EXPECT_EQ(s.Caso, 'N');
  EXPECT_EQ(s.Texto, "XYZ");
}

TEST(FiltrarNucleotidos, UpperCasesLatinLettersInTexto) {
  ClaseSecuencia s;
  EXPECT_EQ(s.FiltrarNucleotidos("\xE0g\xFF\xDF"), "G");  // à g ÿ ß
  EXPECT_EQ(s.Texto, "\xC0G\x9F\xDF");                    // À G Ÿ ß
}

TEST(Codigo1a3, ReplacesCellsInTableOrderCaseInsensitively) {
  const ClaseSecuencia s;
  const struct {
    std::string in, out;
  } cases[] = {
      {"M\xB7\xB7" "A\xB7\xB7*\xB7\xB7", "MetAla***"},
      {"\xB7m\xB7\xB7k\xB7\xB7", "\xB7MetLys"},
      {"M\xB7\xB7\xB7\xB7", "MeThr"},  // a later pattern matches inside "Met··"
      {"\xB7\xB7W\xB7\xB7NO=\xB7", "\xB7\xB7TrpNO=\xB7"},
      {"", ""},
      {"L\xB7", "L\xB7"},
  };
  for (const auto& c : cases) EXPECT_EQ(s.Codigo1a3(c.in), c.out) << c.in;
  const std::string all = "MLFSYCWPHQRITNKVADEG*";
  std::string cells;
  for (char a : all) cells += std::string{a, '\xB7', '\xB7'};
  EXPECT_EQ(s.Codigo1a3(cells),
            "MetLeuPheSerTyrCysTrpProHisGlnArgIleThrAsnLysValAlaAspGluGly***");
}

TEST(Regla, PutsABarUnderEveryTenthPositionAndAtLeastOne) {
  const ClaseSecuencia s;
  const auto bars = [](const std::string& r) {
    std::string where;
    for (std::size_t i = 0; i < r.size(); ++i)
      if (r[i] == '|') where += std::to_string(i + 1) + ",";
    return where;
  };
  EXPECT_EQ(s.Regla(1), std::string(9, ' ') + "|" + std::string(9, ' '));
  EXPECT_EQ(s.Regla(0).size(), 19u);
  EXPECT_EQ(s.Regla(-5).size(), 19u);
  EXPECT_EQ(s.Regla(20).size(), 19u);
  EXPECT_EQ(s.Regla(21).size(), 29u);  // 20 bases: bars under 10 and 20
  const std::string r101 = s.Regla(101);
  EXPECT_EQ(r101.size(), 109u);
  EXPECT_EQ(bars(r101), "10,20,30,40,50,60,70,80,90,100,");
  EXPECT_EQ(bars(s.Regla(111)).substr(bars(s.Regla(111)).size() - 4), "110,");
}

}  // namespace
}  // namespace bxl

namespace bxl {
namespace {

TEST(StrandOperations, ComplementReverseAndRnaToDna) {
  ClaseSecuencia s;
  EXPECT_EQ(s.Complementar("AACGT"), "TTGCA");
  EXPECT_EQ(s.Complemento, 'C');
  EXPECT_EQ(s.Longitud, 5);
  EXPECT_EQ(s.Complementar("ac gt\r\n12Uu-N"), "TGCA");  // all but A, C, G, T dropped
  EXPECT_EQ(s.Longitud, 13);
  s.Caso = 'm';
  EXPECT_EQ(s.Complementar("aacgt"), "ttgca");
  EXPECT_EQ(s.Complementar("AAcgt"), "ttgca");  // the case code, not the text, decides
  EXPECT_EQ(s.Invertir("AACGT"), "TGCAA");
  EXPECT_EQ(s.Reversa, 'R');
  EXPECT_EQ(s.Invertir("AC\nGU"), "UG\nCA");
  EXPECT_EQ(s.Invertir(""), "");
  s.Hebra = '2';
  EXPECT_EQ(s.ARNaADN("AUGCuu"), "ATGCtt");
  EXPECT_EQ(s.Hebra, '1');
}

}  // namespace
}  // namespace bxl
