#include "orf/OrfState.h"

#include <cstring>

#include "sequence/Ansi.h"
#include "translation/GeneticCode.h"

namespace bxl::orf {
namespace {

// The members that belong to each frame, so one routine serves all three.
struct FrameMembers {
  std::string OrfState::*texto;
  std::string OrfState::*orfMayor;
  Position OrfState::*inicio;
};

constexpr std::array<FrameMembers, 3> kFrameMembers = {{
    {&OrfState::TextoMarco1, &OrfState::ORFMayor1, &OrfState::InicioORFMayor1},
    {&OrfState::TextoMarco2, &OrfState::ORFMayor2, &OrfState::InicioORFMayor2},
    {&OrfState::TextoMarco3, &OrfState::ORFMayor3, &OrfState::InicioORFMayor3},
}};

const FrameMembers& members(int frame) { return kFrameMembers.at(std::size_t(frame - 1)); }

std::string_view code(const char& c) { return {&c, 1}; }

// The name of a cell's symbol, upper or lower case, or "" when it is none.
const std::array<std::string_view, 256>& cellNames() {
  static const std::array<std::string_view, 256> names = [] {
    std::array<std::string_view, 256> table{};
    for (const AminoAcidName& entry : kThreeLetterNames) {
      table[static_cast<unsigned char>(entry.symbol)] = entry.name;
      if (entry.symbol >= 'A' && entry.symbol <= 'Z')
        table[static_cast<unsigned char>(entry.symbol - 'A' + 'a')] = entry.name;
    }
    return table;
  }();
  return names;
}

// Codigo1a3 renames the cells in 21 passes over the text, one per amino acid,
// so a name written by one pass can take part in a later one ("M····" gives
// "MeThr"). That needs a run of four middle dots, which no translation writes;
// any other text gets the same result from one pass, which a whole genome's
// frames need. Cells cannot overlap: each starts with a character that is not
// a middle dot and goes on with two that are.
std::string threeLetterNames(const ClaseSecuencia& record, std::string_view cells) {
  if (cells.find("\xB7\xB7\xB7\xB7") != std::string_view::npos) return record.Codigo1a3(cells);
  const std::array<std::string_view, 256>& names = cellNames();
  std::string text(cells);
  char* const t = text.data();
  const std::size_t size = text.size();
  for (std::size_t i = 0; i + 2 < size;) {
    if (t[i + 1] == kMiddleDot && t[i + 2] == kMiddleDot) {
      const std::string_view name = names[static_cast<unsigned char>(t[i])];
      if (!name.empty()) {
        std::memcpy(t + i, name.data(), 3);
        i += 3;
        continue;
      }
    }
    ++i;
  }
  return text;
}

}  // namespace

const std::string& OrfState::textoMarco(int frame) const { return this->*members(frame).texto; }
std::string& OrfState::textoMarco(int frame) { return this->*members(frame).texto; }
const std::string& OrfState::orfMayor(int frame) const { return this->*members(frame).orfMayor; }
Position OrfState::inicioOrfMayor(int frame) const { return this->*members(frame).inicio; }

void OrfState::storeLargest(int frame, std::string_view text, Position start) {
  const FrameMembers& m = members(frame);
  (this->*m.orfMayor).assign(text);
  this->*m.inicio = start;
}

OrfState& moduleState() {
  static OrfState state;
  return state;
}

void loadSequences(OrfState& state, const OrfInput& input) {
  state.LongitudNucleotidos =
      std::int64_t(state.DatosSecuenciaORF.FiltrarNucleotidos(input.editorText).size());
  const bool oneLetterCells = input.letterCode == "1Code";
  for (int frame = 1; frame <= 3; ++frame) {
    std::string& texto = state.textoMarco(frame);
    const std::string_view given = input.frames[std::size_t(frame - 1)];
    if (oneLetterCells)
      texto = threeLetterNames(state.DatosSecuenciaORF, given);
    else
      texto.assign(given);
  }
}

std::vector<StateField> stateFields(const OrfState& s) {
  const ClaseSecuencia& d = s.DatosSecuenciaORF;
  return {
      {"LongitudNucleotidos", s.LongitudNucleotidos},
      {"TextoMarco1", s.TextoMarco1},
      {"TextoMarco2", s.TextoMarco2},
      {"TextoMarco3", s.TextoMarco3},
      {"ORFMayor1", s.ORFMayor1},
      {"ORFMayor2", s.ORFMayor2},
      {"ORFMayor3", s.ORFMayor3},
      {"InicioORFMayor1", s.InicioORFMayor1},
      {"InicioORFMayor2", s.InicioORFMayor2},
      {"InicioORFMayor3", s.InicioORFMayor3},
      {"DatosSecuenciaORF.Tipo", code(d.Tipo)},
      {"DatosSecuenciaORF.Caso", code(d.Caso)},
      {"DatosSecuenciaORF.Reversa", code(d.Reversa)},
      {"DatosSecuenciaORF.Complemento", code(d.Complemento)},
      {"DatosSecuenciaORF.Barra", code(d.Barra)},
      {"DatosSecuenciaORF.Punto", code(d.Punto)},
      {"DatosSecuenciaORF.Hebra", code(d.Hebra)},
      {"DatosSecuenciaORF.Longitud", std::int64_t(d.Longitud)},
      {"DatosSecuenciaORF.Texto", d.Texto},
  };
}

}  // namespace bxl::orf
