#include "sequence/ClaseSecuencia.h"

#include <algorithm>
#include <array>
#include <climits>

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

bool isNucleotideLetter(char c) {
  switch (c) {
    case 'A': case 'C': case 'G': case 'T': case 'U':
    case 'a': case 'c': case 'g': case 't': case 'u':
      return true;
    default:
      return false;
  }
}

// Counters of the leading run of nucleotide letters.
struct NucleotideScan {
  std::size_t all = 0, upper = 0, lower = 0, dna = 0, rna = 0;
};

NucleotideScan scanNucleotides(std::string_view text) {
  NucleotideScan n;
  for (char c : text) {
    if (!isNucleotideLetter(c)) break;
    ++n.all;
    ++(c >= 'a' ? n.lower : n.upper);
    ++(c == 'U' || c == 'u' ? n.rna : n.dna);
  }
  return n;
}

bool isOneLetterProtein(char c) {
  return std::string_view("ACDEFGHIKLMNPQRSTVWY*").find(c) != std::string_view::npos;
}

constexpr std::array<std::string_view, 21> kThreeLetterWords = {
    "***", "Lys", "Gly", "Met", "Leu", "Phe", "Ser", "Tyr", "Trp", "Pro", "His",
    "Gln", "Arg", "Ile", "Thr", "Asn", "Val", "Ala", "Asp", "Glu", "Cys"};

// Whether the text is made of whole three-letter names, exact case; an
// incomplete piece at the end ("MetLysGl") spoils it.
bool isThreeLetterProtein(std::string_view text) {
  if (text.size() % 3 != 0) return false;
  for (std::size_t i = 0; i < text.size(); i += 3)
    if (std::find(kThreeLetterWords.begin(), kThreeLetterWords.end(), text.substr(i, 3)) ==
        kThreeLetterWords.end())
      return false;
  return true;
}

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

void ClaseSecuencia::Clasificar(std::string_view text) {
  Barra = text.find('|') != std::string_view::npos ? 'P' : 'O';
  Punto = text.find(kMiddleDot) != std::string_view::npos ? 'D' : 'L';
  const std::string cleaned = LimpiarTexto(text);
  const std::size_t length = cleaned.size();
  Longitud = std::int32_t(length);
  Tipo = 'X';

  const NucleotideScan n = scanNucleotides(cleaned);
  const bool oneLetter = std::all_of(cleaned.begin(), cleaned.end(), isOneLetterProtein);
  const bool threeLetter = !oneLetter && isThreeLetterProtein(cleaned);

  if (n.all == length) {
    // Upper-case DNA is also a one-letter protein; it is still a nucleotide
    // sequence and gets its case and strand like any other.
    Tipo = 'N';
    if (length == 0) return;  // nothing to describe: the codes keep their values
    if (n.upper == length) Caso = 'M';
    if (n.lower == length) Caso = 'm';
    if (n.dna == length) Hebra = '1';
    if (n.rna > 0 && n.dna + n.rna == length) Hebra = '2';
  } else if (oneLetter || threeLetter) {
    Tipo = oneLetter ? 'A' : 'B';
  }
}

std::vector<std::size_t> unusablePositions(std::string_view text) {
  std::vector<std::size_t> positions;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!isNucleotideLetter(text[i]) && text[i] != '\n' && text[i] != '\r') positions.push_back(i);
  return positions;
}

std::string ClaseSecuencia::ARNaADN(std::string_view text) {
  std::string dna(text);
  for (char& c : dna) {
    if (c == 'U') c = 'T';
    else if (c == 'u') c = 't';
  }
  Hebra = '1';
  return dna;
}

std::string ClaseSecuencia::Complementar(std::string_view text) {
  const bool lower = Caso == 'm';
  std::string paired;
  paired.reserve(text.size());
  for (char c : text) {
    char pair = 0;
    switch (c) {
      case 'A': case 'a': pair = 'T'; break;
      case 'T': case 't': pair = 'A'; break;
      case 'G': case 'g': pair = 'C'; break;
      case 'C': case 'c': pair = 'G'; break;
      default: continue;
    }
    paired.push_back(lower ? char(pair + ('a' - 'A')) : pair);
  }
  Longitud = std::int32_t(std::min<std::size_t>(text.size(), INT32_MAX));
  Complemento = 'C';
  return paired;
}

std::string ClaseSecuencia::Invertir(std::string_view text) {
  Reversa = 'R';
  return std::string(text.rbegin(), text.rend());
}

}  // namespace bxl
