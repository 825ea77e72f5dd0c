#pragma once
// The ORF windows' module state: one for the whole program, shared by every
// ORF window. It holds the main window's frames in three-letter names, the
// number of nucleotides the map scales to, and each frame's largest ORF from
// the last search of that frame. Closing a window does not reset it.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "sequence/ClaseSecuencia.h"

namespace bxl::orf {

// Positions in bp count from 1: character i of a frame text stands under base i.
using Position = std::int64_t;

struct OrfState {
  // A whole count, kept exact: the caption of the map writes it, and only the
  // map's scale divides by it in single precision.
  std::int64_t LongitudNucleotidos = 0;
  std::string TextoMarco1, TextoMarco2, TextoMarco3;
  // Each frame's largest ORF, "Met" through "***", and its start; empty and 0
  // when the last search of that frame found none.
  std::string ORFMayor1, ORFMayor2, ORFMayor3;
  Position InicioORFMayor1 = 0, InicioORFMayor2 = 0, InicioORFMayor3 = 0;
  // Serves only for its FiltrarNucleotidos and Codigo1a3.
  ClaseSecuencia DatosSecuenciaORF;

  // Frame 1, 2 or 3.
  const std::string& textoMarco(int frame) const;
  std::string& textoMarco(int frame);
  const std::string& orfMayor(int frame) const;
  Position inicioOrfMayor(int frame) const;
  void storeLargest(int frame, std::string_view text, Position start);
};

// The state every ORF window of the program shares.
OrfState& moduleState();

// What the window reads from the main window when it is shown.
struct OrfInput {
  std::string_view editorText;             // the sequence editor, as typed
  std::array<std::string_view, 3> frames;  // frame strings 1, 2, 3
  std::string_view letterCode;             // "1Code" or "3Code"
};

// Counts the editor's nucleotide letters (A, C, G, T, U of either case) and
// takes the three frames, turning one-letter cells into three-letter names
// when the letter code is exactly "1Code". The largest ORFs stay as they were.
void loadSequences(OrfState& state, const OrfInput& input);

// One value of the state for `dump-state orf`: a text (an 8-bit string, the
// record's one-character codes included) or a whole number.
using StateValue = std::variant<std::string_view, std::int64_t>;
struct StateField {
  std::string_view name;  // "TextoMarco1", "DatosSecuenciaORF.Tipo"
  StateValue value;       // texts point into the state
};
// Every value, in the order of the state's declaration.
std::vector<StateField> stateFields(const OrfState& state);

}  // namespace bxl::orf
