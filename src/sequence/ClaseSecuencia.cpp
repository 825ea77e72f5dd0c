#include "sequence/ClaseSecuencia.h"

#include <algorithm>
#include <array>

#include "sequence/Ansi.h"

namespace bxl {
namespace {

bool isLayoutCharacter(char c) {
  switch (c) {
    case ' ': case '\r': case '\n': case '\t': case '\v': case '|': case '\0': case kMiddleDot:
      return true;
    default:
      return c >= '0' && c <= '9';
  }
}

struct CellName {
  char letter;
  const char* name;
};

// Applied in this order over the whole text: a later pattern may match inside an
// earlier name when the input holds stray middle dots ("M····" -> "MeThr").
constexpr std::array<CellName, 21> kCellNames = {{
    {'M', "Met"}, {'L', "Leu"}, {'F', "Phe"}, {'S', "Ser"}, {'Y', "Tyr"}, {'C', "Cys"},
    {'W', "Trp"}, {'P', "Pro"}, {'H', "His"}, {'Q', "Gln"}, {'R', "Arg"}, {'I', "Ile"},
    {'T', "Thr"}, {'N', "Asn"}, {'K', "Lys"}, {'V', "Val"}, {'A', "Ala"}, {'D', "Asp"},
    {'E', "Glu"}, {'G', "Gly"}, {'*', "***"},
}};

}  // namespace

std::string ClaseSecuencia::LimpiarTexto(std::string_view text) const {
  std::string result;
  result.reserve(text.size());
  for (char c : text)
    if (!isLayoutCharacter(c)) result.push_back(c);
  return result;
}

std::string ClaseSecuencia::FiltrarNucleotidos(std::string_view text) {
  Texto = LimpiarTexto(ansiUpper(std::string(text)));
  std::string result;
  result.reserve(Texto.size());
  for (char c : Texto) {
    switch (c) {
      case 'A': case 'C': case 'G': case 'T': case 'U':
      case 'a': case 'c': case 'g': case 't': case 'u':
        result.push_back(c);
        break;
      default:
        break;
    }
  }
  Caso = 'N';
  return result;
}

std::string ClaseSecuencia::Codigo1a3(std::string_view cells) const {
  std::string text(cells);
  // Every name is as long as its cell, so each pass rewrites the text in place.
  for (const CellName& cell : kCellNames) {
    const char upper = cell.letter;
    const char lower = (upper >= 'A' && upper <= 'Z') ? char(upper + 0x20) : upper;
    for (std::size_t i = 0; i + 2 < text.size();) {
      if ((text[i] == upper || text[i] == lower) && text[i + 1] == kMiddleDot && text[i + 2] == kMiddleDot) {
        std::copy_n(cell.name, 3, text.begin() + std::ptrdiff_t(i));
        i += 3;
      } else {
        ++i;
      }
    }
  }
  return text;
}

std::string ClaseSecuencia::Regla(std::int32_t count) const {
  const std::int64_t beyond = std::int64_t(count) - 10;
  const std::int64_t pieces = std::max<std::int64_t>(1, (beyond + 9) / 10);
  std::string ruler(9, ' ');
  ruler.reserve(std::size_t(9 + 10 * pieces));
  for (std::int64_t i = 0; i < pieces; ++i) ruler += "|         ";
  return ruler;
}

}  // namespace bxl
