#pragma once
// A sequence text's description (type, case and strand codes) and the pure
// text operations the windows use to clean, filter and lay out sequences.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bxl {

struct ClaseSecuencia {
  // Codes are single 8-bit characters; 0 means "not set yet".
  char Tipo = 0;         // 'N' nucleotides, 'A' one-letter protein, 'B' three-letter protein, 'X' other
  char Caso = 0;         // 'M' upper case, 'm' lower case, 'N' after FiltrarNucleotidos
  char Reversa = 0;      // 'R' once reversed
  char Complemento = 0;  // 'C' once complemented
  char Barra = 0;        // 'P' the text held "|", else 'O'
  char Punto = 0;        // 'D' the text held a middle dot, else 'L'
  char Hebra = 0;        // '1' DNA, '2' RNA
  std::int32_t Longitud = 0;
  std::string Texto;     // last text given to FiltrarNucleotidos, upper-cased and cleaned

  // Drops position numbers, blanks, line breaks, tabs, "|", middle dots and NULs.
  std::string LimpiarTexto(std::string_view text) const;
  // Upper-cases and cleans the text into Texto and keeps only A, C, G, T and U.
  std::string FiltrarNucleotidos(std::string_view text);
  // Turns one-letter codon cells ("M··") into three-letter names ("Met").
  std::string Codigo1a3(std::string_view cells) const;
  // The ruler: 9 blanks, then a "|" and 9 blanks for every ten positions.
  std::string Regla(std::int32_t count) const;
  // Decides what kind of text this is (Tipo) and records its case, strand,
  // "|" and middle-dot marks and its cleaned length. Caso and Hebra change
  // only for a non-empty nucleotide text, and only the ones whose condition
  // holds; otherwise they keep describing an earlier text.
  void Clasificar(std::string_view text);

  // Strand operations.
  // U becomes T and u becomes t; the strand is DNA from now on.
  std::string ARNaADN(std::string_view text);
  // The paired bases of the text's A, C, G, T (either case), upper case, or
  // lower case when the last classified text was all lower case; every other
  // character is dropped.
  std::string Complementar(std::string_view text);
  // Every character in reverse order.
  std::string Invertir(std::string_view text);
};

// Positions (0-based, one per byte) of the characters the editor marks red
// when its text is unusable: everything except A, C, G, T, U in either case
// and the line breaks. Blanks, digits, tabs, bars and dots are marked too,
// though cleaning would drop them: the user sees every character that is not
// a base.
std::vector<std::size_t> unusablePositions(std::string_view text);

}  // namespace bxl
