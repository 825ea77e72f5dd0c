#include <gtest/gtest.h>

#include "sequence/ClaseSecuencia.h"

namespace bxl {
namespace {

// '=' in the expectations: the code keeps the value it had before ('x').
TEST(Clasificar, DecidesTypeCaseStrandAndMarks) {
  const struct {
    std::string text;
    char tipo, caso, hebra, barra, punto;
    std::int32_t longitud;
  } cases[] = {
      {"atggcc", 'N', 'm', '1', 'O', 'L', 6},
      {"AUGGCC", 'N', 'M', '2', 'O', 'L', 6},
      {"AtgGcc", 'N', '=', '1', 'O', 'L', 6},  // mixed case: Caso untouched
      {"u", 'N', 'm', '2', 'O', 'L', 1},
      // Upper-case DNA is also a one-letter protein; it still gets case and strand.
      {"ATGGCC", 'N', 'M', '1', 'O', 'L', 6},
      {"ATG|GCC", 'N', 'M', '1', 'P', 'L', 6},
      {"1 atg gcc\r\n61 tta", 'N', 'm', '1', 'O', 'L', 9},
      // Empty after cleaning: a nucleotide text with nothing to describe.
      {"", 'N', '=', '=', 'O', 'L', 0},
      {"123 456", 'N', '=', '=', 'O', 'L', 0},
      {"MKLV*", 'A', '=', '=', 'O', 'L', 5},
      {"***", 'A', '=', '=', 'O', 'L', 3},  // the one-letter scan wins
      {"M\xB7\xB7K\xB7\xB7", 'A', '=', '=', 'O', 'D', 2},
      {"ATGNNNGCC", 'A', '=', '=', 'O', 'L', 9},  // N is a protein symbol, not a base
      {"MetLysGly***", 'B', '=', '=', 'O', 'L', 12},
      {"Met Lys|\r\nGly", 'B', '=', '=', 'P', 'L', 9},
      {"MetLysGl", 'X', '=', '=', 'O', 'L', 8},  // incomplete last name
      {"metlys", 'X', '=', '=', 'O', 'L', 6},
      {"ATGXXXGCC", 'X', '=', '=', 'O', 'L', 9},
      {"acgu-acgu", 'X', '=', '=', 'O', 'L', 9},
      {"ACGT?", 'X', '=', '=', 'O', 'L', 5},
      {"MetATG", 'X', '=', '=', 'O', 'L', 6},
  };
  for (const auto& c : cases) {
    ClaseSecuencia s;
    s.Caso = 'x';
    s.Hebra = 'x';
    s.Reversa = 'R';
    s.Complemento = 'C';
    s.Texto = "kept";
    s.Clasificar(c.text);
    const auto expected = [](char code) { return code == '=' ? 'x' : code; };
    EXPECT_EQ(s.Tipo, c.tipo) << c.text;
    EXPECT_EQ(s.Caso, expected(c.caso)) << c.text;
    EXPECT_EQ(s.Hebra, expected(c.hebra)) << c.text;
    EXPECT_EQ(s.Barra, c.barra) << c.text;
    EXPECT_EQ(s.Punto, c.punto) << c.text;
    EXPECT_EQ(s.Longitud, c.longitud) << c.text;
    EXPECT_EQ(s.Reversa, 'R');
    EXPECT_EQ(s.Complemento, 'C');
    EXPECT_EQ(s.Texto, "kept");
  }
}

TEST(Clasificar, CaseAndStrandCanDescribeAnEarlierText) {
  ClaseSecuencia s;
  s.Clasificar("acgu");
  s.Clasificar("AcGt");  // mixed case leaves 'm' from before
  EXPECT_EQ(s.Caso, 'm');
  EXPECT_EQ(s.Hebra, '1');
  s.Clasificar("MKLV");
  EXPECT_EQ(s.Tipo, 'A');
  EXPECT_EQ(s.Caso, 'm');
  EXPECT_EQ(s.Hebra, '1');
}

TEST(UnusablePositions, MarksEverythingButTheBasesAndLineBreaks) {
  const struct {
    std::string text;
    std::vector<std::size_t> positions;
  } cases[] = {
      {"ATGXXXGCC", {3, 4, 5}},
      {"acgu-acgu", {4}},
      {"ATG AAA 1X", {3, 7, 8, 9}},
      // Only line breaks stay unmarked; numbers, blanks, tabs, bars and dots are marked.
      {"1 atg\n61 tta|\xB7\tc\r\n", {0, 1, 6, 7, 8, 12, 13, 14}},
      {"AT?G\nN*", {2, 5, 6}},  // '?' stands for a character the code page lacks
      {"\xE1tg", {0}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(unusablePositions(c.text), c.positions) << c.text;
}

}  // namespace
}  // namespace bxl
